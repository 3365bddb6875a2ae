// The committed images, icons and sounds are exactly what the generator
// writes today; read back as the platform reads them, the ball frames are
// discs on their key colour and the click decodes to the click.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/host/tools/ms_adpcm_decoder.h"
#include "tools/assets/asset_files.h"
#include "tools/assets/ball_frames.h"
#include "tools/assets/sounds.h"

using namespace test_files;

static Bytes committed(const std::string& path) {
    return Bytes(std::istreambuf_iterator<char>(
                     std::ifstream(ZEMBAL_RESOURCES_DIR "/" + path, std::ios::binary).rdbuf()),
                 {});
}

// Change the generator, then run it into resources/ (the target update-assets).
TEST(Resources, AreCommittedAsTheGeneratorWritesThem) {
    for (const assets::AssetFile& file : assets::assetFiles()) {
        EXPECT_TRUE(committed(file.path) == file.bytes) << file.path << " is not as generated";
    }
}

// The frames read as 24-bit bitmaps of bottom-up rows.
TEST(BallFrames, AreDiscsOnTheKeyColourOfTheirCorner) {
    for (const assets::BallFrame& frame : assets::ballFrames()) {
        const Bytes file = committed("images/" + std::to_string(frame.id) + ".bmp");
        const int w = u32(file, 18), h = u32(file, 22), row = (3 * w + 3) / 4 * 4;
        const std::size_t corner = u32(file, 10) + (h - 1) * row;  // the top-left pixel
        const auto pixel = [&](std::size_t at) { return u16(file, at) | file.at(at + 2) << 16; };
        for (int p = 0; p < w * h; ++p) {
            const double r = w / 2.0, dx = p % w + 0.5 - r, dy = p / w + 0.5 - r;
            EXPECT_EQ(pixel(corner - p / w * row + 3 * (p % w)) != pixel(corner),
                      dx * dx + dy * dy <= r * r)
                << frame.id << " pixel " << p;
        }
    }
}

TEST(Sounds, TheClickIsMicrosoftAdpcmThatDecodesToTheClick) {
    auto chunks = riffChunks(committed("sounds/141.wav"));
    const Bytes& fmt = chunks["fmt "];
    const assets::Sound click = assets::clickSound();
    ASSERT_EQ(u16(fmt, 0), 2u);
    EXPECT_EQ(u32(chunks["fact"], 0), static_cast<std::uint32_t>(click.frames()));
    std::vector<std::pair<int, int>> coefficients;
    for (unsigned i = 0; i < u16(fmt, 20); ++i) {
        coefficients.push_back({s16(fmt, 22 + 4 * i), s16(fmt, 24 + 4 * i)});
    }
    const auto decoded = decodeMsAdpcm(chunks["data"], u16(fmt, 2), u16(fmt, 12), coefficients);
    ASSERT_GE(decoded.size(), click.samples.size());
    // Each channel 15 dB above the noise, silence filling up the block.
    double signal[2] = {}, noise[2] = {};
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const double sample = i < click.samples.size() ? click.samples[i] : 0;
        signal[i % 2] += sample * sample;
        noise[i % 2] += (sample - decoded[i]) * (sample - decoded[i]);
    }
    EXPECT_GT(std::min(signal[0] / noise[0], signal[1] / noise[1]), 31.6);  // 15 dB
}
