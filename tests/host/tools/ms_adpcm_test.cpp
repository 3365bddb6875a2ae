#include "tools/assets/ms_adpcm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "tools/assets/sounds.h"
#include "tests/host/tools/ms_adpcm_decoder.h"

using namespace test_files;

namespace {

AdpcmFormat standardFormat(int channels, int blockAlign) {
    return {channels,
            blockAlign,
            {{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}}};
}

// Two different tones and a sweep, interleaved by channel.
std::vector<std::int16_t> testSignal(int frames, int channels) {
    std::vector<std::int16_t> out;
    const double pi = 3.14159265358979;
    for (int i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            const double t = i / 22050.0;
            const double f = c == 0 ? 440.0 : 200.0 + 3000.0 * i / frames;
            out.push_back(static_cast<std::int16_t>(12000 * std::sin(2 * pi * f * t) +
                                                    3000 * std::sin(2 * pi * 1375.0 * t)));
        }
    }
    return out;
}

// Signal-to-noise ratio in decibels of one channel of a decoded sound.
double snrDecibels(const std::vector<std::int16_t>& source,
                   const std::vector<std::int16_t>& decoded, int channels, int channel) {
    double signal = 0;
    double noise = 0;
    for (std::size_t i = static_cast<std::size_t>(channel); i < source.size();
         i += static_cast<std::size_t>(channels)) {
        signal += static_cast<double>(source[i]) * source[i];
        const double e = static_cast<double>(source[i]) - decoded.at(i);
        noise += e * e;
    }
    return 10 * std::log10(signal / std::max(noise, 1.0));
}

TEST(MsAdpcm, SamplesPerBlockFollowFromTheBlockSize) {
    EXPECT_EQ(assets::msAdpcmSamplesPerBlock(1024, 2), 1012);
    EXPECT_EQ(assets::msAdpcmSamplesPerBlock(1024, 1), 2036);
    EXPECT_EQ(assets::msAdpcmSamplesPerBlock(256, 1), 500);
}

TEST(MsAdpcm, TheLastBlockIsFilledUpSoEveryBlockIsWhole) {
    // The platform's decoder converts whole blocks only.
    const int frames = 3000;  // two full stereo blocks of 1012 and 976 more
    const auto data = assets::encodeMsAdpcm(testSignal(frames, 2), 2, 1024);
    EXPECT_EQ(data.size(), 3 * 1024u);
    EXPECT_EQ(assets::encodeMsAdpcm(testSignal(101, 1), 1, 256).size(), 256u);
    EXPECT_EQ(assets::encodeMsAdpcm(testSignal(500, 1), 1, 256).size(), 256u);
    EXPECT_EQ(assets::encodeMsAdpcm(testSignal(501, 1), 1, 256).size(), 512u);
}

TEST(MsAdpcm, EveryBlockHeaderIsValid) {
    const auto data = assets::encodeMsAdpcm(testSignal(3000, 2), 2, 1024);
    for (std::size_t block = 0; block < data.size(); block += 1024) {
        for (int c = 0; c < 2; ++c) {
            EXPECT_LT(data[block + c], 7) << "predictor index";
            EXPECT_GE(s16(data, block + 2 + 2 * c), 16) << "starting step";
        }
    }
}

// Decodes and keeps the first frames, dropping the silence that fills the last block.
std::vector<std::int16_t> decodeFirst(const Bytes& data, int channels, int blockAlign,
                                      std::size_t frames,
                                      std::vector<std::int16_t>* rest = nullptr) {
    auto decoded = decodeMsAdpcm(data, standardFormat(channels, blockAlign));
    const std::size_t keep = frames * static_cast<std::size_t>(channels);
    if (rest != nullptr) {
        rest->assign(decoded.begin() + static_cast<std::ptrdiff_t>(std::min(keep, decoded.size())),
                     decoded.end());
    }
    decoded.resize(std::min(keep, decoded.size()));
    return decoded;
}

TEST(MsAdpcm, DecodedStereoTracksTheSourceClosely) {
    const auto source = testSignal(3000, 2);
    std::vector<std::int16_t> rest;
    const auto decoded = decodeFirst(assets::encodeMsAdpcm(source, 2, 1024), 2, 1024, 3000, &rest);
    ASSERT_EQ(decoded.size(), source.size());
    EXPECT_EQ(rest.size(), 2u * (3 * 1012 - 3000));
    // The header samples are stored whole.
    EXPECT_EQ(decoded[0], source[0]);
    EXPECT_EQ(decoded[1], source[1]);
    EXPECT_EQ(decoded[2024], source[2024]);  // first sample of the second block
    EXPECT_GT(snrDecibels(source, decoded, 2, 0), 20.0);
    EXPECT_GT(snrDecibels(source, decoded, 2, 1), 20.0);
}

TEST(MsAdpcm, DecodedMonoTracksTheSourceClosely) {
    const auto source = testSignal(101, 1);
    const auto decoded = decodeFirst(assets::encodeMsAdpcm(source, 1, 256), 1, 256, 101);
    ASSERT_EQ(decoded.size(), 101u);
    EXPECT_GT(snrDecibels(source, decoded, 1, 0), 15.0);
}

TEST(MsAdpcm, ClickSoundSurvivesEncodingAndIsFollowedBySilence) {
    const assets::Sound click = assets::clickSound();
    std::vector<std::int16_t> rest;
    const auto decoded = decodeFirst(assets::encodeMsAdpcm(click.samples, 2, 1024), 2, 1024,
                                     static_cast<std::size_t>(click.frames()), &rest);
    ASSERT_EQ(decoded.size(), click.samples.size());
    EXPECT_GT(snrDecibels(click.samples, decoded, 2, 0), 15.0);
    EXPECT_GT(snrDecibels(click.samples, decoded, 2, 1), 15.0);
    ASSERT_EQ(rest.size(), 2u * (1012 - 679));
    for (std::int16_t s : rest) {
        ASSERT_LE(std::abs(s), 64) << "the filled-up end of the block is silent";
    }
}

}  // namespace
