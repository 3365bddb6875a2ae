// The picture drawScene makes, read back pixel by pixel from a memory bitmap.
#include <gtest/gtest.h>

#include <vector>

#include "presentation/game.h"
#include "tests/win/presentation/presentation_fixture.h"

namespace {

constexpr COLORREF kSilver = 0xC0C0C0;  // as 0xRRGGBB
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kRed = 0xFF0000;
constexpr COLORREF kBlue = 0x0000FF;

// A top-down 32-bit picture of the field and the information area.
class Picture {
  public:
    Picture(Game& game, int width, int height) : width_(width), height_(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        context_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(context_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(context_, bitmap_);
        game.drawScene(context_);
        GdiFlush();
    }
    ~Picture() {
        SelectObject(context_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(context_);
    }
    // The colour at (x, y) as 0xRRGGBB.
    COLORREF at(int x, int y) const {
        return static_cast<const uint32_t*>(bits_)[y * width_ + x] & 0xFFFFFF;
    }
    int countOtherThan(COLORREF colour, int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom && y < height_; ++y) {
            for (int x = left; x < right && x < width_; ++x) {
                count += at(x, y) != colour ? 1 : 0;
            }
        }
        return count;
    }

  private:
    int width_, height_;
    HDC context_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    void* bits_ = nullptr;
};

COLORREF asRgb(COLORREF gdi) {
    return (GetRValue(gdi) << 16) | (GetGValue(gdi) << 8) | GetBValue(gdi);
}

// A ball of our own: a red disc on black, 14 x 14.
HBITMAP makeBallBitmap() {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 14, 14);
    HDC context = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(context, bitmap);
    RECT all = {0, 0, 14, 14};
    FillRect(context, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ oldBrush = SelectObject(context, red);
    HGDIOBJ oldPen = SelectObject(context, GetStockObject(NULL_PEN));
    Ellipse(context, 0, 0, 15, 15);
    SelectObject(context, oldPen);
    SelectObject(context, oldBrush);
    DeleteObject(red);
    SelectObject(context, previous);
    DeleteDC(context);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

class SceneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        textLineHeight = 13;
        infoAreaHeight = 39;
        GameModel::gameRunning = 0;
        game.setClock(clock);
        game.applyTheme(0);
        game.level->GRID = 0;
        for (Bar& bar : game.level->bars) {
            bar.ACTIVE = 1;
        }
    }
    void TearDown() override { GameModel::gameRunning = 0; }

    Picture draw() { return Picture(game, kWidth, kHeight + infoAreaHeight); }
    int fieldX(int x) const { return game.fieldLeft + x; }
    int fieldY(int y) const { return game.fieldTop + y; }

