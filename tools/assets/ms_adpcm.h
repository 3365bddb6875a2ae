// Microsoft ADPCM (WAVE format tag 2) encoder: 4 bits per sample, blocks
// that each start with the predictor, the step and two whole samples per
// channel, so every block decodes on its own.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assets/byte_writer.h"

namespace assets {

// The seven standard predictor coefficient pairs every decoder knows.
constexpr int kMsAdpcmCoefficientCount = 7;
constexpr int kMsAdpcmCoefficients[kMsAdpcmCoefficientCount][2] = {
    {256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}};

// Step scale factors (/256) by the last 4-bit code.
constexpr int kMsAdpcmAdaptation[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                        768, 614, 512, 409, 307, 230, 230, 230};

constexpr int kMsAdpcmMinimumStep = 16;

// Bytes of one block's header per channel: predictor 1, step 2, two samples 4.
constexpr int kMsAdpcmHeaderBytesPerChannel = 7;

// Samples per channel that a full block of blockAlign bytes holds.
int msAdpcmSamplesPerBlock(int blockAlign, int channels);

// Encodes interleaved 16-bit samples into whole blocks; the last block is
// completed with silence.
Bytes encodeMsAdpcm(const std::vector<std::int16_t>& interleaved, int channels, int blockAlign);

}  // namespace assets
