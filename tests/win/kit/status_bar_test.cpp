// The status bar's place along the bottom of the frame, its two panes, the
// message and the clock.
#include "tests/win/kit/kit_fixture.h"

#include "shell/kit/clock_time.h"
#include "shell/kit/status_bar.h"

namespace {

class StatusBarTest : public KitTest {
  protected:
    void createBar(int visible) {
        bar.visibleFlag = visible;
        ASSERT_NE(bar.create("FRAME_CLASS", "", WS_CHILD, 0, 0, 1, 1, frame, 0, instance, 0),
                  nullptr);
    }

    StatusBar bar;
};

struct GeometryCase {
    int clientWidth;
    int clientHeight;
    int split;  // where the message pane ends and the clock pane starts
};

void PrintTo(const GeometryCase& c, std::ostream* out) {
    *out << c.clientWidth << " x " << c.clientHeight;
}

class StatusBarGeometryTest : public StatusBarTest,
                              public ::testing::WithParamInterface<GeometryCase> {};

INSTANTIATE_TEST_SUITE_P(ClientSizes, StatusBarGeometryTest,
                         ::testing::Values(GeometryCase{400, 300, 338},
                                           GeometryCase{720, 480, 658}));

void expectRect(const RECT& rect, int x, int y, int width, int height) {
    EXPECT_EQ(rect.left, x);
    EXPECT_EQ(rect.top, y);
    EXPECT_EQ(rect.right - rect.left, width);
    EXPECT_EQ(rect.bottom - rect.top, height);
}

TEST_P(StatusBarGeometryTest, BarAndPanesFollowTheFrameClientArea) {
    const GeometryCase& size = GetParam();
    createBar(1);
    bar.arrange();  // creates the panes
    resizeFrame(size.clientWidth, size.clientHeight);
    bar.arrange();  // moves them

    // Two rows of the bar lie below the client area.
    expectRect(rectInParent(bar.window), 0, size.clientHeight - 21, size.clientWidth, 23);
    expectRect(rectInParent(bar.messagePane.window), 0, 3, size.split, 17);
    expectRect(rectInParent(bar.clockPane.window), size.split, 3, 60, 17);
}

TEST_F(StatusBarTest, FirstArrangeCreatesSunkenPanesInTheBar) {
    createBar(1);
    EXPECT_EQ(bar.messagePane.window, nullptr);
    bar.arrange();

    for (const Label* pane : {&bar.messagePane, &bar.clockPane}) {
        ASSERT_NE(pane->window, nullptr);
        EXPECT_EQ(GetParent(pane->window), bar.window);
        EXPECT_TRUE(GetWindowLongA(pane->window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        EXPECT_EQ(windowText(pane->window), "");
    }
    // A 400-pixel-wide client area.
    expectRect(rectInParent(bar.messagePane.window), 0, 3, 338, 17);
    expectRect(rectInParent(bar.clockPane.window), 338, 3, 60, 17);
    EXPECT_EQ(bar.height, 21);
}

TEST_F(StatusBarTest, HiddenBarIsArrangedAllTheSame) {
    createBar(0);
    bar.arrange();
    EXPECT_FALSE(IsWindowVisible(bar.window));
    ASSERT_NE(bar.messagePane.window, nullptr);
    expectRect(rectInParent(bar.window), 0, 279, 400, 23);

    bar.setVisible(1);
    EXPECT_TRUE(IsWindowVisible(bar.messagePane.window));
}

TEST_F(StatusBarTest, MessageGoesToTheMessagePane) {
    createBar(1);
    bar.arrange();
    bar.setMessage("You released 42 cells");
    EXPECT_EQ(windowText(bar.messagePane.window), "You released 42 cells");
    bar.setMessage("");
    EXPECT_EQ(windowText(bar.messagePane.window), "");
}

TEST_F(StatusBarTest, ClockPaneShowsTheCurrentTime) {
    createBar(1);
    bar.arrange();
    const std::string before = ClockTime::now().text();
    bar.updateClock();
    const std::string after = ClockTime::now().text();

    const std::string shown = windowText(bar.clockPane.window);
    EXPECT_TRUE(shown == before || shown == after) << shown;
    EXPECT_EQ(windowText(bar.messagePane.window), "");
}

struct ClockCase {
    int hour;
    int minute;
    int second;
    const char* text;
};

void PrintTo(const ClockCase& c, std::ostream* out) {
    *out << c.text;
}

class ClockTimeTest : public ::testing::TestWithParam<ClockCase> {};

INSTANTIATE_TEST_SUITE_P(TimesOfDay, ClockTimeTest,
                         ::testing::Values(ClockCase{14, 7, 5, "14:07:05"},
                                           ClockCase{9, 5, 7, "09:05:07"},
                                           ClockCase{0, 0, 0, "00:00:00"},
                                           ClockCase{23, 59, 59, "23:59:59"}));

TEST_P(ClockTimeTest, TwoDigitsEachInTwentyFourHourForm) {
    const ClockTime time{GetParam().hour, GetParam().minute, GetParam().second};
    EXPECT_EQ(time.text(), GetParam().text);
}

TEST(ClockTimeNow, IsATimeOfDay) {
    const ClockTime now = ClockTime::now();
    EXPECT_GE(now.hour, 0);
    EXPECT_LE(now.hour, 23);
    EXPECT_GE(now.minute, 0);
    EXPECT_LE(now.minute, 59);
    EXPECT_GE(now.second, 0);
    EXPECT_LE(now.second, 60);
}

}  // namespace
