#include "tools/assets/ball_frames.h"

#include <gtest/gtest.h>

#include <map>

#include "tools/assets/bmp_writer.h"
#include "tests/host/tools/file_fields.h"

using namespace test_files;

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// The frames as the program loads them: through their bitmap files.
const std::map<int, Bitmap>& frameFiles() {
    static const std::map<int, Bitmap> files = [] {
        std::map<int, Bitmap> byId;
        for (const assets::BallFrame& frame : assets::ballFrames()) {
            byId[frame.id] = readBitmap(assets::writeBmp(frame.image));
        }
        return byId;
    }();
    return files;
}

const Bitmap& frame(int id) {
    return frameFiles().at(id);
}

// Whether a pixel's centre lies on the disc that fills the picture.
bool onDisc(const Bitmap& b, int x, int y) {
    const double r = b.width / 2.0;
    const double dx = x + 0.5 - r;
    const double dy = y + 0.5 - r;
    return dx * dx + dy * dy <= r * r;
}

TEST(BallFrames, ThereIsOneFrameForEveryBitmapIdWithTheGivenSizes) {
    ASSERT_EQ(frameFiles().size(), 30u);
    for (int id = 110; id <= 139; ++id) {
        ASSERT_EQ(frameFiles().count(id), 1u) << id;
        const int size = (id == 115 || id == 123) ? 15 : 14;
        EXPECT_EQ(frame(id).width, size) << id;
        EXPECT_EQ(frame(id).height, size) << id;
    }
}

TEST(ClassicFrames, AreADiscOnBlackWithBlackAtTheKeyPixel) {
    for (int id = 110; id <= 117; ++id) {
        const Bitmap& b = frame(id);
        EXPECT_EQ(b.at(0, 0), kBlack) << id;
        for (int y = 0; y < b.height; ++y) {
            for (int x = 0; x < b.width; ++x) {
                const Rgb p = b.at(x, y);
                if (onDisc(b, x, y)) {
                    EXPECT_TRUE(p == kRed || p == kWhite) << id << " at " << x << "," << y;
                } else {
                    EXPECT_EQ(p, kBlack) << id << " at " << x << "," << y;
                }
            }
        }
    }
}

// Counts of red and white pixels on the disc: the two halves.
struct Halves {
    int red = 0;
    int white = 0;
};

Halves countHalves(const Bitmap& b, int fromX, int toX) {
    Halves h;
    for (int y = 0; y < b.height; ++y) {
        for (int x = fromX; x < toX; ++x) {
            if (onDisc(b, x, y)) {
                (b.at(x, y) == kRed ? h.red : h.white) += 1;
            }
        }
    }
    return h;
}

TEST(ClassicFrames, WholeAndHalfTurnsShowTheExpectedHalves) {
    // 110 all red, 114 all white; 112 red on the left, 116 red on the right.
    EXPECT_EQ(countHalves(frame(110), 0, 14).white, 0);
    EXPECT_EQ(countHalves(frame(114), 0, 14).red, 0);
    EXPECT_EQ(countHalves(frame(112), 0, 7).white, 0);
    EXPECT_EQ(countHalves(frame(112), 7, 14).red, 0);
    EXPECT_EQ(countHalves(frame(116), 0, 7).red, 0);
    EXPECT_EQ(countHalves(frame(116), 7, 14).white, 0);
    EXPECT_GT(countHalves(frame(110), 0, 14).red, 140);  // a full disc of radius 7
}

TEST(ClassicFrames, CrescentsSitOnTheirSides) {
    const struct {
        int id;
        int x;
        int y;
        Rgb colour;
    } points[] = {
        // 111: red with a white crescent on the right
        {111, 7, 7, kRed},
        {111, 1, 7, kRed},
        {111, 13, 7, kWhite},
        // 113: a red crescent on the left of a white disc
        {113, 0, 7, kRed},
        {113, 7, 7, kWhite},
        {113, 12, 7, kWhite},
        // 115 (15 x 15): a red crescent on the right of a white disc
        {115, 14, 7, kRed},
        {115, 7, 7, kWhite},
        {115, 1, 7, kWhite},
        // 117: a white crescent on the left of a red disc
        {117, 0, 7, kWhite},
        {117, 7, 7, kRed},
        {117, 13, 7, kRed},
    };
    for (const auto& p : points) {
        EXPECT_EQ(frame(p.id).at(p.x, p.y), p.colour) << p.id << " at " << p.x << "," << p.y;
    }
    // The crescents are thin: most of the disc has the main colour.
    EXPECT_GT(countHalves(frame(111), 0, 14).red, countHalves(frame(111), 0, 14).white * 2);
    EXPECT_GT(countHalves(frame(113), 0, 14).white, countHalves(frame(113), 0, 14).red * 2);
    EXPECT_GT(countHalves(frame(115), 0, 15).white, countHalves(frame(115), 0, 15).red * 2);
    EXPECT_GT(countHalves(frame(117), 0, 14).red, countHalves(frame(117), 0, 14).white * 2);
}

struct ThemeSet {
    int first;
    int count;
};

const ThemeSet kThemeSets[] = {{118, 8}, {126, 3}, {129, 4}, {133, 3}, {136, 1}, {137, 3}};

TEST(ThemeFrames, KeyColourIsTheBackgroundAndNeverOnTheBall) {
    for (const ThemeSet& set : kThemeSets) {
        for (int id = set.first; id < set.first + set.count; ++id) {
            const Bitmap& b = frame(id);
            const Rgb key = b.at(0, 0);
            if (set.first == 118) {
                EXPECT_TRUE(key.g > key.r && key.g > key.b) << id << ": green background";
            } else {
                EXPECT_EQ(key, kWhite) << id;
            }
            for (int y = 0; y < b.height; ++y) {
                for (int x = 0; x < b.width; ++x) {
                    EXPECT_EQ(onDisc(b, x, y), !(b.at(x, y) == key))
                        << id << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(ThemeFrames, ForestBallIsBlackAndWhite) {
    for (int id = 118; id <= 125; ++id) {
        const Bitmap& b = frame(id);
        int dark = 0;
        int light = 0;
        for (int y = 0; y < b.height; ++y) {
            for (int x = 0; x < b.width; ++x) {
                if (onDisc(b, x, y)) {
                    const Rgb p = b.at(x, y);
                    EXPECT_LE(std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}), 12)
                        << id << ": grey, not coloured, at " << x << "," << y;
                    (p.r < 100 ? dark : light) += 1;
                }
            }
        }
        EXPECT_GT(dark, 10) << id;
        EXPECT_GT(light, 40) << id;
    }
}

TEST(ThemeFrames, EveryFrameOfASetDiffersSoTheBallTurns) {
    for (const ThemeSet& set : kThemeSets) {
        for (int id = set.first + 1; id < set.first + set.count; ++id) {
            const Bitmap& a = frame(id - 1);
            const Bitmap& b = frame(id);
            if (a.width == b.width) {
                EXPECT_NE(a.pixels, b.pixels) << id - 1 << " and " << id;
            }
        }
    }
}

}  // namespace
