// A tool button tells the frame, through the toolbar panel, whether the
// mouse is inside its rim; the panel passes its children's commands on.
#include "tests/win/kit/kit_fixture.h"

#include "shell/kit/kit_classes.h"
#include "shell/kit/window_hook.h"

namespace {

struct HoverCase {
    int x;
    int y;
    WORD expected;
};

void PrintTo(const HoverCase& c, std::ostream* out) {
    *out << "(" << c.x << ", " << c.y << ") " << (c.expected == TOOL_HOVER ? "hover" : "leave");
}

LPARAM point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                      static_cast<WORD>(static_cast<short>(y)));
}

class HoverTest : public KitTest, public ::testing::WithParamInterface<HoverCase> {};

// A 24 x 24 button is inside from 3 to 20 on both axes.
INSTANTIATE_TEST_SUITE_P(
    RimOfA24PixelButton, HoverTest,
    ::testing::Values(HoverCase{2, 10, TOOL_LEAVE}, HoverCase{3, 10, TOOL_HOVER},
                      HoverCase{20, 10, TOOL_HOVER}, HoverCase{21, 10, TOOL_LEAVE},
                      HoverCase{10, 2, TOOL_LEAVE}, HoverCase{10, 3, TOOL_HOVER},
                      HoverCase{10, 20, TOOL_HOVER}, HoverCase{10, 21, TOOL_LEAVE},
                      HoverCase{3, 3, TOOL_HOVER}, HoverCase{20, 20, TOOL_HOVER},
                      HoverCase{-1, 10, TOOL_LEAVE}, HoverCase{10, -5, TOOL_LEAVE},
                      HoverCase{0, 0, TOOL_LEAVE}));

TEST_P(HoverTest, ReportsReachTheFrameThroughThePanel) {
    TestToolbar toolbar;
    buildToolbar(toolbar);
    HWND button = toolbar.buttons[TestToolbar::kDisplayOptions].window;

    SendMessageA(button, WM_MOUSEMOVE, 0, point(GetParam().x, GetParam().y));

    const std::vector<RecordedCommand> reports = hoverReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(HIWORD(reports[0].wParam), GetParam().expected);
    EXPECT_EQ(LOWORD(reports[0].wParam), 0);
    EXPECT_EQ(reports[0].lParam, reinterpret_cast<LPARAM>(button));
}

TEST_F(KitTest, MovingInFromTheRimSwitchesFromLeaveToHover) {
    TestToolbar toolbar;
    buildToolbar(toolbar);
    HWND button = toolbar.buttons[TestToolbar::kExit].window;

    for (int x = 0; x <= 5; ++x) {
        SendMessageA(button, WM_MOUSEMOVE, 0, point(x, 12));
    }

    const std::vector<RecordedCommand> reports = hoverReports();
    ASSERT_EQ(reports.size(), 6u);
    const WORD expected[] = {TOOL_LEAVE, TOOL_LEAVE, TOOL_LEAVE,
                             TOOL_HOVER, TOOL_HOVER, TOOL_HOVER};
    for (size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(HIWORD(reports[i].wParam), expected[i]) << "x = " << i;
    }
}

TEST_F(KitTest, ButtonWithoutImageReportsNoHover) {
    WindowWrapper panel;
    ASSERT_NE(panel.create(kPanelClassName, "", WS_CHILD, 0, 0, 200, 28, frame, 0, instance, 0),
              nullptr);
    ToolButton plain;
    ASSERT_NE(plain.create(&panel, "Plain", 0, 1, 24, 24, 77), nullptr);

    SendMessageA(plain.window, WM_MOUSEMOVE, 0, point(10, 10));

    EXPECT_TRUE(hoverReports().empty());
}

TEST_F(KitTest, ToolButtonsClickThroughThePanelToTheFrame) {
    TestToolbar toolbar;
    buildToolbar(toolbar);
    HWND pause = toolbar.buttons[TestToolbar::kPause].window;

    SendMessageA(pause, BM_CLICK, 0, 0);

    bool clicked = false;
    for (const RecordedCommand& command : commands) {
        if (command.wParam == MAKEWPARAM(40006, BN_CLICKED) &&
            command.lParam == reinterpret_cast<LPARAM>(pause)) {
            clicked = true;
        }
    }
    EXPECT_TRUE(clicked);
}

