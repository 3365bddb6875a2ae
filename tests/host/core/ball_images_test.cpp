// The ball frames the platform-free code draws are the generator's images,
// read back from the bytes the build puts into the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/ball_images.h"
#include "core/bmp_reader.h"
#include "core/themes.h"
#include "tools/assets/ball_frames.h"
#include "tools/assets/bmp_writer.h"

namespace {

uint32_t pixelOf(const assets::Colour& c) {
    return static_cast<uint32_t>(c.r) << 16 | c.g << 8 | c.b;
}

TEST(BallImages, AreTheGeneratorsFramesWithTheCornerColourSeeThrough) {
    const std::vector<assets::BallFrame> generated = assets::ballFrames();
    ASSERT_EQ(static_cast<int>(generated.size()), kBallImageCount);
    for (int i = 0; i < kBallImageCount; ++i) {
        const assets::Image& expected = generated[i].image;
        const BallImage* image = ballImage(i);
        ASSERT_NE(image, nullptr) << i;
        ASSERT_EQ(image->width, expected.width()) << i;
        ASSERT_EQ(image->height, expected.height()) << i;
        const uint32_t key = pixelOf(expected.at(0, 0));
        for (int p = 0; p < image->width * image->height; ++p) {
            const uint32_t colour = pixelOf(expected.at(p % image->width, p / image->width));
            EXPECT_EQ(image->kept[p], colour == key ? 0xFFFFFFFFu : 0u) << i << " " << p;
            EXPECT_EQ(image->added[p], colour == key ? 0u : colour) << i << " " << p;
        }
    }
    EXPECT_EQ(ballImage(-1), nullptr);
    EXPECT_EQ(ballImage(kBallImageCount), nullptr);
}

// Any theme index outside the list draws Classic, with the colours it
// always had: field, wall, first and second bar.
TEST(Themes, FallBackToClassic) {
    for (int outside : {-1, kThemeCount, 99}) {
        EXPECT_EQ(&themeAt(outside), &themeAt(0)) << outside;
    }
    const FieldColours& c = themeAt(0).colours;
    EXPECT_EQ((std::vector<uint32_t>{c.field, c.wall, c.firstBar, c.secondBar}),
              (std::vector<uint32_t>{0xC0C0C0, 0x000000, 0xFF0000, 0x0000FF}));
}

// The relative luminance of the mean of colours 0xRRGGBB.
double luminance(const std::vector<uint32_t>& colours) {
    const double weights[3] = {0.2126, 0.7152, 0.0722};
    double y = 0;
    for (int i = 0; i < 3; ++i) {
        double c = 0;
        for (const uint32_t colour : colours) {
            c += (colour >> (16 - 8 * i) & 0xFF) / 255.0 / colours.size();
        }
        y += weights[i] * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return y;
}

// Every ball (the mean of the pixels its frames show) and every growing bar
// stands out from its theme's field with a contrast ratio of at least 3:1,
// as for non-text contrast on screens. Classic keeps its old look.
TEST(Themes, BallsAndGrowingBarsStandOutFromTheField) {
    const auto contrast = [](double a, double b) {
        return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    };
    for (int theme = 1; theme < kThemeCount; ++theme) {
        const Theme& t = themeAt(theme);
        const double field = luminance({t.colours.field});
        for (int i = t.firstFrame; i < t.firstFrame + t.frameCount; ++i) {
            std::vector<uint32_t> shown;
            for (size_t p = 0; p < ballImage(i)->kept.size(); ++p) {
                if (ballImage(i)->kept[p] == 0) {
                    shown.push_back(ballImage(i)->added[p]);
                }
            }
            EXPECT_GE(contrast(luminance(shown), field), 3.0) << theme << " frame " << i;
        }
        for (const uint32_t bar : {t.colours.firstBar, t.colours.secondBar}) {
            EXPECT_GE(contrast(luminance({bar}), field), 3.0) << theme;
        }
    }
}

// A 3 x 2 picture as the generator writes it (rows padded to 4 bytes).
std::vector<uint8_t> smallBitmap() {
    assets::Image image(3, 2);
    for (int p = 0; p < 6; ++p) {
        image.set(p % 3, p / 3, assets::rgb(10 * p, 100 + p, 200 - p));
    }
    return assets::writeBmp(image);
}

TEST(BmpReader, ReadsRowsBottomUpOrTopDownAndRefusesAnythingElse) {
    const std::vector<uint32_t> picture = {0x0064C8, 0x0A65C7, 0x1466C6,
                                           0x1E67C5, 0x2868C4, 0x3269C3};
    const std::vector<uint32_t> flipped = {0x1E67C5, 0x2868C4, 0x3269C3,
                                           0x0064C8, 0x0A65C7, 0x1466C6};
    using Change = std::function<void(std::vector<uint8_t>&)>;
    const auto put = [](size_t at, uint8_t value) {
        return Change([=](std::vector<uint8_t>& b) { b[at] = value; });
    };
    const std::tuple<const char*, Change, bool, std::vector<uint32_t>> cases[] = {
        {"as written", [](std::vector<uint8_t>&) {}, true, picture},
        {"height negative: top down",
         [](std::vector<uint8_t>& b) { b[22] = 0xFE, b[23] = b[24] = b[25] = 0xFF; }, true,
         flipped},
        {"not BM", put(0, 'X'), false, {}},
        {"8 bits per pixel", put(28, 8), false, {}},
        {"compressed", put(30, 1), false, {}},
        {"two planes", put(26, 2), false, {}},
        {"width 0", put(18, 0), false, {}},
        {"height 0", put(22, 0), false, {}},
        {"wider than any frame", put(19, 0x20), false, {}},
        {"last row cut short", [](std::vector<uint8_t>& b) { b.pop_back(); }, false, {}},
        {"pixels past the end", put(10, 0xFF), false, {}},
        {"headers cut short", [](std::vector<uint8_t>& b) { b.resize(40); }, false, {}},
    };
    for (const auto& [name, change, ok, pixels] : cases) {
        std::vector<uint8_t> bytes = smallBitmap();
        change(bytes);
        BitmapImage image;
        EXPECT_EQ(readBmp(bytes.data(), bytes.size(), image), ok) << name;
        EXPECT_EQ(image.pixels, pixels) << name;
        EXPECT_EQ(image.width, ok ? 3 : 0) << name;
        EXPECT_EQ(image.height, ok ? 2 : 0) << name;
    }
}

}  // namespace
