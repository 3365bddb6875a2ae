// The game view turns clicks, tool-button reports and timer ticks into game
// operations and sounds.
#include "tests/win/support/game_fixture.h"

namespace {

using GameViewTest = GameTest;
using Ids = std::vector<int>;

TEST_F(GameViewTest, LeftClickShootsBarsWithAClickOnlyWhileALevelRunsUnpaused) {
    // The shooting case comes last: its bars would stop the others.
    for (const auto& [running, pausedBefore] : {std::pair{1, 1}, {0, 0}, {0, 1}, {1, 0}}) {
        setRunning(running);
        game().setPaused(pausedBefore);
        const std::string status = statusPane();
        // Row 1 is at least four cells away from every ball of level 1.
        toView(WM_LBUTTONDOWN, MK_LBUTTON, cellPoint(1, 2));
        const bool shoots = running == 1 && pausedBefore == 0;
        EXPECT_EQ(takeSounds(), Ids(shoots ? 1 : 0, IDW_CLICK));
        EXPECT_EQ(level().bars[0].ACTIVE, shoots ? 0 : 1);
        EXPECT_EQ(statusPane(), shoots ? "You created bars" : status);
    }
    const Bar& bar = level().bars[0];
    EXPECT_EQ((Ids{bar.RSTART, bar.CSTART, bar.DRCT}), (Ids{1, 2, kUp}));
}

// At every zoom a click on the first or the last pixel of a cell's block
// hits that cell. The work area is made large enough for every zoom; the
// test screen still cuts the frame at zoom 3, so the cell is one in the
// middle of the field, and no ball is near it.
TEST_F(GameViewTest, AClickHitsTheSameCellAtEveryZoom) {
    RECT screen = {}, large = {0, 0, 4000, 4000};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &large, 0);
    setRunning(1);
    level().balls[0].endOfList = 1;
    for (const auto& [zoom, last] : {std::pair{1, 13}, {2, 0}, {2, 27}, {3, 0}, {3, 41}}) {
        game().setZoom(zoom);
        level().bars[0].ACTIVE = level().bars[1].ACTIVE = 1;
        toView(WM_LBUTTONDOWN, MK_LBUTTON,
               MAKELPARAM(zoom * cellX(15) + last, zoom * cellY(10) + last));
        const Bar& bar = level().bars[0];
        EXPECT_EQ((Ids{bar.ACTIVE, bar.RSTART, bar.CSTART}), (Ids{0, 10, 15}))
            << zoom << " " << last;
    }
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &screen, 0);
}

TEST_F(GameViewTest, RightClickTurnsTheBarsAndTheCursorWithAClickAlsoWhilePaused) {
    const HCURSOR upDown = LoadCursorA(nullptr, MAKEINTRESOURCEA(32645));
    const HCURSOR leftRight = LoadCursorA(nullptr, MAKEINTRESOURCEA(32644));
    for (const auto& [pausedBefore, cursor] :
         {std::pair{1, leftRight}, {0, upDown}, {0, leftRight}}) {
        game().setPaused(pausedBefore);
        toView(WM_RBUTTONDOWN, MK_RBUTTON, cellPoint(3, 3));
        EXPECT_EQ(GetCursor(), cursor);
        EXPECT_EQ(takeSounds(), Ids{IDW_CLICK});
        EXPECT_EQ(paused(), pausedBefore);
    }
    toView(WM_SETCURSOR, reinterpret_cast<WPARAM>(view), HTCLIENT);
    EXPECT_EQ(GetCursor(), leftRight);
    toView(WM_LBUTTONDOWN, MK_LBUTTON, cellPoint(1, 2));
    EXPECT_EQ((Ids{level().bars[0].DRCT, level().bars[1].DRCT}), (Ids{kLeft, kRight}));
}

TEST_F(GameViewTest, GameTimerMovesTheBallsByTheSpeedsStepAndRepaints) {
    for (const auto& [speed, timer] :
         {std::pair{0, Ids{1, 1, 10}}, {1, Ids{2, 2, 2}}, {2, Ids{4, 4, 2}}, {7, Ids{2, 2, 2}}}) {
        applyDisplayChoice(1, 1, 0, speed);
        EXPECT_EQ(gameTimer(), timer) << "speed " << speed;
        Ball& ball = level().balls[0];
        ball.X = cellX(15);
        ball.Y = cellY(10);
        UpdateWindow(frame);
        ASSERT_FALSE(GetUpdateRect(view, nullptr, FALSE));
        toView(WM_TIMER, kGameTimerId);
        EXPECT_EQ((Ids{std::abs(ball.X - cellX(15)), std::abs(ball.Y - cellY(10))}),
                  (Ids{timer[0], timer[0]}));
        EXPECT_TRUE(GetUpdateRect(view, nullptr, FALSE));
    }
}

// A status message goes on the first clock tick three whole seconds after
// it came, also across the clock's wrap, and a new message starts the wait
// again. While a tool button's
// tooltip is up (shown when the pointer is inside the button's rim, gone
// when it leaves or moves over the view) neither that clearing nor the game
// goes on.
TEST_F(GameViewTest, StatusClearsThreeSecondsLaterAndTheTooltipHoldsTheGame) {
    const std::tuple<int, const char*, const char*> steps[] = {
        // ms after a tick; the message shown then (null: the clock ticks); the pane
        {5, "You hit ball", "You hit ball"},
        {3000, nullptr, "You hit ball"},
        {4000, nullptr, ""},
        {4005, "Ball meets bar", "Ball meets bar"},
        {6500, "Level 1", "Level 1"},
        {9000, nullptr, "Level 1"}};
    // The level starts five seconds before the millisecond clock turns negative.
    const uint32_t start = INT32_MAX - 5000;
    clock.now = level().SLVTM = level().LEVTM = static_cast<int32_t>(start);
    toView(WM_TIMER, kClockTimerId);
    for (const auto& [at, message, pane] : steps) {
        clock.now = static_cast<int32_t>(start + static_cast<uint32_t>(at));
        message != nullptr ? game().showStatus(message) : (void)toView(WM_TIMER, kClockTimerId);
        EXPECT_EQ(statusPane(), pane) << at;
    }
    HWND tip = FindWindowExA(view, nullptr, "ToolTipClass", nullptr);
    HWND options = toolButton("Display Options");
    const std::tuple<HWND, LPARAM, bool> moves[] = {{options, MAKELPARAM(10, 10), true},
                                                    {options, MAKELPARAM(2, 10), false},
                                                    {options, MAKELPARAM(20, 20), true},
                                                    {view, MAKELPARAM(5, 5), false},
                                                    {options, MAKELPARAM(3, 3), true}};
    for (const auto& [window, where, shown] : moves) {
        SendMessageA(window, WM_MOUSEMOVE, 0, where);
        EXPECT_EQ(IsWindowVisible(tip) != 0, shown);
        EXPECT_EQ(statusPane(), shown ? "Display Options" : "Level 1");
    }
    for (const bool shown : {true, false}) {
        const int x = level().balls[0].X;
        clock.now += 1000;
        toView(WM_TIMER, kGameTimerId);
        toView(WM_TIMER, kClockTimerId);
        EXPECT_EQ(level().balls[0].X == x, shown);
        EXPECT_EQ(statusPane(), shown ? "Display Options" : "");
        toView(WM_MOUSEMOVE);
    }
}

}  // namespace
