// The generated images, icons and sounds, read back as the platform reads
// them: ball frames, icon files and WAVE files.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "tests/host/tools/file_fields.h"
#include "tests/host/tools/ms_adpcm_decoder.h"
#include "tools/assets/asset_files.h"
#include "tools/assets/sounds.h"

using namespace test_files;

namespace {

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

using Fields = std::vector<std::uint32_t>;

Bitmap frame(int id) {
    const Bytes& file = generated("images/" + std::to_string(id) + ".bmp");
    // An uncompressed 24-bit bitmap with its pixels right after the headers.
    EXPECT_EQ((Fields{file[0], file[1], u32(file, 2), u32(file, 10), u32(file, 14), u16(file, 26),
                      u16(file, 28), u32(file, 30)}),
              (Fields{'B', 'M', std::uint32_t(file.size()), 54, 40, 1, 24, 0}))
        << id;
    return readBitmap(file);
}

// Whether a pixel's centre lies on the disc that fills the picture.
bool onDisc(const Bitmap& b, int x, int y) {
    const double r = b.width / 2.0, dx = x + 0.5 - r, dy = y + 0.5 - r;
    return dx * dx + dy * dy <= r * r;
}

constexpr std::uint32_t kBlack = 0x000000, kRed = 0xFF0000, kWhite = 0xFFFFFF;

TEST(BallFrames, EveryFrameIsADiscOnItsKeyColour) {
    for (int id = 110; id <= 139; ++id) {
        const Bitmap b = frame(id);
        const int size = (id == 115 || id == 123) ? 15 : 14;
        EXPECT_EQ((Fields{std::uint32_t(b.width), std::uint32_t(b.height)}), (Fields(2, size)))
            << id;
        const std::uint32_t key = b.at(0, 0);
        // Classic: black; the forest set: its green; the others: white.
        if (id <= 117 || id >= 126) {
            EXPECT_EQ(key, id <= 117 ? kBlack : kWhite) << id;
        }
        for (int y = 0; y < b.height; ++y) {
            for (int x = 0; x < b.width; ++x) {
                const std::uint32_t p = b.at(x, y);
                const bool classicColour = id > 117 || !onDisc(b, x, y) || p == kRed || p == kWhite;
                EXPECT_TRUE(onDisc(b, x, y) == (p != key) && classicColour)
                    << id << " at " << x << "," << y;
            }
        }
    }
}

TEST(BallFrames, ClassicFramesTurnTheRedAndWhiteBall) {
    // Colours at the two ends of the middle row; the share of red on the
    // disc; whether each half has one colour (left half, right half).
    const struct {
        int id;
        std::uint32_t left, right;
        double minRed, maxRed;
        bool halves;
    } frames[] = {
        {110, kRed, kRed, 1, 1, true},           // all red
        {111, kRed, kWhite, 0.67, 0.99, false},  // a white crescent on the right
        {112, kRed, kWhite, 0.4, 0.6, true},     // left half red
        {113, kRed, kWhite, 0.01, 0.33, false},  // a red crescent on the left
        {114, kWhite, kWhite, 0, 0, true},       // all white
        {115, kWhite, kRed, 0.01, 0.33, false},  // a red crescent on the right
        {116, kWhite, kRed, 0.4, 0.6, true},     // right half red
        {117, kWhite, kRed, 0.67, 0.99, false},  // a white crescent on the left
    };
    for (const auto& f : frames) {
        const Bitmap b = frame(f.id);
        EXPECT_EQ(b.at(0, 7), f.left) << f.id;
        EXPECT_EQ(b.at(b.width - 1, 7), f.right) << f.id;
        int red = 0, disc = 0;
        for (int y = 0; y < b.height; ++y) {
            for (int x = 0; x < b.width; ++x) {
                if (onDisc(b, x, y)) {
                    ++disc;
                    red += b.at(x, y) == kRed ? 1 : 0;
                    if (f.halves) {
                        EXPECT_EQ(b.at(x, y), 2 * x < b.width ? f.left : f.right)
                            << f.id << " at " << x << "," << y;
                    }
                }
            }
        }
        EXPECT_GE(red, f.minRed * disc) << f.id;
        EXPECT_LE(red, f.maxRed * disc) << f.id;
    }
}

TEST(Icons, EachIconHoldsItsSizesWithAMaskOfItsTransparentPixels) {
    std::string sizes;
    for (int id : {102, 134, 135, 136, 137, 146, 148, 149}) {
        const Bytes& file = generated("icons/" + std::to_string(id) + ".ico");
        ASSERT_EQ(u16(file, 0) * 0x10000 + u16(file, 2), 1u) << id;  // an icon
        sizes += " " + std::to_string(id) + ":";
        std::uint32_t next = 6 + 16 * u16(file, 4);
        for (unsigned i = 0; i < u16(file, 4); ++i) {
            const std::size_t entry = 6 + 16 * i;
            const int w = file[entry];
            const std::uint32_t at = u32(file, entry + 12), maskRow = (w + 31) / 32 * 4;
            sizes += " " + std::to_string(w) + (file[entry + 1] == w ? "" : "!");
            // Directory, image header (twice the height: colours and mask)
            // and data follow each other.
            EXPECT_EQ(at, next) << id;
            EXPECT_EQ(u32(file, entry + 8), 40 + w * w * 4 + maskRow * w) << id;
            EXPECT_EQ(
                (Fields{u32(file, at), u32(file, at + 4), u32(file, at + 8), u16(file, at + 14)}),
                (Fields{40, std::uint32_t(w), std::uint32_t(2 * w), 32}))
                << id;
            next = at + u32(file, entry + 8);
            int opaque = 0;
            for (int p = 0; p < w * w; ++p) {
                const int alpha = file.at(at + 40 + 4 * p + 3);
                const int maskBit =
                    file.at(at + 40 + w * w * 4 + (p / w) * maskRow + (p % w) / 8) >> (7 - p % 8) &
                    1;
                EXPECT_EQ(maskBit, alpha == 0 ? 1 : 0) << id << " pixel " << p;
                opaque += alpha == 255 ? 1 : 0;
            }
            // Something is drawn; only the program icon fills its square.
            EXPECT_GT(opaque, w * w / 5) << id;
            EXPECT_EQ(opaque == w * w, id == 102) << id;
        }
        EXPECT_EQ(next, file.size()) << id;
    }
    EXPECT_EQ(sizes, " 102: 16 32 48 134: 16 135: 16 136: 16 137: 16 146: 32 148: 16 149: 16");
}

TEST(Sounds, HaveTheirFormatsRatesChannelsAndLengths) {
    const struct {
        int id;
        const char* format;  // tag channels rate byte-rate block-align bits
        double seconds;
    } sounds[] = {{139, "1 1 22050 22050 1 8", 0.52},
                  {140, "1 2 22050 88200 4 16", 0.63},
                  {141, "2 2 22050 22311 1024 4", 0.03},
                  {142, "1 1 11025 11025 1 8", 2.1}};
    for (const auto& s : sounds) {
        auto chunks = riffChunks(generated("sounds/" + std::to_string(s.id) + ".wav"));
        const Bytes& fmt = chunks["fmt "];
        ASSERT_GE(fmt.size(), 16u) << s.id;
        std::string format;
        for (std::uint32_t v :
             {u16(fmt, 0), u16(fmt, 2), u32(fmt, 4), u32(fmt, 8), u16(fmt, 12), u16(fmt, 14)}) {
            format += (format.empty() ? "" : " ") + std::to_string(v);
        }
        EXPECT_EQ(format, s.format) << s.id;
        const Bytes& data = chunks["data"];
        if (s.id == 141) {
            EXPECT_EQ(data.size(), 1024u);  // one whole block
            EXPECT_NEAR(u32(chunks["fact"], 0) / 22050.0, s.seconds, 0.005);
            continue;
        }
        EXPECT_EQ(chunks.size(), 2u) << s.id;
        EXPECT_NEAR(static_cast<double>(data.size()) / u32(fmt, 8), s.seconds, 0.005) << s.id;
        // Audible without clipping, and ending in silence (8-bit samples
        // are unsigned around 128).
        double peak = 0, last = 0;
        const unsigned step = u16(fmt, 14) / 8;
        for (std::size_t i = 0; i + step <= data.size(); i += step) {
            last = std::fabs(step == 1 ? (data[i] - 128) / 128.0 : s16(data, i) / 32768.0);
            peak = std::max(peak, last);
        }
        EXPECT_GT(peak, 0.25) << s.id;
        EXPECT_LT(peak, 1.0) << s.id;
        EXPECT_LT(last, 0.02) << s.id;
    }
}

TEST(Sounds, TheClickIsMicrosoftAdpcmThatDecodesToTheClick) {
    auto chunks = riffChunks(generated("sounds/141.wav"));
    const Bytes& fmt = chunks["fmt "];
    ASSERT_EQ(fmt.size(), 50u);
    EXPECT_EQ(u16(fmt, 16), 32u);    // extension bytes
    EXPECT_EQ(u16(fmt, 18), 1012u);  // samples per block
    ASSERT_EQ(u16(fmt, 20), 7u);
    std::vector<std::pair<int, int>> coefficients;
    for (int i = 0; i < 7; ++i) {
        coefficients.push_back({s16(fmt, 22 + 4 * i), s16(fmt, 24 + 4 * i)});
    }
    EXPECT_EQ(coefficients,
              (std::vector<std::pair<int, int>>{
                  {256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}}));
    EXPECT_EQ(u32(chunks["fact"], 0), 679u);

    const std::vector<std::int16_t> decoded = decodeMsAdpcm(chunks["data"], 2, 1024, coefficients);
    ASSERT_EQ(decoded.size(), 2u * 1012);
    const std::vector<std::int16_t>& click = assets::clickSound().samples;
    ASSERT_EQ(click.size(), 2u * 679);
    for (int channel = 0; channel < 2; ++channel) {
        double signal = 0, noise = 0;
        for (std::size_t i = channel; i < click.size(); i += 2) {
            signal += double(click[i]) * click[i];
            noise += (double(click[i]) - decoded[i]) * (double(click[i]) - decoded[i]);
        }
        EXPECT_GT(10 * std::log10(signal / std::max(noise, 1.0)), 15.0) << "channel " << channel;
    }
    // The block is filled up with silence after the click.
    for (std::size_t i = click.size(); i < decoded.size(); ++i) {
        ASSERT_LE(std::abs(decoded[i]), 64) << i;
    }
}

}  // namespace
