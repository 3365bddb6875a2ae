// Reading generated sound files independently of the generator's writers:
// little-endian fields, RIFF chunks, and a small Microsoft ADPCM decoder
// written from the format's description, to check what players will hear.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace test_files {

using Bytes = std::vector<std::uint8_t>;

inline unsigned u16(const Bytes& b, std::size_t at) {
    return b.at(at) | (b.at(at + 1) << 8);
}
inline std::uint32_t u32(const Bytes& b, std::size_t at) {
    return u16(b, at) | (static_cast<std::uint32_t>(u16(b, at + 2)) << 16);
}
inline int s16(const Bytes& b, std::size_t at) {
    return static_cast<std::int16_t>(u16(b, at));
}

// The chunks of a RIFF WAVE file by id; empty unless the chunks fill the
// whole form.
inline std::map<std::string, Bytes> riffChunks(const Bytes& file) {
    const std::string text(file.begin(), file.end());
    std::map<std::string, Bytes> chunks;
    std::size_t at = 12;
    for (std::size_t size = 0;
         at + 8 <= file.size() && at + 8 + (size = u32(file, at + 4)) <= file.size();
         at += 8 + size + size % 2) {
        chunks[text.substr(at, 4)] = Bytes(file.begin() + at + 8, file.begin() + at + 8 + size);
    }
    const bool whole = file.size() >= 12 && at >= file.size() && text.compare(0, 4, "RIFF") == 0 &&
                       text.compare(8, 4, "WAVE") == 0 && u32(file, 4) == file.size() - 8;
    return whole ? chunks : std::map<std::string, Bytes>();
}

// Interleaved samples of every whole block of `data`.
inline std::vector<std::int16_t> decodeMsAdpcm(
    const Bytes& data, int ch, std::size_t blockAlign,
    const std::vector<std::pair<int, int>>& coefficients) {
    static const int kAdapt[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                   768, 614, 512, 409, 307, 230, 230, 230};
    std::vector<std::int16_t> out;
    for (std::size_t block = 0; block + blockAlign <= data.size(); block += blockAlign) {
        // A block starts with each channel's predictor, then its step, its
        // newer and its older sample; the older come out first.
        std::vector<int> delta(ch);
        for (int c = 0; c < 2 * ch; ++c) {
            delta[c % ch] = s16(data, block + ch + 2 * (c % ch));
            out.push_back(s16(data, block + (c < ch ? 5 : 3) * ch + 2 * (c % ch)));
        }
        // Then nibbles, channel after channel, each predicted from the
        // channel's last two samples in `out`.
        for (std::size_t at = block + 7 * ch, c = 0; at < block + blockAlign; ++at) {
            for (int nibble : {data[at] >> 4, data[at] & 0xF}) {
                const auto [c1, c2] = coefficients.at(data.at(block + c));
                const int predicted =
                    (out[out.size() - ch] * c1 + out[out.size() - 2 * ch] * c2) / 256;
                const int error = (nibble >= 8 ? nibble - 16 : nibble) * delta[c];
                out.push_back(std::clamp(predicted + error, -32768, 32767));
                delta[c] = std::max(16, kAdapt[nibble] * delta[c] / 256);
                c = (c + 1) % ch;
            }
        }
    }
    return out;
}

}  // namespace test_files
