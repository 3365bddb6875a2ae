// The toolbar's buttons: hover reports through the panel to the frame,
// clicks, the hook they are built on, and the Play/Pause pair.
#include "shell/kit/kit_classes.h"
#include "shell/kit/window_hook.h"
#include "tests/win/kit/kit_fixture.h"

namespace {

// A 24 x 24 button is inside from 3 to 20 on both axes; a button without
// an image reports nothing.
TEST_F(KitTest, HoverReportsReachTheFrameThroughThePanel) {
    const struct {
        int x, y;
        WORD expected;
    } cases[] = {{2, 10, TOOL_LEAVE},  {3, 10, TOOL_HOVER},  {20, 10, TOOL_HOVER},
                 {21, 10, TOOL_LEAVE}, {10, 2, TOOL_LEAVE},  {10, 3, TOOL_HOVER},
                 {10, 20, TOOL_HOVER}, {10, 21, TOOL_LEAVE}, {-1, 10, TOOL_LEAVE}};
    HWND options = button(TestToolbar::kDisplayOptions);
    for (const auto& c : cases) {
        commands.clear();
        SendMessageA(options, WM_MOUSEMOVE, 0, point(c.x, c.y));
        ASSERT_EQ(commands.size(), 1u) << c.x << ", " << c.y;
        EXPECT_EQ(commands[0].wParam, MAKEWPARAM(0, c.expected)) << c.x << ", " << c.y;
        EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(options));
    }
    commands.clear();
    ToolButton plain;
    ASSERT_NE(plain.create(&toolbar.panel, "Plain", 130, 1, 24, 24, 77), nullptr);
    SendMessageA(plain.window, WM_MOUSEMOVE, 0, point(10, 10));
    EXPECT_TRUE(commands.empty());
}

TEST_F(KitTest, ClickReachesTheFrameAndAnOrphanPanelSwallowsCommands) {
    HWND pause = button(TestToolbar::kPause);
    EXPECT_TRUE(GetWindowLongA(pause, GWL_STYLE) & BS_ICON);

    SendMessageA(pause, BM_CLICK, 0, 0);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(40006, BN_CLICKED));
    EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(pause));

    commands.clear();
    WindowWrapper orphan;
    ASSERT_NE(orphan.create(kPanelClassName, "", WS_POPUP, 0, 0, 50, 28, nullptr, 0, instance, 0),
              nullptr);
    EXPECT_EQ(SendMessageA(orphan.window, WM_COMMAND, MAKEWPARAM(8, 0), 0), 0);
    EXPECT_TRUE(commands.empty());
    DestroyWindow(orphan.window);
}

// Records the mouse moves and the destruction a hook sees.
void recordingHook(WindowHook* record, HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_MOUSEMOVE || message == WM_DESTROY) {
        reinterpret_cast<std::vector<UINT>*>(record->userValue)->push_back(message);
    }
}

TEST_F(KitTest, HookSeesMessagesFirstRefusesASecondAndGoesCleanly) {
    HWND label = CreateWindowExA(0, "STATIC", "text", WS_CHILD, 0, 0, 50, 20, frame, nullptr,
                                 instance, nullptr);
    const LONG_PTR ownProc = GetWindowLongPtrA(label, GWLP_WNDPROC);
    std::vector<UINT> seen;
    const LONG_PTR log = reinterpret_cast<LONG_PTR>(&seen);
    EXPECT_EQ(WindowHook::install(nullptr, recordingHook, log), nullptr);

    EXPECT_EQ(reinterpret_cast<LONG_PTR>(WindowHook::install(label, recordingHook, log)), ownProc);
    EXPECT_EQ(WindowHook::install(label, recordingHook, 0), nullptr);  // the first one stays
    SendMessageA(label, WM_MOUSEMOVE, 0, 0);
    // The window's own procedure still works behind the hook.
    SendMessageA(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("changed"));
    EXPECT_EQ(windowText(label), "changed");

    WindowHook::remove(label);
    EXPECT_EQ(GetWindowLongPtrA(label, GWLP_WNDPROC), ownProc);
    EXPECT_EQ(GetWindowLongPtrA(label, GWLP_USERDATA), 0);
    SendMessageA(label, WM_MOUSEMOVE, 0, 0);

    ASSERT_NE(WindowHook::install(label, recordingHook, log), nullptr);
    DestroyWindow(label);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_MOUSEMOVE, WM_DESTROY}));
}

// setVisible takes effect at once, so hiding the leaving button before
// showing the coming one never puts both up.
TEST_F(KitTest, PlayAndPauseAreNeverVisibleTogether) {
    ToolButton& play = toolbar.buttons[TestToolbar::kPlay];
    ToolButton& pause = toolbar.buttons[TestToolbar::kPause];
    EXPECT_EQ(rectInParent(play.window).left, rectInParent(pause.window).left);
    EXPECT_FALSE(IsWindowVisible(play.window));
    EXPECT_TRUE(IsWindowVisible(pause.window));

    for (bool paused : {true, false, true, true, false}) {
        (paused ? pause : play).setVisible(0);
        EXPECT_FALSE(IsWindowVisible(play.window) && IsWindowVisible(pause.window)) << paused;
        (paused ? play : pause).setVisible(1);
        EXPECT_EQ(IsWindowVisible(play.window) != 0, paused);
        EXPECT_EQ(IsWindowVisible(pause.window) != 0, !paused);
        EXPECT_EQ(play.visibleFlag + pause.visibleFlag, 1);
    }
}

}  // namespace
