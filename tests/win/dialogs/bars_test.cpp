// The toolbar, its tooltips and the status bar in the running program:
// hovering reaches the game view through the frame, the tooltip borrows
// the message pane, status messages expire on the clock, and the bars come
// and go from the View menu with the frame sized around them.
#include <cstring>
#include <string>

#include "resources/resource.h"
#include "shell/frame.h"
#include "tests/win/dialogs/dialog_fixture.h"

namespace {

using BarsTest = FrameFixture;

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

void moveMouse(HWND button, int x, int y) {
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void clockTick(HWND view) {
    SendMessageA(view, WM_TIMER, kClockTimerId, 0);
}

bool isChecked(HWND frame, int command) {
    HMENU view = GetSubMenu(GetMenu(frame), 1);
    return (GetMenuState(view, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

struct ButtonSpec {
    int index;
    const char* text;
    int x;
    int command;
    bool visible;
};

TEST_F(BarsTest, ToolbarHoldsTheSixButtonsWithPlayHidden) {
    const ButtonSpec buttons[] = {
        {kExitButton, "Exit", 0, IDM_EXIT, true},
        {kPlayButton, "Play", 24, IDM_PAUSE, false},
        {kPauseButton, "Pause", 24, IDM_PAUSE, true},
        {kDisplayOptionsButton, "Display Options", 48, IDM_DISPLAY_OPTIONS, true},
        {kOpenButton, "Open saved game", 74, IDM_OPEN, true},
        {kSaveButton, "Saved game", 98, IDM_SAVE, true},
    };
    RECT client;
    GetClientRect(frame, &client);
    RECT bar = childRect(game().toolbar.window);
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.top, 0);
    EXPECT_EQ(bar.right, client.right);
    EXPECT_EQ(bar.bottom, 28);
    for (const ButtonSpec& spec : buttons) {
        HWND button = game().toolButtons[spec.index].window;
        ASSERT_NE(button, nullptr) << spec.text;
        EXPECT_EQ(GetParent(button), game().toolbar.window);
        EXPECT_EQ(textOf(button), spec.text);
        EXPECT_EQ(GetDlgCtrlID(button), spec.command) << spec.text;
        RECT r = childRect(button);
        EXPECT_EQ(r.left, spec.x) << spec.text;
        EXPECT_EQ(r.top, 1) << spec.text;
        EXPECT_EQ(r.right - r.left, 24);
        EXPECT_EQ(r.bottom - r.top, 24);
        EXPECT_EQ(IsWindowVisible(button) != 0, spec.visible) << spec.text;
        EXPECT_NE(SendMessageA(button, BM_GETIMAGE, IMAGE_ICON, 0), 0) << spec.text;
    }
    EXPECT_TRUE(isChecked(frame, IDM_TOOLBAR));
    EXPECT_TRUE(isChecked(frame, IDM_STATUS_BAR));
}

TEST_F(BarsTest, HoverReportsSwitchAtTheRimAndReachTheGameView) {
    HWND pause = game().toolButtons[kPauseButton].window;
    moveMouse(pause, 2, 10);
    EXPECT_EQ(game().tooltipShown, 0);
    moveMouse(pause, 3, 10);
    EXPECT_EQ(game().tooltipShown, 1);
    EXPECT_TRUE(IsWindowVisible(game().toolTip.window));
    EXPECT_EQ(textOf(game().toolTip.window), "Pause");
    moveMouse(pause, 20, 20);
    EXPECT_EQ(game().tooltipShown, 1);
    moveMouse(pause, 21, 10);
    EXPECT_EQ(game().tooltipShown, 0);
    EXPECT_FALSE(IsWindowVisible(game().toolTip.window));
}

TEST_F(BarsTest, TooltipSitsUnderItsButtonAndRepeatedHoversDoNotMoveIt) {
    HWND exitButton = game().toolButtons[kExitButton].window;
    moveMouse(exitButton, 10, 10);
    RECT button;
    GetWindowRect(exitButton, &button);
    RECT owner;
    GetWindowRect(view, &owner);
    RECT tip = childRect(game().toolTip.window);
    EXPECT_EQ(tip.left, button.left - owner.left);
    EXPECT_EQ(tip.top, button.bottom + 2 - owner.top);
    // Moved away by hand, it stays there while the same button reports again.
    MoveWindow(game().toolTip.window, 200, 100, 30, 15, FALSE);
    moveMouse(exitButton, 11, 12);
    moveMouse(exitButton, 12, 12);
    RECT after = childRect(game().toolTip.window);
    EXPECT_EQ(after.left, 200);
    EXPECT_EQ(after.top, 100);
}

TEST_F(BarsTest, TooltipBorrowsTheMessagePaneAndGivesBackTheTextFromBefore) {
    HWND pane = game().statusBar.messagePane.window;
    game().showStatus("You created bars");
    moveMouse(game().toolButtons[kExitButton].window, 10, 10);
    EXPECT_EQ(textOf(pane), "Exit");
    moveMouse(game().toolButtons[kDisplayOptionsButton].window, 10, 10);
    EXPECT_EQ(textOf(pane), "Display Options");
    // Any movement over the game view hides the tooltip.
    SendMessageA(view, WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
    EXPECT_EQ(game().tooltipShown, 0);
    EXPECT_EQ(textOf(pane), "You created bars");
}

TEST_F(BarsTest, ClickingOpenOrSaveHidesTheTooltip) {
    DialogDriver driver([](HWND window, int) { press(window, IDOK); });
    HWND open = game().toolButtons[kOpenButton].window;
    moveMouse(open, 10, 10);
    ASSERT_EQ(game().tooltipShown, 1);
    SendMessageA(open, BM_CLICK, 0, 0);
    EXPECT_EQ(game().tooltipShown, 0);
    EXPECT_EQ(driver.boxTexts, std::vector<std::string>{"You do not have saved games"});
}

TEST_F(BarsTest, ButtonsReachTheirCommandsThroughTheFrame) {
    DialogDriver driver([](HWND window, int) { press(window, IDCANCEL); });
    SendMessageA(game().toolButtons[kDisplayOptionsButton].window, BM_CLICK, 0, 0);
    EXPECT_EQ(driver.captions, std::vector<std::string>{"Zembal: Display Options"});
    SendMessageA(game().toolButtons[kPauseButton].window, BM_CLICK, 0, 0);
    EXPECT_EQ(game().paused, 1);
    SendMessageA(game().toolButtons[kPlayButton].window, BM_CLICK, 0, 0);
    EXPECT_EQ(game().paused, 0);
    SendMessageA(game().toolButtons[kExitButton].window, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(frame));
}

TEST_F(BarsTest, PlayAndPauseSwapWithThePauseStateAndAreNeverBothShown) {
    HWND play = game().toolButtons[kPlayButton].window;
    HWND pause = game().toolButtons[kPauseButton].window;
    const int states[] = {1, 0, 1, 1, 0, 0, 1};
    for (int state : states) {
        game().setPaused(state);
        EXPECT_EQ(IsWindowVisible(play) != 0, state == 1);
        EXPECT_EQ(IsWindowVisible(pause) != 0, state == 0);
    }
    SendMessageA(view, WM_KEYDOWN, 'P', 0);
    EXPECT_EQ(game().paused, 0);
    EXPECT_FALSE(IsWindowVisible(play));
    EXPECT_TRUE(IsWindowVisible(pause));
}

TEST_F(BarsTest, GameHoldsStillWhileATooltipIsShown) {
    game().level->SPEED = 1;
    game().startGameTimer(1);
    KillTimer(view, kGameTimerId);
    const int x = game().level->balls[0].X;
    const int y = game().level->balls[0].Y;
    moveMouse(game().toolButtons[kExitButton].window, 10, 10);
    SendMessageA(view, WM_TIMER, kGameTimerId, 0);
    EXPECT_EQ(game().level->balls[0].X, x);
    EXPECT_EQ(game().level->balls[0].Y, y);
    SendMessageA(view, WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
    SendMessageA(view, WM_TIMER, kGameTimerId, 0);
    EXPECT_TRUE(game().level->balls[0].X != x || game().level->balls[0].Y != y);
}

TEST_F(BarsTest, StatusBarLiesAlongTheBottomWithTheClockPaneOnTheRight) {
    RECT client;
    GetClientRect(frame, &client);
    const int w = client.right;
    const int h = client.bottom;
    RECT bar = childRect(game().statusBar.window);
    EXPECT_EQ(bar.top, h - 21);
    EXPECT_EQ(bar.bottom, h + 2);
    EXPECT_EQ(bar.right - bar.left, w);
    RECT message = childRect(game().statusBar.messagePane.window);
    RECT clockPane = childRect(game().statusBar.clockPane.window);
    EXPECT_EQ(message.left, 0);
    EXPECT_EQ(message.right, w - 62);
    EXPECT_EQ(clockPane.left, w - 62);
    EXPECT_EQ(clockPane.right, w - 2);
    EXPECT_EQ(message.top, 3);
    EXPECT_EQ(clockPane.bottom - clockPane.top, 17);
    // The game view ends where the bar begins.
    RECT gameView = childRect(view);
    EXPECT_EQ(gameView.bottom, h - 21);
    // The clock shows the time of day.
    std::string time = textOf(game().statusBar.clockPane.window);
    ASSERT_EQ(time.size(), 8u) << time;
    EXPECT_EQ(time[2], ':');
    EXPECT_EQ(time[5], ':');
}

TEST_F(BarsTest, MessageShownJustAfterAClockTickIsClearedByTheFourthTick) {
    HWND pane = game().statusBar.messagePane.window;
    const int32_t tickTime = clock.now;
    clockTick(view);
    clock.now += 5;
    game().showStatus("You hit ball");
    EXPECT_EQ(textOf(pane), "You hit ball");
    for (int tick = 1; tick <= 3; ++tick) {
        clock.now = tickTime + 1000 * tick;
        clockTick(view);
        EXPECT_EQ(textOf(pane), "You hit ball") << tick;
    }
    clock.now = tickTime + 4000;
    clockTick(view);
    EXPECT_EQ(textOf(pane), "");
    EXPECT_EQ(game().statusPending, 0);
}

TEST_F(BarsTest, MessageIsNotClearedWhileATooltipIsShown) {
    HWND pane = game().statusBar.messagePane.window;
    game().showStatus("Wrong shot");
    moveMouse(game().toolButtons[kExitButton].window, 10, 10);
    clock.now += 5000;
    clockTick(view);
    EXPECT_EQ(game().statusPending, 1);
    EXPECT_EQ(textOf(pane), "Exit");
    moveMouse(game().toolButtons[kExitButton].window, 1, 1);
    EXPECT_EQ(textOf(pane), "Wrong shot");
    clockTick(view);
    EXPECT_EQ(textOf(pane), "");
}

TEST_F(BarsTest, EmptyMessageCancelsThePendingClear) {
    HWND pane = game().statusBar.messagePane.window;
    game().showStatus("Ball meets bar");
    game().showStatus("");
    EXPECT_EQ(textOf(pane), "");
    EXPECT_EQ(game().statusPending, 0);
    SetWindowTextA(pane, "kept");
    clock.now += 10000;
    clockTick(view);
    EXPECT_EQ(textOf(pane), "kept");
}

TEST_F(BarsTest, NewMessageRestartsTheWait) {
    HWND pane = game().statusBar.messagePane.window;
    game().showStatus("You created bars");
    clock.now += 2500;
    game().showStatus("You released 12 cells");
    clock.now += 2500;
    clockTick(view);
    EXPECT_EQ(textOf(pane), "You released 12 cells");
    clock.now += 500;
    clockTick(view);
    EXPECT_EQ(textOf(pane), "");
}

// The frame's size for the field and the shown bars, centred on the desktop.
void expectFrameFitsCentred(HWND frame, const Game& game, bool toolbar, bool statusBar) {
    RECT outer, client, desktop;
    GetWindowRect(frame, &outer);
    GetClientRect(frame, &client);
    GetClientRect(GetDesktopWindow(), &desktop);
    const int borderW = (outer.right - outer.left) - client.right;
    const int borderH = (outer.bottom - outer.top) - client.bottom;
    const int needW = game.cols * 14 + borderW + 12;
    const int needH =
        game.rows * 14 + borderH + infoAreaHeight + 12 + (toolbar ? 28 : 0) + (statusBar ? 23 : 0);
    EXPECT_EQ(outer.right - outer.left, needW);
    EXPECT_EQ(outer.bottom - outer.top, needH);
    EXPECT_EQ(outer.left, (desktop.right - needW) / 2);
    EXPECT_EQ(outer.top, (desktop.bottom - needH) / 2);
}

struct ToggleCase {
    int command;
    const char* name;
};

class BarToggleTest : public FrameFixture, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(BarToggleTest, HidingAndShowingSizesTheFrameExactlyAndCentresIt) {
    const bool isToolbar = GetParam().command == IDM_TOOLBAR;
    WindowWrapper& bar = isToolbar ? static_cast<WindowWrapper&>(game().toolbar)
                                   : static_cast<WindowWrapper&>(game().statusBar);
    // Larger than needed by hand first: the toggle still fits it exactly.
    MoveWindow(frame, 3, 4, 900, 700, TRUE);
    SendMessageA(frame, WM_COMMAND, GetParam().command, 0);
    EXPECT_FALSE(IsWindowVisible(bar.window));
    EXPECT_FALSE(isChecked(frame, GetParam().command));
    expectFrameFitsCentred(frame, game(), !isToolbar, isToolbar);
    RECT gameView = childRect(view);
    RECT client;
    GetClientRect(frame, &client);
    EXPECT_EQ(gameView.top, isToolbar ? 0 : 28);
    EXPECT_EQ(gameView.bottom, isToolbar ? client.bottom - 21 : client.bottom);

    SendMessageA(frame, WM_COMMAND, GetParam().command, 0);
    EXPECT_TRUE(IsWindowVisible(bar.window));
    EXPECT_TRUE(isChecked(frame, GetParam().command));
    expectFrameFitsCentred(frame, game(), true, true);
}

INSTANTIATE_TEST_SUITE_P(Bars, BarToggleTest,
                         ::testing::Values(ToggleCase{IDM_TOOLBAR, "Toolbar"},
                                           ToggleCase{IDM_STATUS_BAR, "StatusBar"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
