// Creating windows from a wrapper's options, showing and hiding them, and
// the Play/Pause swap the game makes on the toolbar.
#include "tests/win/kit/kit_fixture.h"

#include "shell/kit/kit_classes.h"
#include "shell/kit/label.h"
#include "shell/kit/window_hook.h"

namespace {

TEST_F(KitTest, CreateWithoutAnyInstanceMakesNoWindow) {
    WindowWrapper wrapper;
    EXPECT_EQ(wrapper.create("STATIC", "x", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr, 0),
              nullptr);
    EXPECT_EQ(wrapper.window, nullptr);
}

TEST_F(KitTest, CreateTakesTheInstanceFromTheParent) {
    WindowWrapper wrapper;
    HWND window = wrapper.create("STATIC", "x", WS_CHILD, 5, 6, 30, 20, frame, 17, nullptr, 0);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(wrapper.instance, instance);
    EXPECT_EQ(wrapper.parentWindow, frame);
    EXPECT_EQ(GetDlgCtrlID(window), 17);
    const RECT placed = rectInParent(window);
    EXPECT_EQ(placed.left, 5);
    EXPECT_EQ(placed.top, 6);
    EXPECT_TRUE(IsWindowVisible(window));
}

// The window edge (edge kind 2) is left out: the platform drops it from a
// window without a dialog frame before anyone can look.
struct StyleCase {
    const char* name;
    void (*configure)(WindowWrapper&);
    DWORD style;
    DWORD extendedStyle;
};

void PrintTo(const StyleCase& c, std::ostream* out) {
    *out << c.name;
}

class WrapperStyleTest : public KitTest, public ::testing::WithParamInterface<StyleCase> {};

INSTANTIATE_TEST_SUITE_P(
    Options, WrapperStyleTest,
    ::testing::Values(
        StyleCase{"ThinBorder", [](WindowWrapper& w) { w.borderKind = 1; }, WS_BORDER, 0},
        StyleCase{"SizingBorder", [](WindowWrapper& w) { w.borderKind = 2; }, WS_THICKFRAME, 0},
        StyleCase{"TabStop", [](WindowWrapper& w) { w.tabStopFlag = 1; }, 0x00010000, 0},
        StyleCase{"Caption", [](WindowWrapper& w) { w.captionFlag = 1; }, WS_CAPTION, 0},
        StyleCase{"Group", [](WindowWrapper& w) { w.groupFlag = 1; }, 0x00020000, 0},
        StyleCase{"MaximiseBox", [](WindowWrapper& w) { w.maximiseBoxFlag = 1; }, 0x00010000, 0},
        StyleCase{"Visible", [](WindowWrapper&) {}, WS_VISIBLE, 0},
        StyleCase{"ClientEdge", [](WindowWrapper& w) { w.edgeKind = 1; }, 0, WS_EX_CLIENTEDGE},
        StyleCase{"StaticEdge", [](WindowWrapper& w) { w.edgeKind = 3; }, 0, WS_EX_STATICEDGE}),
    [](const ::testing::TestParamInfo<StyleCase>& info) { return info.param.name; });

TEST_P(WrapperStyleTest, OptionAddsItsStyleBit) {
    WindowWrapper wrapper;
    GetParam().configure(wrapper);
    CreationSpy spy;
    ASSERT_NE(wrapper.create("STATIC", "", WS_CHILD, 0, 0, 40, 20, frame, 0, instance, 0), nullptr);
    EXPECT_EQ(spy.lastStyle & GetParam().style, GetParam().style);
    EXPECT_EQ(spy.lastExtendedStyle & GetParam().extendedStyle, GetParam().extendedStyle);
}

TEST_F(KitTest, NoOptionsAddNoStyle) {
    WindowWrapper wrapper;
    wrapper.visibleFlag = 0;
    CreationSpy spy;
    ASSERT_NE(wrapper.create("STATIC", "", WS_CHILD, 0, 0, 40, 20, frame, 0, instance, 0), nullptr);
    EXPECT_EQ(spy.lastStyle, static_cast<DWORD>(WS_CHILD));
    EXPECT_EQ(spy.lastExtendedStyle, 0u);
}

TEST_F(KitTest, CentreFlagCentresOnTheDesktop) {
    WindowWrapper wrapper;
    wrapper.centreFlag = 1;
    HWND window = wrapper.create("STATIC", "", WS_POPUP, 3, 4, 200, 100, nullptr, 0, instance, 0);
    ASSERT_NE(window, nullptr);
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    RECT placed{};
    GetWindowRect(window, &placed);
    EXPECT_EQ(placed.left, (desktop.right - 200) / 2);
    EXPECT_EQ(placed.top, (desktop.bottom - 100) / 2);
    DestroyWindow(window);
}

TEST_F(KitTest, SetVisibleKeepsTheFlagAndShowsOrHides) {
    WindowWrapper wrapper;
    wrapper.setVisible(0);  // before the window exists: only the flag
    EXPECT_EQ(wrapper.visibleFlag, 0);
    ASSERT_NE(wrapper.create("STATIC", "", WS_CHILD, 0, 0, 40, 20, frame, 0, instance, 0), nullptr);
    EXPECT_FALSE(IsWindowVisible(wrapper.window));

    wrapper.setVisible(1);
    EXPECT_EQ(wrapper.visibleFlag, 1);
    EXPECT_TRUE(IsWindowVisible(wrapper.window));

    wrapper.setVisible(0);
    EXPECT_EQ(wrapper.visibleFlag, 0);
    EXPECT_FALSE(IsWindowVisible(wrapper.window));
}

TEST_F(KitTest, SetTextAndSetFontReachTheWindow) {
    WindowWrapper wrapper;
    ASSERT_NE(wrapper.create("STATIC", "old", WS_CHILD, 0, 0, 40, 20, frame, 0, instance, 0),
              nullptr);
    wrapper.setText("new");
    EXPECT_EQ(windowText(wrapper.window), "new");
    HFONT font = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    wrapper.setFont(font, 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(wrapper.window, WM_GETFONT, 0, 0)), font);
}

