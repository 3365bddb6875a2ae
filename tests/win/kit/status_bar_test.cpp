// The status bar's place along the bottom of the frame, its two panes, the
// message and the clock.
#include <array>

#include "shell/kit/clock_time.h"
#include "shell/kit/status_bar.h"
#include "tests/win/kit/kit_fixture.h"

namespace {

// x, y, width, height in the parent's client area.
std::array<int, 4> box(HWND window) {
    const RECT r = rectInParent(window);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void createBar(StatusBar& bar, HWND frame, int visible) {
    bar.visibleFlag = visible;
    ASSERT_NE(bar.create("FRAME_CLASS", "", WS_CHILD, 0, 0, 1, 1, frame, 0, nullptr, 0), nullptr);
    bar.arrange();  // the first call creates the panes
    ASSERT_NE(bar.messagePane.window, nullptr);
    ASSERT_NE(bar.clockPane.window, nullptr);
}

// Two rows of the bar lie below the client area; the panes are sunken. A
// hidden bar is arranged all the same.
TEST_F(KitTest, StatusBarAndPanesFollowTheFrameClientArea) {
    const struct {
        int width, height, visible;
        int split;  // where the message pane ends and the clock pane starts
    } cases[] = {{400, 300, 0, 338}, {720, 480, 1, 658}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        StatusBar bar;
        createBar(bar, frame, c.visible);
        SetWindowPos(frame, nullptr, 0, 0, c.width, c.height, SWP_NOMOVE | SWP_NOZORDER);
        bar.arrange();

        EXPECT_EQ(box(bar.window), (std::array<int, 4>{0, c.height - 21, c.width, 23}));
        EXPECT_EQ(box(bar.messagePane.window), (std::array<int, 4>{0, 3, c.split, 17}));
        EXPECT_EQ(box(bar.clockPane.window), (std::array<int, 4>{c.split, 3, 60, 17}));
        for (HWND pane : {bar.messagePane.window, bar.clockPane.window}) {
            EXPECT_EQ(GetParent(pane), bar.window);
            EXPECT_TRUE(GetWindowLongA(pane, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        }
        EXPECT_EQ(IsWindowVisible(bar.window) != 0, c.visible == 1);
        DestroyWindow(bar.window);
    }
}

TEST_F(KitTest, StatusMessageAndClockGoToTheirOwnPanes) {
    StatusBar bar;
    createBar(bar, frame, 1);
    bar.setMessage("You released 42 cells");
    EXPECT_EQ(windowText(bar.messagePane.window), "You released 42 cells");
    EXPECT_EQ(windowText(bar.clockPane.window), "");

    const std::string before = ClockTime::now().text();
    bar.updateClock();
    const std::string after = ClockTime::now().text();
    const std::string shown = windowText(bar.clockPane.window);
    EXPECT_TRUE(shown == before || shown == after) << shown;
    EXPECT_EQ(windowText(bar.messagePane.window), "You released 42 cells");
}

TEST(ClockTime, TwoDigitsEachInTwentyFourHourForm) {
    const struct {
        ClockTime time;
        const char* text;
    } cases[] = {{{14, 7, 5}, "14:07:05"},
                 {{9, 5, 7}, "09:05:07"},
                 {{0, 0, 0}, "00:00:00"},
                 {{23, 59, 59}, "23:59:59"}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.time.text(), c.text);
    }
}

}  // namespace
