// After a tick the game view repaints only what the tick changed; the
// window must then show exactly the picture drawn afresh from the same
// state, on every theme, with and without grid lines.
#include <windows.h>

#include <cstring>
#include <iterator>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "core/field_picture.h"
#include "tests/win/support/open_game.h"
#include "presentation/picture.h"

namespace {

// The field of a new game: 20 x 30 cells of 14 pixels.
constexpr int kWidth = 420;
constexpr int kFieldHeight = 280;

class HandClock : public GameClock {
  public:
    int32_t nowMs() override { return now; }
    int64_t calendarSeconds() override { return 1000; }
    int32_t now = 0;
};

LRESULT CALLBACK openViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_CREATE) {
        return gameViewProc(window, message, wParam, lParam);
    }
    theGame = new QuietGame();
    theGame->createView(window, GetModuleHandleA(nullptr));
    return 0;
}

class PaintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setSoundPlayer([](const void*) {});
        HINSTANCE instance = GetModuleHandleA(nullptr);
        WNDCLASSA viewClass = {0,       openViewProc, 0,       0,       instance,
                               nullptr, nullptr,      nullptr, nullptr, "PAINT_TEST_VIEW"};
        RegisterClassA(&viewClass);
        frame = CreateWindowA("STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 500,
                              nullptr, nullptr, instance, nullptr);
        CreateWindowA("PAINT_TEST_VIEW", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, frame, nullptr,
                      instance, nullptr);
        game = static_cast<OpenGame*>(theGame);
        view = game->viewWindow();
        game->setClock(clock);
        game->seedGenerator(7);
        KillTimer(view, kClockTimerId);
    }
    void TearDown() override {
        DestroyWindow(frame);
        setSoundPlayer(nullptr);
    }
    void tick() { SendMessageA(view, WM_TIMER, kGameTimerId, 0); }
    // The pixels where the window shows the picture that differ from the
    // picture drawn afresh.
    int stalePixels() {
        const int height = kFieldHeight + infoAreaHeight;
        shown.resize(kWidth, height);
        fresh.resize(kWidth, height);
        HDC window = GetDC(view);
        BitBlt(shown.context(), 0, 0, kWidth, height, window, game->fieldLeft, game->fieldTop,
               SRCCOPY);
        ReleaseDC(view, window);
        game->drawScene(fresh.context());
        GdiFlush();
        int stale = 0;
        for (int i = 0; i < kWidth * height; ++i) {
            stale += ((shown.pixels()[i] ^ fresh.pixels()[i]) & 0xFFFFFF) != 0 ? 1 : 0;
        }
        return stale;
    }

    HWND frame = nullptr, view = nullptr;
    OpenGame* game = nullptr;
    HandClock clock;
    Picture shown, fresh;
};

TEST_F(PaintTest, EveryIncrementalPaintShowsTheFreshPicture) {
    std::mt19937 random(1);
    auto chance = [&](int n) { return random() % n == 0; };
    int wallChanges = 0;
    for (int theme = 0; theme < kThemeCount; ++theme) {
        for (bool grid : {false, true}) {
            game->applyDisplayOptions({grid, false, theme, 2});
            KillTimer(view, kGameTimerId);  // the test ticks by hand
            game->newGame();
            game->level->NBLLS = 4 * theme + (grid ? 2 : 0);  // levels of 1 to 27 balls
            game->startLevel();
            for (int step = 0; step < 150; ++step) {
                Level& level = *game->level;
                int x = game->fieldLeft + static_cast<int>(random() % kWidth);
                int y = game->fieldTop + static_cast<int>(random() % kFieldHeight);
                if (chance(8)) {
                    SendMessageA(view, WM_LBUTTONDOWN, 0, MAKELPARAM(x, y));
                } else if (chance(8)) {
                    SendMessageA(view, WM_RBUTTONDOWN, 0, 0);
                } else if (chance(30)) {
                    SendMessageA(view, WM_KEYDOWN, 'P', 0);
                } else if (chance(30)) {
                    level.grid[random() % 20][random() % 30] = kCellWall;  // told to nobody
                }
                clock.now += 37;
                level.LOVES = 3;
                int32_t before[kMaxRows][kMaxCols];
                std::memcpy(before, level.grid, sizeof before);
                tick();
                wallChanges += std::memcmp(before, level.grid, sizeof before) != 0 ? 1 : 0;
                UpdateWindow(view);
                ASSERT_EQ(stalePixels(), 0) << theme << " " << grid << " " << step;
            }
        }
    }
    // Finished bars and released chambers changed the walls.
    EXPECT_GT(wallChanges, 20);
}

