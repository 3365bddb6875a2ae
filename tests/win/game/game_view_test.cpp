// The game view turns clicks, tool-button reports and timer ticks into game
// operations, cursors and sounds, and shows the picture at every zoom. (The
// speeds' steps and timings are the core's, checked natively; the field's
// pixels too; the paint tests tick through the view.)
#include "tests/win/support/game_fixture.h"
#include "tests/win/support/view_pixels.h"

namespace {

using GameViewTest = GameTest;
using Ids = std::vector<int>;

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

// At double size the view shows the picture with every pixel a 2 x 2 block,
// also where a tick repainted only what it changed.
TEST_F(GameViewTest, DoubleSizeShowsEveryPixelOfThePictureAsATwoByTwoBlock) {
    game().setZoom(2);
    ASSERT_EQ(game().zoomShown(), 2);
    UpdateWindow(frame);
    toView(WM_TIMER, kGameTimerId);
    UpdateWindow(frame);
    EXPECT_EQ(
        stalePixels(view, game(), {field().left, field().top}, {420, 280 + infoAreaHeight}, 2), 0);
}

// The cursor shows which way the next bars grow (their turn is the core's,
// checked natively), and the pointer gets it back over the view.
TEST_F(GameViewTest, RightClickTurnsTheBarsAndTheCursorWithAClickAlsoWhilePaused) {
    const HCURSOR upDown = LoadCursorA(nullptr, MAKEINTRESOURCEA(32645));
    const HCURSOR leftRight = LoadCursorA(nullptr, MAKEINTRESOURCEA(32644));
    for (const auto& [pausedBefore, cursor] :
         {std::pair{1, leftRight}, {0, upDown}, {0, leftRight}}) {
        game().setPaused(pausedBefore);
        toView(WM_RBUTTONDOWN, MK_RBUTTON, cellPoint(3, 3));
        EXPECT_EQ(GetCursor(), cursor);
        EXPECT_EQ(takeSounds(), Ids{IDW_CLICK});
    }
    toView(WM_SETCURSOR, reinterpret_cast<WPARAM>(view), HTCLIENT);
    EXPECT_EQ(GetCursor(), leftRight);
}

// The clock timer clears a status message once its three seconds are up
// (the core times them). While a tool button's tooltip is up (shown when
// the pointer is inside the button's rim, gone when it leaves or moves over
// the view) neither that clearing nor the game goes on.
TEST_F(GameViewTest, ClockTimerClearsTheStatusAndTheTooltipHoldsTheGame) {
    game().showStatus("Level 1");
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
        clock.now += 3000;
        toView(WM_TIMER, kGameTimerId);
        toView(WM_TIMER, kClockTimerId);
        EXPECT_EQ(level().balls[0].X == x, shown);
        EXPECT_EQ(statusPane(), shown ? "Display Options" : "");
        toView(WM_MOUSEMOVE);
    }
}

}  // namespace
