// A small Microsoft ADPCM decoder written from the format's description,
// independent of the generator's encoder, to check what players will hear.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "tests/host/tools/file_fields.h"

namespace test_files {

struct AdpcmFormat {
    int channels;
    int blockAlign;
    std::vector<std::pair<int, int>> coefficients;
};

inline std::vector<std::int16_t> decodeMsAdpcm(const Bytes& data, const AdpcmFormat& f) {
    static const int kAdapt[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                   768, 614, 512, 409, 307, 230, 230, 230};
    std::vector<std::int16_t> out;
    const int ch = f.channels;
    for (std::size_t block = 0; block < data.size();
         block += static_cast<std::size_t>(f.blockAlign)) {
        const std::size_t end =
            std::min(data.size(), block + static_cast<std::size_t>(f.blockAlign));
        std::vector<int> c1(ch), c2(ch), delta(ch), s1(ch), s2(ch);
        std::size_t at = block;
        for (int c = 0; c < ch; ++c) {
            const auto& pair = f.coefficients.at(data.at(at++));
            c1[c] = pair.first;
            c2[c] = pair.second;
        }
        for (int c = 0; c < ch; ++c, at += 2)
            delta[c] = s16(data, at);
        for (int c = 0; c < ch; ++c, at += 2)
            s1[c] = s16(data, at);
        for (int c = 0; c < ch; ++c, at += 2)
            s2[c] = s16(data, at);
        for (int c = 0; c < ch; ++c)
            out.push_back(static_cast<std::int16_t>(s2[c]));
        for (int c = 0; c < ch; ++c)
            out.push_back(static_cast<std::int16_t>(s1[c]));
        int c = 0;
        for (; at < end; ++at) {
            for (int nibble : {data[at] >> 4, data[at] & 0xF}) {
                const int signedCode = nibble >= 8 ? nibble - 16 : nibble;
                const int predicted = (s1[c] * c1[c] + s2[c] * c2[c]) / 256;
                const int sample = std::clamp(predicted + signedCode * delta[c], -32768, 32767);
                out.push_back(static_cast<std::int16_t>(sample));
                s2[c] = s1[c];
                s1[c] = sample;
                delta[c] = std::max(16, kAdapt[nibble] * delta[c] / 256);
                c = (c + 1) % ch;
            }
        }
    }
    return out;
}

}  // namespace test_files
