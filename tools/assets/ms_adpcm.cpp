#include "tools/assets/ms_adpcm.h"

#include <algorithm>
#include <limits>

namespace assets {

namespace {

// The state a decoder keeps for one channel between samples.
struct ChannelState {
    int coefficient1 = 0;
    int coefficient2 = 0;
    int step = kMsAdpcmMinimumStep;
    int sample1 = 0;  // the newer of the two previous samples
    int sample2 = 0;
};

int clampSample(int value) {
    return std::clamp(value, -32768, 32767);
}

// Division, not a shift: the platform's decoder rounds the prediction toward zero.
int predict(const ChannelState& s) {
    return (s.sample1 * s.coefficient1 + s.sample2 * s.coefficient2) / 256;
}

// Chooses the 4-bit code for one sample and advances the state exactly as a
// decoder will, so the encoder never drifts from what is heard.
int encodeSample(ChannelState& s, int sample) {
    const int prediction = predict(s);
    const int error = sample - prediction;
    const int rounded =
        error >= 0 ? (error + s.step / 2) / s.step : -((-error + s.step / 2) / s.step);
    const int code = std::clamp(rounded, -8, 7);
    const int decoded = clampSample(prediction + code * s.step);
    s.sample2 = s.sample1;
    s.sample1 = decoded;
    s.step = std::max(kMsAdpcmMinimumStep, (kMsAdpcmAdaptation[code & 0xF] * s.step) >> 8);
    return code & 0xF;
}

struct ChannelChoice {
    int predictor = 0;
    int step = kMsAdpcmMinimumStep;
};

// Tries every predictor with a range of starting steps on the block and
// keeps the pair with the least squared error.
ChannelChoice chooseForChannel(const std::vector<int>& samples) {
    static constexpr int kStartSteps[] = {16, 32, 64, 128, 256, 512, 1024, 2048, 4096};
    ChannelChoice best;
    auto bestError = std::numeric_limits<std::int64_t>::max();
    for (int p = 0; p < kMsAdpcmCoefficientCount; ++p) {
        for (int start : kStartSteps) {
            ChannelState s{kMsAdpcmCoefficients[p][0], kMsAdpcmCoefficients[p][1], start,
                           samples[1], samples[0]};
            std::int64_t total = 0;
            for (std::size_t i = 2; i < samples.size() && total < bestError; ++i) {
                encodeSample(s, samples[i]);
                const std::int64_t diff = samples[i] - s.sample1;
                total += diff * diff;
            }
            if (total < bestError) {
                bestError = total;
                best = {p, start};
            }
        }
    }
    return best;
}

void encodeBlock(Bytes& out, const std::vector<std::int16_t>& interleaved, int channels,
                 std::size_t firstFrame, std::size_t frameCount, std::size_t blockFrames) {
    // The platform's decoder converts whole blocks only, so a short last
    // block is filled up with silence (the fact chunk gives the true length).
    std::vector<std::vector<int>> samples(static_cast<std::size_t>(channels));
    for (int c = 0; c < channels; ++c) {
        for (std::size_t i = 0; i < blockFrames; ++i) {
            samples[c].push_back(i < frameCount ? interleaved[(firstFrame + i) * channels + c] : 0);
        }
    }

    std::vector<ChannelState> states;
    for (int c = 0; c < channels; ++c) {
        const ChannelChoice choice = chooseForChannel(samples[c]);
        states.push_back({kMsAdpcmCoefficients[choice.predictor][0],
                          kMsAdpcmCoefficients[choice.predictor][1], choice.step, samples[c][1],
                          samples[c][0]});
        putU8(out, static_cast<unsigned>(choice.predictor));
    }
    for (const ChannelState& s : states) {
        putS16(out, s.step);
    }
    for (const ChannelState& s : states) {
        putS16(out, s.sample1);
    }
    for (const ChannelState& s : states) {
        putS16(out, s.sample2);
    }

    bool highNibble = true;
    for (std::size_t i = 2; i < blockFrames; ++i) {
        for (int c = 0; c < channels; ++c) {
            const int code = encodeSample(states[c], samples[c][i]);
            if (highNibble) {
                out.push_back(static_cast<std::uint8_t>(code << 4));
            } else {
                out.back() = static_cast<std::uint8_t>(out.back() | code);
            }
            highNibble = !highNibble;
        }
    }
}

}  // namespace

int msAdpcmSamplesPerBlock(int blockAlign, int channels) {
    return (blockAlign - kMsAdpcmHeaderBytesPerChannel * channels) * 2 / channels + 2;
}

Bytes encodeMsAdpcm(const std::vector<std::int16_t>& interleaved, int channels, int blockAlign) {
    Bytes out;
    const std::size_t frames = interleaved.size() / static_cast<std::size_t>(channels);
    const auto perBlock = static_cast<std::size_t>(msAdpcmSamplesPerBlock(blockAlign, channels));
    for (std::size_t first = 0; first < frames; first += perBlock) {
        encodeBlock(out, interleaved, channels, first, std::min(perBlock, frames - first),
                    perBlock);
    }
    return out;
}

}  // namespace assets