// Any front end shows the field as the platform-free code composes it: the
// pixels the Game's GDI drawing gives, whatever the theme, frame, grid and
// growth of the bars.
TEST_F(PaintTest, ThePlatformFreeFieldIsTheGdiDrawingPixelForPixel) {
    KillTimer(view, kGameTimerId);
    Level& level = *game->level;
    for (int i = 0; i < kMaxRows * kMaxCols; i += 7) {
        level.grid[i / kMaxCols % 20][i % 30] = kCellWall;  // the edges' cells among them
    }
    // Balls on the field's edges, on walls and on the bars' paths.
    const POINT balls[] = {{7, 7},     {413, 273}, {0, 140},   {419, 279}, {210, 0},
                           {100, 150}, {143, 131}, {160, 170}, {300, 60}};
    for (int i = 0; i < kMaxBalls; ++i) {
        Ball& ball = level.balls[i];
        ball.endOfList = i < static_cast<int>(std::size(balls)) ? 0 : 1;
        if (ball.endOfList == 0) {
            ball.X = game->fieldLeft + balls[i].x;
            ball.Y = game->fieldTop + balls[i].y;
        }
    }
    const int growths[] = {0, 1, 2, 3, 7, 14, 29, 60};  // one per frame of the largest set
    std::vector<uint32_t> composed(kWidth * kFieldHeight);
    Picture drawn;
    drawn.resize(kWidth, kFieldHeight + infoAreaHeight);
    int compared = 0;
    for (int theme = 0; theme < kThemeCount; ++theme) {
        for (int grid : {0, 1}) {
            game->applyDisplayOptions({grid == 1, false, theme, 0});
            KillTimer(view, kGameTimerId);
            for (bool upright : {true, false}) {
                for (int step = 0; step < 8; ++step) {
                    // Bar 0 grows up or left from cell (10, 10), bar 1 down or
                    // right from its neighbour.
                    const int g = growths[step], x = game->cellX(10), y = game->cellY(10);
                    const int nextX = upright ? x : x + 14, nextY = upright ? y + 14 : y;
                    level.bars[0] = {14,
                                     x,
                                     y,
                                     upright ? x : x - g,
                                     upright ? y - g : y,
                                     10,
                                     10,
                                     10,
                                     10,
                                     upright ? kUp : kLeft,
                                     0};
                    level.bars[1] = {14,
                                     nextX,
                                     nextY,
                                     upright ? nextX : nextX + g,
                                     upright ? nextY + g : nextY,
                                     11,
                                     10,
                                     11,
                                     10,
                                     upright ? kDown : kRight,
                                     0};
                    game->frame = step % themeAt(theme).frameCount;
                    game->drawScene(drawn.context());
                    GdiFlush();
                    const FieldShape shape = {kWidth,     kFieldHeight,    game->rows,
                                              game->cols, game->cellWidth, game->cellHeight};
                    const BallImage* image = ballImage(themeAt(theme).firstFrame + game->frame);
                    ASSERT_NE(image, nullptr);
                    composeField(PixelBuffer{composed.data(), kWidth, kFieldHeight},
                                 FieldScene{&level, shape, game->fieldLeft, game->fieldTop,
                                            themeAt(theme).colours, image, game->cursorBox()});
                    for (int i = 0; i < kWidth * kFieldHeight; ++i) {
                        ASSERT_EQ(composed[i], drawn.pixels()[i])
                            << "theme " << theme << " grid " << grid << " upright " << upright
                            << " growth " << g << " at " << i % kWidth << "," << i / kWidth;
                    }
                    ++compared;
                }
            }
        }
    }
    EXPECT_EQ(compared, kThemeCount * 2 * 2 * 8);
}

TEST_F(PaintTest, ATickThatOnlyMovesTheBallRepaintsItsOldAndNewBoxes) {
    KillTimer(view, kGameTimerId);
    auto ballBox = [this] {
        const Ball& ball = game->level->balls[0];
        const int left = ball.X - game->ballFrame()->width() / 2;  // 14 or 15 pixels wide
        const int top = ball.Y - game->ballFrame()->width() / 2;
        return RECT{left, top, left + game->ballFrame()->width(), top + game->ballFrame()->width()};
    };
    for (int step = 0; step < 30; ++step) {  // the texts stay, the frame changes on the 11th
        tick();
        UpdateWindow(view);
        const RECT before = ballBox();
        tick();
        const RECT after = ballBox();
        RECT expected = {}, dirty = {};
        UnionRect(&expected, &before, &after);
        GetUpdateRect(view, &dirty, FALSE);
        EXPECT_FALSE(EqualRect(&before, &after)) << step;
        EXPECT_TRUE(EqualRect(&dirty, &expected))
            << step << ": " << dirty.left << "," << dirty.top << "," << dirty.right;
    }
}

}  // namespace
