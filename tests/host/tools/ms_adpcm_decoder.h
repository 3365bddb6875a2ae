// A small Microsoft ADPCM decoder written from the format's description,
// independent of the generator's encoder, to check what players will hear.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "tests/host/tools/file_fields.h"

namespace test_files {

// Interleaved samples of every whole block of `data`.
inline std::vector<std::int16_t> decodeMsAdpcm(
    const Bytes& data, int ch, std::size_t blockAlign,
    const std::vector<std::pair<int, int>>& coefficients) {
    static const int kAdapt[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                   768, 614, 512, 409, 307, 230, 230, 230};
    std::vector<std::int16_t> out;
    for (std::size_t block = 0; block + blockAlign <= data.size(); block += blockAlign) {
        std::vector<int> c1(ch), c2(ch), delta(ch), s1(ch), s2(ch);
        std::size_t at = block;
        for (int c = 0; c < ch; ++c, ++at) {
            c1[c] = coefficients.at(data.at(at)).first;
            c2[c] = coefficients.at(data.at(at)).second;
        }
        for (auto* field : {&delta, &s1, &s2}) {
            for (int c = 0; c < ch; ++c, at += 2) {
                (*field)[c] = s16(data, at);
            }
        }
        out.insert(out.end(), s2.begin(), s2.end());
        out.insert(out.end(), s1.begin(), s1.end());
        for (int c = 0; at < block + blockAlign; ++at) {
            for (int nibble : {data[at] >> 4, data[at] & 0xF}) {
                const int predicted = (s1[c] * c1[c] + s2[c] * c2[c]) / 256;
                const int sample = std::clamp(
                    predicted + (nibble >= 8 ? nibble - 16 : nibble) * delta[c], -32768, 32767);
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