TEST_F(KitTest, PanelForwardsAChildCommandUnchanged) {
    WindowWrapper panel;
    ASSERT_NE(panel.create(kPanelClassName, "", WS_CHILD, 0, 0, 200, 28, frame, 0, instance, 0),
              nullptr);
    const WPARAM wParam = MAKEWPARAM(40019, 5);
    const LPARAM lParam = 0x1234;

    const LRESULT result = SendMessageA(panel.window, WM_COMMAND, wParam, lParam);

    EXPECT_EQ(result, 0);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, wParam);
    EXPECT_EQ(commands[0].lParam, lParam);
}

TEST_F(KitTest, PanelWithoutParentSwallowsCommands) {
    WindowWrapper panel;
    ASSERT_NE(panel.create(kPanelClassName, "", WS_POPUP, 0, 0, 50, 28, nullptr, 0, instance, 0),
              nullptr);
    EXPECT_EQ(SendMessageA(panel.window, WM_COMMAND, MAKEWPARAM(8, 0), 0), 0);
    EXPECT_TRUE(commands.empty());
    DestroyWindow(panel.window);
}

TEST_F(KitTest, RegisteringAgainFailsHarmlessly) {
    registerKitClasses(instance);
    EXPECT_FALSE(registerPanelClass(instance));
    EXPECT_FALSE(registerToolTipClass(instance));
    WNDCLASSA info{};
    EXPECT_TRUE(GetClassInfoA(instance, "FRAME_CLASS", &info));
    EXPECT_TRUE(GetClassInfoA(instance, "ToolTipClass", &info));
    EXPECT_EQ(sharedLabelFont(), static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT)));
}

// Hook bookkeeping: messages seen by a hook function.
struct SeenMessages {
    int moves = 0;
    int destroys = 0;
};

void countingHook(WindowHook* record, HWND, UINT message, WPARAM, LPARAM) {
    auto* seen = reinterpret_cast<SeenMessages*>(record->userValue);
    if (message == WM_MOUSEMOVE) {
        ++seen->moves;
    } else if (message == WM_DESTROY) {
        ++seen->destroys;
    }
}

TEST_F(KitTest, HookSeesMessagesBeforeTheWindowAndRemovesCleanly) {
    HWND label = CreateWindowExA(0, "STATIC", "text", WS_CHILD, 0, 0, 50, 20, frame, nullptr,
                                 instance, nullptr);
    ASSERT_NE(label, nullptr);
    const LONG_PTR ownProc = GetWindowLongPtrA(label, GWLP_WNDPROC);
    SeenMessages seen;

    const WNDPROC previous =
        WindowHook::install(label, countingHook, reinterpret_cast<LONG_PTR>(&seen));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(previous), ownProc);
    SendMessageA(label, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(seen.moves, 1);
    // The window's own procedure still does its work behind the hook.
    SendMessageA(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("changed"));
    EXPECT_EQ(windowText(label), "changed");

    WindowHook::remove(label);
    EXPECT_EQ(GetWindowLongPtrA(label, GWLP_WNDPROC), ownProc);
    EXPECT_EQ(GetWindowLongPtrA(label, GWLP_USERDATA), 0);
    SendMessageA(label, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(seen.moves, 1);
    DestroyWindow(label);
}

TEST_F(KitTest, HookIsToldOfTheDestructionAndGoesWithTheWindow) {
    HWND label =
        CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 50, 20, frame, nullptr, instance, nullptr);
    SeenMessages seen;
    ASSERT_NE(WindowHook::install(label, countingHook, reinterpret_cast<LONG_PTR>(&seen)), nullptr);

    DestroyWindow(label);

    EXPECT_EQ(seen.destroys, 1);
}

TEST_F(KitTest, SecondHookOnAWindowIsRefusedAndTheFirstKeepsWorking) {
    TestToolbar toolbar;
    buildToolbar(toolbar);
    HWND exit = toolbar.buttons[TestToolbar::kExit].window;
    SeenMessages seen;

    EXPECT_EQ(WindowHook::install(exit, countingHook, reinterpret_cast<LONG_PTR>(&seen)), nullptr);
    SendMessageA(exit, WM_MOUSEMOVE, 0, point(10, 10));

    EXPECT_EQ(seen.moves, 0);
    ASSERT_EQ(hoverReports().size(), 1u);
    EXPECT_EQ(HIWORD(hoverReports()[0].wParam), TOOL_HOVER);
}

TEST_F(KitTest, HookOnNoWindowInstallsNothing) {
    SeenMessages seen;
    EXPECT_EQ(WindowHook::install(nullptr, countingHook, reinterpret_cast<LONG_PTR>(&seen)),
              nullptr);
}

}  // namespace
