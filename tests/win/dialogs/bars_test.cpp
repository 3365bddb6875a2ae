// The toolbar and the status bar of the running program: the buttons reach
// their commands through the frame, status messages expire on the clock,
// and the bars come and go from the View menu with the frame sized around
// them.
#include <string>
#include <vector>

#include "resources/resource.h"
#include "shell/frame.h"
#include "tests/win/support/dialog_driver.h"
#include "tests/win/support/game_fixture.h"

namespace {

using BarsTest = RunningGameTest;

RECT childRect(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string textOf(HWND window) {
    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool isChecked(HWND frame, int command) {
    HMENU viewMenu = GetSubMenu(GetMenu(frame), 1);
    return (GetMenuState(viewMenu, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

TEST_F(BarsTest, ToolbarButtonsSitInARowAndReachTheirCommands) {
    struct Button {
        int index;
        const char* text;
        int x, command;
    };
    const Button buttons[] = {
        {kExitButton, "Exit", 0, IDM_EXIT},
        {kPlayButton, "Play", 24, IDM_PAUSE},
        {kPauseButton, "Pause", 24, IDM_PAUSE},
        {kDisplayOptionsButton, "Display Options", 48, IDM_DISPLAY_OPTIONS},
        {kOpenButton, "Open saved game", 74, IDM_OPEN},
        {kSaveButton, "Saved game", 98, IDM_SAVE},
    };
    for (const Button& b : buttons) {
        HWND button = game().toolButtons[b.index].window;
        const RECT r = childRect(button);
        EXPECT_EQ(textOf(button) + " " + std::to_string(GetDlgCtrlID(button)) + " " +
                      std::to_string(r.left) + "," + std::to_string(r.top) + " " +
                      std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top),
                  std::string(b.text) + " " + std::to_string(b.command) + " " +
                      std::to_string(b.x) + ",1 24x24");
        EXPECT_NE(SendMessageA(button, BM_GETIMAGE, IMAGE_ICON, 0), 0) << b.text;
    }

    // Play and Pause swap places and are never shown together.
    auto shownButtons = [&] {
        return std::to_string(IsWindowVisible(game().toolButtons[kPlayButton].window) != 0) +
               std::to_string(IsWindowVisible(game().toolButtons[kPauseButton].window) != 0);
    };
    EXPECT_EQ(shownButtons(), "01");
    SendMessageA(game().toolButtons[kPauseButton].window, BM_CLICK, 0, 0);
    EXPECT_EQ(game().paused, 1);
    EXPECT_EQ(shownButtons(), "10");
    SendMessageA(game().toolButtons[kPlayButton].window, BM_CLICK, 0, 0);
    EXPECT_EQ(game().paused, 0);
    EXPECT_EQ(shownButtons(), "01");

    DialogDriver driver;
    driver.then("Zembal: Display Options", press(IDCANCEL));
    SendMessageA(game().toolButtons[kDisplayOptionsButton].window, BM_CLICK, 0, 0);
    EXPECT_TRUE(driver.finished());
    SendMessageA(game().toolButtons[kExitButton].window, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(frame));
}

// A step of a status-message story: at `at` ms after a clock tick, either
// a message is shown (`message` set) or the clock ticks; then the message
// pane reads `pane` and a clear is pending or not.
struct StatusStep {
    int at;
    const char* message;
    const char* pane;
    int pending;
};

TEST_F(BarsTest, StatusMessageIsClearedOnTheFirstTickThreeWholeSecondsLater) {
    const std::vector<std::vector<StatusStep>> stories = {
        // Shown right after a tick: the fourth tick clears it.
        {{5, "You hit ball", "You hit ball", 1},
         {1000, nullptr, "You hit ball", 1},
         {2000, nullptr, "You hit ball", 1},
         {3000, nullptr, "You hit ball", 1},
         {4000, nullptr, "", 0}},
        // An empty message cancels the pending clear.
        {{5, "Ball meets bar", "Ball meets bar", 1}, {10, "", "", 0}},
        // A new message starts the wait again.
        {{5, "You created bars", "You created bars", 1},
         {2500, "You released 12 cells", "You released 12 cells", 1},
         {5000, nullptr, "You released 12 cells", 1},
         {5500, nullptr, "", 0}},
    };
    HWND pane = game().statusBar.messagePane.window;
    for (const std::vector<StatusStep>& story : stories) {
        const int32_t tickTime = clock.now;
        SendMessageA(view, WM_TIMER, kClockTimerId, 0);
        for (const StatusStep& step : story) {
            SCOPED_TRACE(std::string(story[0].message) + " at " + std::to_string(step.at));
            clock.now = tickTime + step.at;
            if (step.message != nullptr) {
                game().showStatus(step.message);
            } else {
                SendMessageA(view, WM_TIMER, kClockTimerId, 0);
            }
            EXPECT_EQ(textOf(pane), step.pane);
            EXPECT_EQ(game().statusPending, step.pending);
        }
        clock.now += 10000;
    }
}

// The frame's size for the field and the shown bars, centred on the desktop.
void expectFrameFitsCentred(HWND frame, const Game& game, bool toolbar, bool statusBar) {
    RECT outer, client, desktop;
    GetWindowRect(frame, &outer);
    GetClientRect(frame, &client);
    GetClientRect(GetDesktopWindow(), &desktop);
    const int needW = game.cols * 14 + (outer.right - outer.left) - client.right + 12;
    const int needH = game.rows * 14 + (outer.bottom - outer.top) - client.bottom + infoAreaHeight +
                      12 + (toolbar ? 28 : 0) + (statusBar ? 23 : 0);
    EXPECT_EQ(outer.right - outer.left, needW);
    EXPECT_EQ(outer.bottom - outer.top, needH);
    EXPECT_EQ(outer.left, (desktop.right - needW) / 2);
    EXPECT_EQ(outer.top, (desktop.bottom - needH) / 2);
}

TEST_F(BarsTest, HidingAndShowingABarSizesTheFrameExactlyAndCentresIt) {
    for (const int command : {IDM_TOOLBAR, IDM_STATUS_BAR}) {
        const bool isToolbar = command == IDM_TOOLBAR;
        SCOPED_TRACE(isToolbar ? "toolbar" : "status bar");
        HWND bar = isToolbar ? game().toolbar.window : game().statusBar.window;
        // Larger than needed by hand first: the toggle still fits it exactly.
        MoveWindow(frame, 3, 4, 900, 700, TRUE);
        SendMessageA(frame, WM_COMMAND, command, 0);
        EXPECT_FALSE(IsWindowVisible(bar));
        EXPECT_FALSE(isChecked(frame, command));
        expectFrameFitsCentred(frame, game(), !isToolbar, isToolbar);
        RECT client;
        GetClientRect(frame, &client);
        const RECT gameView = childRect(view);
        EXPECT_EQ(gameView.top, isToolbar ? 0 : 28);
        EXPECT_EQ(gameView.bottom, isToolbar ? client.bottom - 21 : client.bottom);

        SendMessageA(frame, WM_COMMAND, command, 0);
        EXPECT_TRUE(IsWindowVisible(bar));
        EXPECT_TRUE(isChecked(frame, command));
        expectFrameFitsCentred(frame, game(), true, true);
    }
}

}  // namespace
