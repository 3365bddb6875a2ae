// The tooltip under a tool button: where it appears, that it stays put on
// repeated hovers, that it keeps inside the game view, and that the status
// pane gets its text back.
#include "shell/kit/status_bar.h"
#include "shell/kit/tool_tip.h"
#include "shell/kit/window_hook.h"
#include "tests/win/kit/kit_fixture.h"

namespace {

SIZE textSize(const char* text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
    SIZE size{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
}

// A 400 x 251 game view under the toolbar, a status bar and the tooltip.
class ToolTipTest : public KitTest {
  protected:
    void SetUp() override {
        KitTest::SetUp();
        view = createView(400, 300 - kToolbarHeight - 21);
        statusBar.create("FRAME_CLASS", "", WS_CHILD, 0, 0, 1, 1, frame, 0, instance, 0);
        statusBar.arrange();
        status = statusBar.messagePane.window;
        ASSERT_NE(status, nullptr);
        ASSERT_NE(tip.create(view), nullptr);
    }

    StatusBar statusBar;
    ToolTip tip;
    HWND view = nullptr;
    HWND status = nullptr;
};

TEST_F(ToolTipTest, StartsAsAHiddenDisabledBorderedChildOfTheView) {
    EXPECT_FALSE(IsWindowVisible(tip.window));
    EXPECT_FALSE(IsWindowEnabled(tip.window));  // it never takes the mouse
    EXPECT_EQ(GetWindowLongA(tip.window, GWL_STYLE) & (WS_CHILD | WS_BORDER | WS_POPUP),
              WS_CHILD | WS_BORDER);
    EXPECT_EQ(GetParent(tip.window), view);
}

// The panel's static edge puts the buttons one pixel in and two down, so a
// tooltip starts at the top of the game view, one pixel right of its tool.
TEST_F(ToolTipTest, AppearsUnderEachToolSizedToItsText) {
    const struct {
        int index, x;
    } cases[] = {{TestToolbar::kExit, 1}, {TestToolbar::kOpen, 75}, {TestToolbar::kPause, 25}};
    for (const auto& c : cases) {
        const std::string text = windowText(button(c.index));
        tip.show(button(c.index), status);

        const RECT placed = rectInParent(tip.window);
        const SIZE size = textSize(text.c_str());
        EXPECT_EQ(placed.left, c.x) << text;
        EXPECT_EQ(placed.top, 0) << text;
        EXPECT_EQ(placed.right - placed.left, size.cx + 5) << text;
        EXPECT_EQ(placed.bottom - placed.top, size.cy + 4) << text;
        EXPECT_TRUE(IsWindowVisible(tip.window));
        EXPECT_EQ(windowText(tip.window), text);
        EXPECT_EQ(windowText(status), text);
    }
}

// Counts what would move or repaint the tooltip.
void activityHook(WindowHook* record, HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_WINDOWPOSCHANGING || message == WM_PAINT) {
        ++*reinterpret_cast<int*>(record->userValue);
    }
}

TEST_F(ToolTipTest, RepeatedHoversNeitherMoveNorRepaint) {
    HWND save = button(TestToolbar::kSave);
    tip.show(save, status);
    UpdateWindow(tip.window);
    int activity = 0;
    ASSERT_NE(WindowHook::install(tip.window, activityHook, reinterpret_cast<LONG_PTR>(&activity)),
              nullptr);

    for (int i = 0; i < 5; ++i) {
        tip.show(save, status);
        UpdateWindow(tip.window);
    }

    EXPECT_EQ(activity, 0);
    EXPECT_EQ(rectInParent(tip.window).left, 99);
    WindowHook::remove(tip.window);
}

TEST_F(ToolTipTest, NearTheRightOrBottomEdgeIsShiftedBackIn) {
    // A view narrower than the reach of the rightmost button (at 99).
    MoveWindow(view, 0, kToolbarHeight, 110, 200, TRUE);
    tip.show(button(TestToolbar::kSave), status);
    RECT placed = rectInParent(tip.window);
    EXPECT_EQ(placed.right, 110);
    EXPECT_EQ(placed.left, 110 - (textSize("Saved game").cx + 5));
    EXPECT_EQ(placed.top, 0);

    // A view lower than the tooltip.
    MoveWindow(view, 0, kToolbarHeight, 400, 8, TRUE);
    tip.show(button(TestToolbar::kExit), status);
    placed = rectInParent(tip.window);
    EXPECT_EQ(placed.bottom, 8);
    EXPECT_EQ(placed.left, 1);
}

TEST_F(ToolTipTest, StatusTextBeforeTheFirstTooltipComesBackOnHide) {
    for (const char* before : {"You released 12 cells", ""}) {
        statusBar.setMessage(before);
        tip.show(button(TestToolbar::kExit), status);
        tip.show(button(TestToolbar::kPause), status);
        // A message arriving under the tooltip gives way to the saved text.
        statusBar.setMessage("You created bars");
        tip.show(button(TestToolbar::kDisplayOptions), status);
        EXPECT_EQ(windowText(status), "Display Options");
        tip.hide();
        EXPECT_EQ(windowText(status), before);
        EXPECT_FALSE(IsWindowVisible(tip.window));
        EXPECT_EQ(tip.currentTool, nullptr);
    }
    // Hiding a hidden tooltip leaves the status alone.
    statusBar.setMessage("Level 2");
    tip.hide();
    EXPECT_EQ(windowText(status), "Level 2");
}

TEST_F(ToolTipTest, ToolWithoutTextHidesTheTooltip) {
    statusBar.setMessage("Level 1");
    tip.show(button(TestToolbar::kExit), status);
    SetWindowTextA(button(TestToolbar::kOpen), "");
    tip.show(button(TestToolbar::kOpen), status);
    EXPECT_FALSE(IsWindowVisible(tip.window));
    EXPECT_EQ(windowText(status), "Level 1");

    // Without a status window the tooltip still shows and hides.
    tip.show(button(TestToolbar::kExit), nullptr);
    EXPECT_TRUE(IsWindowVisible(tip.window));
    tip.hide();
    EXPECT_FALSE(IsWindowVisible(tip.window));
}

TEST_F(ToolTipTest, PaintsItsTextBlackOnWhite) {
    tip.show(button(TestToolbar::kDisplayOptions), status);
    UpdateWindow(tip.window);
    RECT client{};
    GetClientRect(tip.window, &client);
    HDC dc = GetDC(tip.window);
    int dark = 0, white = 0;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            dark += pixel == RGB(0, 0, 0) ? 1 : 0;
            white += pixel == RGB(255, 255, 255) ? 1 : 0;
        }
    }
    ReleaseDC(tip.window, dc);
    EXPECT_GT(dark, 20);
    EXPECT_GT(white, dark);
}

}  // namespace
