// After a tick the game view repaints only what the tick changed; the
// window, which shows the field as the platform-free code composes it, must
// then show exactly the picture GDI draws afresh from the same state, on
// every theme, with and without grid lines.
#include <windows.h>

#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "tests/support/silent_game.h"
#include "tests/win/support/open_game.h"
#include "tests/win/support/view_pixels.h"

namespace {

// The field of a new game: 20 x 30 cells of 14 pixels.
constexpr int kWidth = 420;
constexpr int kFieldHeight = 280;

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
    int stalePixels() {
        return ::stalePixels(view, *game, {game->fieldLeft, game->fieldTop},
                             {kWidth, kFieldHeight + infoAreaHeight});
    }

    HWND frame = nullptr, view = nullptr;
    OpenGame* game = nullptr;
    ManualClock clock;
};

TEST_F(PaintTest, EveryIncrementalPaintShowsTheFreshPicture) {
    std::mt19937 random(1);
    auto chance = [&](int n) { return random() % n == 0; };
    int wallChanges = 0;
    int growingBars[2] = {};  // up and down, left and right
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
                growingBars[level.bars[0].DRCT == kLeft] += level.bars[0].ACTIVE == 0 ? 1 : 0;
                UpdateWindow(view);
                ASSERT_EQ(stalePixels(), 0) << theme << " " << grid << " " << step;
            }
        }
    }
    // Finished bars and released chambers changed the walls, and bars grew
    // both ways on the way.
    EXPECT_GT(wallChanges, 20);
    EXPECT_GT(growingBars[0], 100);
    EXPECT_GT(growingBars[1], 100);
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