    static constexpr int kWidth = 420;
    static constexpr int kHeight = 280;
    FakeClock clock;
    Game game;
};

TEST_F(SceneTest, FieldIsSilverWithABlackOutline) {
    ASSERT_EQ(game.fieldRight - game.fieldLeft, kWidth);
    ASSERT_EQ(game.fieldBottom - game.fieldTop, kHeight);
    Picture p = draw();
    for (int x : {0, 14, 200, 419}) {
        EXPECT_EQ(p.at(x, 0), kBlack) << x;
        EXPECT_EQ(p.at(x, 279), kBlack) << x;
    }
    for (int y : {0, 14, 140, 279}) {
        EXPECT_EQ(p.at(0, y), kBlack) << y;
        EXPECT_EQ(p.at(419, y), kBlack) << y;
    }
    // No grid: the inside is one silver area.
    EXPECT_EQ(p.countOtherThan(kSilver, 1, 1, 419, 279), 0);
}

TEST_F(SceneTest, GridLinesOnlyWithGridOne) {
    game.level->GRID = 1;
    Picture p = draw();
    for (int c = 1; c < 30; ++c) {
        EXPECT_EQ(p.at(c * 14, 100), kBlack) << c;
        EXPECT_EQ(p.at(c * 14 + 5, 100), kSilver) << c;
    }
    for (int r = 1; r < 20; ++r) {
        EXPECT_EQ(p.at(100, r * 14), kBlack) << r;
        EXPECT_EQ(p.at(103, r * 14 + 5), kSilver) << r;
    }
}

TEST_F(SceneTest, WallCellIsABlack14By14Square) {
    game.level->grid[2][3] = kCellWall;
    Picture p = draw();
    EXPECT_EQ(p.countOtherThan(kBlack, 42, 28, 56, 42), 0);
    EXPECT_EQ(p.at(41, 35), kSilver);
    EXPECT_EQ(p.at(56, 35), kSilver);
    EXPECT_EQ(p.at(48, 27), kSilver);
    EXPECT_EQ(p.at(48, 42), kSilver);
}

TEST_F(SceneTest, GrowingBarCellsAreDrawnFromTheBarsNotTheGrid) {
    game.level->grid[2][3] = kCellBar;
    Picture p = draw();
    EXPECT_EQ(p.countOtherThan(kSilver, 1, 1, 419, 279), 0);
}

Bar growingBar(const Game& game, int direction, int row, int col) {
    Bar bar;
    bar.ACTIVE = 0;
    bar.DRCT = direction;
    bar.SIZE = 14;
    bar.XSTART = bar.XEND = game.cellX(col);
    bar.YSTART = bar.YEND = game.cellY(row);
    bar.RSTART = bar.REND = row;
    bar.CSTART = bar.CEND = col;
    return bar;
}

TEST_F(SceneTest, UpBarIsOneRedCellAtItsStart) {
    game.level->bars[0] = growingBar(game, kUp, 5, 5);
    Picture p = draw();
    EXPECT_EQ(p.countOtherThan(kRed, 71, 71, 83, 83), 0);
    EXPECT_EQ(p.at(70, 76), kBlack);
    EXPECT_EQ(p.at(83, 76), kBlack);
    EXPECT_EQ(p.at(76, 69), kSilver);
    EXPECT_EQ(p.at(76, 84), kSilver);

    game.level->bars[0].YEND -= 4;  // grown four pixels up
    Picture grown = draw();
    EXPECT_EQ(grown.at(76, 67), kRed);
    EXPECT_EQ(grown.at(76, 66), kBlack);
}

TEST_F(SceneTest, DownBarIsBlueAndOnlyOnceItsEndMoved) {
    game.level->bars[1] = growingBar(game, kDown, 6, 5);
    Picture still = draw();
    EXPECT_EQ(still.countOtherThan(kSilver, 70, 84, 84, 98), 0);

    game.level->bars[1].YEND += 5;
    Picture grown = draw();
    EXPECT_EQ(grown.at(76, 84), kBlack);
    EXPECT_EQ(grown.at(76, 86), kBlue);
    EXPECT_EQ(grown.at(76, 88), kBlack);
    EXPECT_EQ(grown.at(76, 89), kSilver);
}

TEST_F(SceneTest, LeftAndRightBarsTakeTheFirstAndSecondColours) {
    game.level->bars[0] = growingBar(game, kLeft, 8, 10);
    game.level->bars[0].XEND -= 6;
    game.level->bars[1] = growingBar(game, kRight, 8, 11);
    game.level->bars[1].XEND += 6;
    Picture p = draw();
    EXPECT_EQ(p.at(136, 118), kRed);   // 6 pixels left of column 10
    EXPECT_EQ(p.at(145, 118), kRed);   // inside the start cell
    EXPECT_EQ(p.at(156, 118), kBlue);  // the first pixels of column 11
    EXPECT_EQ(p.at(160, 118), kSilver);
}

TEST_F(SceneTest, BallCornersAreTransparentOverTheField) {
    HBITMAP ball = makeBallBitmap();
    ASSERT_TRUE(game.frames[0].useBitmap(ball));
    game.level->balls[0].endOfList = 0;
    game.level->balls[0].X = fieldX(100);
    game.level->balls[0].Y = fieldY(100);
    game.level->balls[1].endOfList = 1;
    game.frame = 0;
    Picture p = draw();
    EXPECT_EQ(p.at(100, 100), kRed);
    EXPECT_EQ(p.at(93, 93), kSilver);    // top-left corner of the 14 x 14 frame
    EXPECT_EQ(p.at(106, 106), kSilver);  // bottom-right corner
    EXPECT_EQ(p.at(96, 100), kRed);
    game.frames[0].release();
    DeleteObject(ball);
}

TEST_F(SceneTest, BallsAfterTheEndOfTheListAreNotDrawn) {
    HBITMAP ball = makeBallBitmap();
    ASSERT_TRUE(game.frames[0].useBitmap(ball));
    game.level->balls[0].endOfList = 1;
    game.level->balls[1].endOfList = 0;
    game.level->balls[1].X = fieldX(100);
    game.level->balls[1].Y = fieldY(100);
    Picture p = draw();
    EXPECT_EQ(p.at(100, 100), kSilver);
    game.frames[0].release();
    DeleteObject(ball);
}

class InformationTest : public SceneTest {
  protected:
    void SetUp() override {
        SceneTest::SetUp();
        menu = asRgb(GetSysColor(COLOR_MENU));
        game.level->NBLLS = 3;
        game.level->LOVES = 2;
        game.level->SCORE = 12.7;
        GameModel::gameRunning = 1;
    }
    // Pixels of text in one of the six places: line 0 to 2, left or right half.
    int inkAt(const Picture& p, int line, bool right) const {
        int top = kHeight + line * textLineHeight;
        return right ? p.countOtherThan(menu, kWidth / 2, top, kWidth, top + textLineHeight)
                     : p.countOtherThan(menu, 0, top, kWidth / 2, top + textLineHeight);
    }
    COLORREF menu = 0;
};

TEST_F(InformationTest, EmptyWhileNoLevelRuns) {
    GameModel::gameRunning = 0;
    Picture p = draw();
    EXPECT_EQ(p.countOtherThan(menu, 0, kHeight, kWidth, kHeight + infoAreaHeight), 0);
}

TEST_F(InformationTest, SixTextsWhileRunning) {
    Picture p = draw();
    for (int line = 0; line < 3; ++line) {
        EXPECT_GT(inkAt(p, line, false), 0) << line;
        EXPECT_GT(inkAt(p, line, true), 0) << line;
    }
    // Texts start ten pixels in.
    EXPECT_EQ(p.countOtherThan(menu, 0, kHeight, 10, kHeight + infoAreaHeight), 0);
}

TEST_F(InformationTest, OnlyThePausedLineWhilePaused) {
    game.paused = 1;
    Picture p = draw();
    EXPECT_GT(inkAt(p, 0, false), 0);
    EXPECT_EQ(inkAt(p, 1, false) + inkAt(p, 2, false) + inkAt(p, 2, true), 0);
}

TEST_F(InformationTest, TextsFollowTheGame) {
    Picture before = draw();
    game.level->LOVES = 1;
    game.level->SCORE = 99.0;
    Picture after = draw();
    int changed = 0;
    for (int y = kHeight; y < kHeight + infoAreaHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            changed += before.at(x, y) != after.at(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(changed, 0);
}

#ifdef ZEMBAL_TEST_HAVE_RESOURCES
TEST_F(SceneTest, ClassicBallFromTheResourcesHasTransparentCorners) {
    game.instance = GetModuleHandleA(nullptr);
    game.loadFrames();
    game.applyTheme(0);
    ASSERT_EQ(game.frames[0].width(), 14);
    ASSERT_EQ(game.frames[5].width(), 15);
    game.level->balls[0].endOfList = 0;
    game.level->balls[0].X = fieldX(100);
    game.level->balls[0].Y = fieldY(100);
    game.level->balls[1].endOfList = 1;
    game.frame = 0;  // all red
    Picture p = draw();
    EXPECT_EQ(p.at(100, 100), kRed);
    EXPECT_EQ(p.at(93, 93), kSilver);
    EXPECT_EQ(p.at(106, 93), kSilver);
    EXPECT_EQ(p.at(93, 106), kSilver);
    EXPECT_EQ(p.at(106, 106), kSilver);
}
#endif

}  // namespace
