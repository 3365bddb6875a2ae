// Ball frames drawn through their masks, and the themes' frames, colours
// and brushes.
#include <gtest/gtest.h>

#include "presentation/game.h"
#include "presentation/sprite.h"

namespace {

// A small bitmap painted pixel by pixel from a row-major list of colours.
HBITMAP paintBitmap(int width, int height, const COLORREF* pixels) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HDC context = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(context, bitmap);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            SetPixel(context, x, y, pixels[y * width + x]);
        }
    }
    SelectObject(context, previous);
    DeleteDC(context);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// A memory target of one colour to draw sprites on.
class Target {
  public:
    Target(int width, int height, COLORREF colour) {
        HDC screen = GetDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        context = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(context, bitmap_);
        RECT all = {0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(context, &all, brush);
        DeleteObject(brush);
    }
    ~Target() {
        SelectObject(context, previous_);
        DeleteObject(bitmap_);
        DeleteDC(context);
    }
    COLORREF at(int x, int y) const { return GetPixel(context, x, y); }
    HDC context;

  private:
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST(SpriteTest, TheColourOfPixelZeroZeroBecomesTransparent) {
    // Green around and inside; red, white and black pixels of the ball.
    const COLORREF pixels[16] = {
        kGreen, kGreen, kGreen, kGreen,  //
        kGreen, kRed,   kWhite, kGreen,  //
        kGreen, kBlack, kGreen, kGreen,  //
        kGreen, kGreen, kGreen, kRed,
    };
    HBITMAP bitmap = paintBitmap(4, 4, pixels);
    Sprite sprite;
    ASSERT_TRUE(sprite.useBitmap(bitmap));
    Target target(8, 8, kBlue);
    // Centred on (4, 4): the top-left corner lands on (2, 2).
    ASSERT_TRUE(sprite.drawCentred(target.context, 4, 4));
    EXPECT_NE(sprite.mask, nullptr);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            COLORREF expected = pixels[y * 4 + x] == kGreen ? kBlue : pixels[y * 4 + x];
            EXPECT_EQ(target.at(2 + x, 2 + y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(target.at(1, 1), kBlue);
    // The mask is built once; a second drawing gives the same picture.
    HBITMAP mask = sprite.mask;
    ASSERT_TRUE(sprite.drawCentred(target.context, 4, 4));
    EXPECT_EQ(sprite.mask, mask);
    EXPECT_EQ(target.at(3, 3), kRed);
    EXPECT_EQ(target.at(2, 2), kBlue);
    sprite.release();
    DeleteObject(bitmap);
}

TEST(SpriteTest, WithBlackAtZeroZeroBlackPixelsInsideAreTransparentToo) {
    const COLORREF pixels[9] = {kBlack, kBlack, kBlack, kBlack, kRed,
                                kBlack, kBlack, kBlack, kWhite};
    HBITMAP bitmap = paintBitmap(3, 3, pixels);
    Sprite sprite;
    ASSERT_TRUE(sprite.useBitmap(bitmap));
    Target target(3, 3, kGreen);
    ASSERT_TRUE(sprite.drawCentred(target.context, 1, 1));
    EXPECT_EQ(target.at(1, 1), kRed);
    EXPECT_EQ(target.at(2, 2), kWhite);
    EXPECT_EQ(target.at(0, 0), kGreen);
    EXPECT_EQ(target.at(1, 0), kGreen);
    sprite.release();
    DeleteObject(bitmap);
}

TEST(SpriteTest, FifteenAndFourteenPixelFramesStartSevenPixelsBeforeTheCentre) {
    for (int size : {14, 15}) {
        std::vector<COLORREF> pixels(size * size, kRed);
        pixels[0] = kBlack;
        HBITMAP bitmap = paintBitmap(size, size, pixels.data());
        Sprite sprite;
        ASSERT_TRUE(sprite.useBitmap(bitmap));
        Target target(40, 40, kGreen);
        sprite.drawCentred(target.context, 20, 20);
        EXPECT_EQ(target.at(12, 14), kGreen) << size;
        EXPECT_EQ(target.at(14, 14), kRed) << size;
        EXPECT_EQ(target.at(13 + size - 1, 20), kRed) << size;
        EXPECT_EQ(target.at(13 + size, 20), kGreen) << size;
        sprite.release();
        DeleteObject(bitmap);
    }
}

TEST(SpriteTest, LoadResourceRefusesIdsWhoseLowWordIsZero) {
    Sprite sprite;
    EXPECT_FALSE(sprite.loadResource(GetModuleHandleA(nullptr), 0));
    EXPECT_FALSE(sprite.loadResource(GetModuleHandleA(nullptr), 0x10000));
    EXPECT_EQ(sprite.bitmap, nullptr);
    EXPECT_EQ(sprite.ownsBitmap, 0);
    EXPECT_FALSE(sprite.loadNamed(GetModuleHandleA(nullptr), nullptr));
}

TEST(SpriteTest, MissingBitmapLeavesTheSpriteEmptyAndDrawsNothing) {
    Sprite sprite;
    EXPECT_FALSE(sprite.loadResource(GetModuleHandleA(nullptr), 9999));
    EXPECT_EQ(sprite.bitmap, nullptr);
    Target target(4, 4, kGreen);
    EXPECT_FALSE(sprite.drawCentred(target.context, 2, 2));
    EXPECT_EQ(target.at(2, 2), kGreen);
}

#ifdef ZEMBAL_TEST_HAVE_RESOURCES
TEST(SpriteTest, LoadsTheClassicFramesFromTheResources) {
    for (int i = 0; i < 8; ++i) {
        Sprite sprite;
        ASSERT_TRUE(sprite.loadResource(GetModuleHandleA(nullptr), IDB_CLASSIC_FIRST + i)) << i;
        EXPECT_EQ(sprite.ownsBitmap, 1);
        int size = i == 5 ? 15 : 14;
        EXPECT_EQ(sprite.width(), size) << i;
        EXPECT_EQ(sprite.height(), size) << i;
    }
}
#endif

class ThemeTest : public ::testing::Test {
  protected:
    Game game;
};

TEST_F(ThemeTest, ClassicColoursAndFrames) {
    game.applyTheme(0);
    EXPECT_EQ(game.fieldColour, RGB(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(game.wallColour, RGB(0, 0, 0));
    EXPECT_EQ(game.firstBarColour, RGB(0xFF, 0, 0));
    EXPECT_EQ(game.secondBarColour, RGB(0, 0, 0xFF));
    EXPECT_EQ(game.currentFrames, &game.frames[0]);
    EXPECT_EQ(game.frameCount, 8);
}

TEST_F(ThemeTest, IndicesOutsideTheListGiveClassic) {
    for (int index : {9, 7, -1, 1000}) {
        game.applyTheme(3);
        game.frame = 2;
        game.applyTheme(index);
        EXPECT_EQ(game.fieldColour, RGB(0xC0, 0xC0, 0xC0)) << index;
        EXPECT_EQ(game.currentFrames, &game.frames[0]) << index;
        EXPECT_EQ(game.frameCount, 8) << index;
        EXPECT_EQ(game.frame, 0) << index;
    }
}

TEST_F(ThemeTest, EveryThemeUsesItsOwnFrameSetWithinTheLoadedFrames) {
    struct Case {
        int index, firstId, count;
    };
    const Case cases[] = {{0, 110, 8}, {1, 126, 3}, {2, 118, 8}, {3, 129, 4},
                          {4, 133, 3}, {5, 136, 1}, {6, 137, 3}};
    for (const Case& c : cases) {
        game.applyTheme(c.index);
        EXPECT_EQ(game.currentFrames, &game.frames[c.firstId - IDB_BALL_FIRST]) << c.index;
        EXPECT_EQ(game.frameCount, c.count) << c.index;
        EXPECT_LE(c.firstId - IDB_BALL_FIRST + c.count, kBallFrameCount);
        // Walls and bars stand out from the field.
        EXPECT_NE(game.fieldColour, game.wallColour) << c.index;
        EXPECT_NE(game.firstBarColour, game.secondBarColour) << c.index;
        EXPECT_NE(game.fieldColour, game.firstBarColour) << c.index;
        EXPECT_NE(game.fieldColour, game.secondBarColour) << c.index;
    }
}

TEST_F(ThemeTest, ApplyingAThemeAgainDeletesTheFirstBrushes) {
    game.applyTheme(0);
    ASSERT_EQ(game.brushesCreated, 1);
    HBRUSH first[4] = {game.fieldBrush, game.wallBrush, game.firstBarBrush, game.secondBarBrush};
    for (HBRUSH brush : first) {
        EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    }
    game.applyTheme(4);
    EXPECT_EQ(game.brushesCreated, 1);
    for (HBRUSH brush : first) {
        EXPECT_EQ(GetObjectType(brush), 0u);
    }
    LOGBRUSH field = {};
    GetObjectA(game.fieldBrush, sizeof field, &field);
    EXPECT_EQ(field.lbColor, game.fieldColour);
}

TEST_F(ThemeTest, DeletingBrushesTwiceIsHarmless) {
    game.applyTheme(2);
    HBRUSH wall = game.wallBrush;
    game.deleteThemeBrushes();
    EXPECT_EQ(game.brushesCreated, 0);
    EXPECT_EQ(GetObjectType(wall), 0u);
    game.deleteThemeBrushes();
    EXPECT_EQ(game.brushesCreated, 0);
}

}  // namespace
