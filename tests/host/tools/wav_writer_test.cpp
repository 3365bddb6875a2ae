#include "tools/assets/wav_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>

#include "tools/assets/asset_files.h"
#include "tools/assets/sounds.h"
#include "tests/host/tools/ms_adpcm_decoder.h"

using namespace test_files;

namespace {

struct Format {
    unsigned tag, channels;
    std::uint32_t rate, byteRate;
    unsigned blockAlign, bits;
};

Format readFormat(const Chunk& fmt) {
    return {u16(fmt.body, 0), u16(fmt.body, 2),  u32(fmt.body, 4),
            u32(fmt.body, 8), u16(fmt.body, 12), u16(fmt.body, 14)};
}

TEST(WavWriter, PcmFileHasFormatAndDataChunksWithPadding) {
    const Bytes file = assets::writePcmWav(8000, 1, 8, {0, 32767, -32768});
    const auto chunks = riffChunks(file);
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(file.size(), 12u + 8 + 16 + 8 + 3 + 1);  // odd data: one pad byte
    ASSERT_EQ(chunks[0].id, "fmt ");
    ASSERT_EQ(chunks[0].body.size(), 16u);
    const Format f = readFormat(chunks[0]);
    EXPECT_EQ(f.tag, 1u);
    EXPECT_EQ(f.channels, 1u);
    EXPECT_EQ(f.rate, 8000u);
    EXPECT_EQ(f.byteRate, 8000u);
    EXPECT_EQ(f.blockAlign, 1u);
    EXPECT_EQ(f.bits, 8u);
    ASSERT_EQ(chunks[1].id, "data");
    EXPECT_EQ(chunks[1].body, (Bytes{128, 255, 0}));  // 8-bit samples are unsigned
}

TEST(WavWriter, SixteenBitStereoKeepsSamplesExactly) {
    const Bytes file = assets::writePcmWav(22050, 2, 16, {1, -2, 300, -32768});
    const auto chunks = riffChunks(file);
    ASSERT_EQ(chunks.size(), 2u);
    const Format f = readFormat(chunks[0]);
    EXPECT_EQ(f.blockAlign, 4u);
    EXPECT_EQ(f.byteRate, 22050u * 4);
    EXPECT_EQ(chunks[1].body, (Bytes{1, 0, 0xFE, 0xFF, 0x2C, 0x01, 0x00, 0x80}));
}

const Bytes& generated(const std::string& path) {
    static const std::map<std::string, Bytes> files = [] {
        std::map<std::string, Bytes> byPath;
        for (auto& f : assets::assetFiles()) {
            byPath[f.path] = f.bytes;
        }
        return byPath;
    }();
    return files.at(path);
}

TEST(Sounds, PcmSoundsHaveTheirFormatsAndLengths) {
    const struct {
        const char* path;
        unsigned channels;
        std::uint32_t rate;
        unsigned bits;
        double seconds;
    } table[] = {{"sounds/139.wav", 1, 22050, 8, 0.52},
                 {"sounds/140.wav", 2, 22050, 16, 0.63},
                 {"sounds/142.wav", 1, 11025, 8, 2.1}};
    for (const auto& row : table) {
        SCOPED_TRACE(row.path);
        const auto chunks = riffChunks(generated(row.path));
        ASSERT_EQ(chunks.size(), 2u);
        const Format f = readFormat(*findChunk(chunks, "fmt "));
        EXPECT_EQ(f.tag, 1u);
        EXPECT_EQ(f.channels, row.channels);
        EXPECT_EQ(f.rate, row.rate);
        EXPECT_EQ(f.bits, row.bits);
        EXPECT_EQ(f.blockAlign, row.channels * row.bits / 8);
        EXPECT_EQ(f.byteRate, row.rate * f.blockAlign);
        const Chunk* data = findChunk(chunks, "data");
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->body.size() % f.blockAlign, 0u);
        const double seconds = static_cast<double>(data->body.size()) / f.byteRate;
        EXPECT_NEAR(seconds, row.seconds, 0.005);
    }
}

// Peak level of 8-bit or 16-bit PCM, as a share of full scale; and the level at the end.
struct Levels {
    double peak = 0;
    double last = 0;
};

Levels levels(const Bytes& data, unsigned bits) {
    Levels l;
    const std::size_t step = bits / 8;
    for (std::size_t i = 0; i + step <= data.size(); i += step) {
        const double v = bits == 8 ? (data[i] - 128) / 128.0 : s16(data, i) / 32768.0;
        l.peak = std::max(l.peak, std::fabs(v));
        l.last = std::fabs(v);
    }
    return l;
}

TEST(Sounds, AreAudibleAndEndInSilence) {
    for (const char* path : {"sounds/139.wav", "sounds/140.wav", "sounds/142.wav"}) {
        const auto chunks = riffChunks(generated(path));
        const Levels l =
            levels(findChunk(chunks, "data")->body, readFormat(*findChunk(chunks, "fmt ")).bits);
        EXPECT_GT(l.peak, 0.25) << path;
        EXPECT_LT(l.peak, 1.0) << path << ": no clipping at full scale";
        EXPECT_LT(l.last, 0.02) << path;
    }
}

TEST(Sounds, ClickIsMicrosoftAdpcmInOneBlock) {
    const auto chunks = riffChunks(generated("sounds/141.wav"));
    const Chunk* fmt = findChunk(chunks, "fmt ");
    ASSERT_NE(fmt, nullptr);
    ASSERT_EQ(fmt->body.size(), 50u);
    const Format f = readFormat(*fmt);
    EXPECT_EQ(f.tag, 2u);
    EXPECT_EQ(f.channels, 2u);
    EXPECT_EQ(f.rate, 22050u);
    EXPECT_EQ(f.blockAlign, 1024u);
    EXPECT_EQ(f.bits, 4u);
    EXPECT_EQ(f.byteRate, 22050u * 1024 / 1012);
    EXPECT_EQ(u16(fmt->body, 16), 32u);    // extension bytes
    EXPECT_EQ(u16(fmt->body, 18), 1012u);  // samples per block
    ASSERT_EQ(u16(fmt->body, 20), 7u);
    const int standard[7][2] = {{256, 0}, {512, -256}, {0, 0},     {192, 64},
                                {240, 0}, {460, -208}, {392, -232}};
    AdpcmFormat decoding{2, 1024, {}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(s16(fmt->body, 22 + 4 * i), standard[i][0]);
        EXPECT_EQ(s16(fmt->body, 24 + 4 * i), standard[i][1]);
        decoding.coefficients.push_back({s16(fmt->body, 22 + 4 * i), s16(fmt->body, 24 + 4 * i)});
    }
    const Chunk* fact = findChunk(chunks, "fact");
    ASSERT_NE(fact, nullptr);
    EXPECT_EQ(u32(fact->body, 0), 679u);
    const Chunk* data = findChunk(chunks, "data");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->body.size(), 1024u);  // one whole block: 679 samples, then silence
    const auto decoded = decodeMsAdpcm(data->body, decoding);
    EXPECT_EQ(decoded.size(), 2u * 1012);
    int loud = 0;
    for (std::int16_t s : decoded) {
        loud += std::abs(s) > 3000 ? 1 : 0;
    }
    EXPECT_GT(loud, 20) << "the click is audible";
}

}  // namespace
