// Writes RIFF WAVE files: plain PCM (8-bit unsigned or 16-bit signed) and
// Microsoft ADPCM with the standard coefficient table in its format chunk.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assets/byte_writer.h"

namespace assets {

constexpr int kWaveFormatPcm = 1;
constexpr int kWaveFormatMsAdpcm = 2;

// Interleaved 16-bit samples; 8-bit files keep the upper byte, rounded.
Bytes writePcmWav(int rate, int channels, int bitsPerSample,
                  const std::vector<std::int16_t>& interleaved);

Bytes writeMsAdpcmWav(int rate, int channels, int blockAlign,
                      const std::vector<std::int16_t>& interleaved);

}  // namespace assets