struct LabelCase {
    int edgeKind;
    int alignment;
    int expectedHeight;
    DWORD alignmentStyle;
};

void PrintTo(const LabelCase& c, std::ostream* out) {
    *out << "edge " << c.edgeKind << ", alignment " << c.alignment;
}

class LabelTest : public KitTest, public ::testing::WithParamInterface<LabelCase> {};

INSTANTIATE_TEST_SUITE_P(EdgesAndAlignments, LabelTest,
                         ::testing::Values(LabelCase{0, 0, 13, SS_LEFT},
                                           LabelCase{1, 0, 17, SS_LEFT},
                                           LabelCase{3, 1, 17, SS_CENTER},
                                           LabelCase{0, 2, 13, SS_RIGHT}));

TEST_P(LabelTest, DefaultHeightFollowsTheEdgeAndUsesTheSharedFont) {
    WindowWrapper panel;
    ASSERT_NE(panel.create(kPanelClassName, "", WS_CHILD, 0, 0, 300, 40, frame, 0, instance, 0),
              nullptr);
    Label label(GetParam().alignment);
    label.edgeKind = GetParam().edgeKind;

    ASSERT_NE(label.create(&panel, "Level 1", 4, 2, 120, 0), nullptr);

    const RECT placed = rectInParent(label.window);
    EXPECT_EQ(placed.bottom - placed.top, GetParam().expectedHeight);
    EXPECT_EQ(placed.right - placed.left, 120);
    EXPECT_EQ(GetParent(label.window), panel.window);
    EXPECT_EQ(label.parentWrapper, &panel);
    EXPECT_EQ(GetWindowLongA(label.window, GWL_STYLE) & SS_TYPEMASK, GetParam().alignmentStyle);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(label.window, WM_GETFONT, 0, 0)),
              sharedLabelFont());
    EXPECT_EQ(windowText(label.window), "Level 1");
}

TEST_F(KitTest, ToolButtonIsAHookedIconButton) {
    TestToolbar toolbar;
    buildToolbar(toolbar);
    const ToolButton& exit = toolbar.buttons[TestToolbar::kExit];
    const DWORD style = GetWindowLongA(exit.window, GWL_STYLE);
    EXPECT_TRUE(style & BS_ICON);
    EXPECT_TRUE(style & WS_TABSTOP);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_EQ(GetDlgCtrlID(exit.window), 8);
    EXPECT_EQ(exit.imageSize, 16);
    EXPECT_EQ(GetWindowLongPtrA(exit.window, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&WindowHook::dispatch));
    EXPECT_EQ(windowText(exit.window), "Exit");
}

TEST_F(KitTest, SetImageWithNegativeSizeKeepsTheSize) {
    ToolButton button;
    button.setImage(MAKEINTRESOURCEA(134), 16);
    button.setImage(MAKEINTRESOURCEA(135), -1);
    EXPECT_EQ(button.icon, MAKEINTRESOURCEA(135));
    EXPECT_EQ(button.imageSize, 16);
}

// Watches every show of the Play and Pause buttons: at no moment may both
// be on screen.
HWND watchedPlay = nullptr;
HWND watchedPause = nullptr;
int bothVisible = 0;

LRESULT CALLBACK watchShows(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_WINDOWPOSCHANGED &&
        (message->hwnd == watchedPlay || message->hwnd == watchedPause) &&
        IsWindowVisible(watchedPlay) && IsWindowVisible(watchedPause)) {
        ++bothVisible;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// What the game does when the pause state changes: the button going away
// is hidden before the other one is shown, in both directions.
void swapPlayAndPause(TestToolbar& toolbar, bool paused) {
    ToolButton& play = toolbar.buttons[TestToolbar::kPlay];
    ToolButton& pause = toolbar.buttons[TestToolbar::kPause];
    ToolButton& leaving = paused ? pause : play;
    ToolButton& coming = paused ? play : pause;
    leaving.setVisible(0);
    coming.setVisible(1);
}

TEST_F(KitTest, PlayAndPauseAreNeverVisibleTogether) {
    TestToolbar toolbar;
    buildToolbar(toolbar);
    ToolButton& play = toolbar.buttons[TestToolbar::kPlay];
    ToolButton& pause = toolbar.buttons[TestToolbar::kPause];
    EXPECT_FALSE(IsWindowVisible(play.window));
    EXPECT_TRUE(IsWindowVisible(pause.window));
    const RECT playPlace = rectInParent(play.window);
    const RECT pausePlace = rectInParent(pause.window);
    EXPECT_TRUE(EqualRect(&playPlace, &pausePlace));

    watchedPlay = play.window;
    watchedPause = pause.window;
    bothVisible = 0;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, watchShows, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    for (bool paused : {true, false, true, true, false, false, true}) {
        swapPlayAndPause(toolbar, paused);
        EXPECT_EQ(IsWindowVisible(play.window) != 0, paused);
        EXPECT_EQ(IsWindowVisible(pause.window) != 0, !paused);
        EXPECT_EQ(play.visibleFlag, paused ? 1 : 0);
        EXPECT_EQ(pause.visibleFlag, paused ? 0 : 1);
    }
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(bothVisible, 0);
}

}  // namespace
