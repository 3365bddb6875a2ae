// The tooltip under a tool button: where it appears, that it stays put on
// repeated hovers, that it keeps inside the game view, and that the status
// pane gets its text back.
#include "tests/win/kit/kit_fixture.h"

#include "shell/kit/status_bar.h"
#include "shell/kit/tool_tip.h"
#include "shell/kit/window_hook.h"

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

// Counts what would move or repaint the tooltip.
struct TipActivity {
    int positionChanges = 0;
    int paints = 0;
};

void activityHook(WindowHook* record, HWND, UINT message, WPARAM, LPARAM) {
    auto* activity = reinterpret_cast<TipActivity*>(record->userValue);
    if (message == WM_WINDOWPOSCHANGING) {
        ++activity->positionChanges;
    } else if (message == WM_PAINT) {
        ++activity->paints;
    }
}

class ToolTipTest : public KitTest {
  protected:
    void SetUp() override {
        KitTest::SetUp();
        buildToolbar(toolbar);
        view = createView(400, 300 - kToolbarHeight - 21);
        ASSERT_NE(view, nullptr);
        statusBar.create("FRAME_CLASS", "", WS_CHILD, 0, 0, 1, 1, frame, 0, instance, 0);
        statusBar.arrange();
        status = statusBar.messagePane.window;
        ASSERT_NE(status, nullptr);
        CreationSpy spy;
        ASSERT_NE(tip.create(view), nullptr);
        tipStyle = spy.lastStyle;
        tipExtendedStyle = spy.lastExtendedStyle;
    }

    HWND button(int index) const { return toolbar.buttons[index].window; }

    TestToolbar toolbar;
    StatusBar statusBar;
    ToolTip tip;
    HWND view = nullptr;
    HWND status = nullptr;
    DWORD tipStyle = 0;
    DWORD tipExtendedStyle = 0;
};

TEST_F(ToolTipTest, StartsHiddenDisabledAndBordered) {
    EXPECT_FALSE(IsWindowVisible(tip.window));
    EXPECT_EQ(tip.visibleFlag, 0);
    // Disabled: the tooltip never takes the mouse.
    EXPECT_FALSE(IsWindowEnabled(tip.window));
    EXPECT_EQ(tipStyle, static_cast<DWORD>(WS_CHILD | WS_BORDER));
    EXPECT_TRUE(tipExtendedStyle & WS_EX_TOPMOST);
    EXPECT_EQ(GetParent(tip.window), view);
}

TEST_F(ToolTipTest, AppearsUnderTheToolSizedToItsText) {
    HWND exit = button(TestToolbar::kExit);
    tip.show(exit, status);

    RECT toolRect{};
    RECT viewRect{};
    GetWindowRect(exit, &toolRect);
    GetWindowRect(view, &viewRect);
    const SIZE text = textSize("Exit");
    const RECT placed = rectInParent(tip.window);
    EXPECT_EQ(placed.left, toolRect.left - viewRect.left);
    EXPECT_EQ(placed.top, toolRect.bottom + 2 - viewRect.top);
    EXPECT_EQ(placed.right - placed.left, text.cx + 5);
    EXPECT_EQ(placed.bottom - placed.top, text.cy + 4);
    // The toolbar's static edge puts the first button one pixel in and two
    // down, so its tooltip starts at the top of the game view.
    EXPECT_EQ(placed.left, 1);
    EXPECT_EQ(placed.top, 0);
    EXPECT_TRUE(IsWindowVisible(tip.window));
    EXPECT_EQ(windowText(tip.window), "Exit");
    EXPECT_EQ(tip.currentTool, exit);
}

TEST_F(ToolTipTest, RepeatedHoversNeitherMoveNorRepaint) {
    HWND save = button(TestToolbar::kSave);
    tip.show(save, status);
    UpdateWindow(tip.window);
    const RECT first = rectInParent(tip.window);
    TipActivity activity;
    ASSERT_NE(WindowHook::install(tip.window, activityHook, reinterpret_cast<LONG_PTR>(&activity)),
              nullptr);

    for (int i = 0; i < 5; ++i) {
        tip.show(save, status);
        UpdateWindow(tip.window);
    }

    EXPECT_EQ(activity.positionChanges, 0);
    EXPECT_EQ(activity.paints, 0);
    const RECT after = rectInParent(tip.window);
    EXPECT_TRUE(EqualRect(&first, &after));
    WindowHook::remove(tip.window);
}

TEST_F(ToolTipTest, MovesToTheNextToolAndFollowsItsText) {
    tip.show(button(TestToolbar::kExit), status);
    tip.show(button(TestToolbar::kOpen), status);

    RECT toolRect{};
    RECT viewRect{};
    GetWindowRect(button(TestToolbar::kOpen), &toolRect);
    GetWindowRect(view, &viewRect);
    const RECT placed = rectInParent(tip.window);
    EXPECT_EQ(placed.left, toolRect.left - viewRect.left);
    EXPECT_EQ(placed.right - placed.left, textSize("Open saved game").cx + 5);
    EXPECT_EQ(windowText(tip.window), "Open saved game");
    EXPECT_EQ(windowText(status), "Open saved game");
}

TEST_F(ToolTipTest, NearTheRightEdgeIsShiftedLeftToEndAtTheEdge) {
    // A game view narrower than the reach of the rightmost button.
    MoveWindow(view, 0, kToolbarHeight, 110, 200, TRUE);
    HWND save = button(TestToolbar::kSave);
    tip.show(save, status);

    const RECT placed = rectInParent(tip.window);
    const int width = textSize("Saved game").cx + 5;
    EXPECT_EQ(placed.right, 110);
    EXPECT_EQ(placed.left, 110 - width);
    RECT toolRect{};
    RECT viewRect{};
    GetWindowRect(save, &toolRect);
    GetWindowRect(view, &viewRect);
    EXPECT_LT(placed.left, toolRect.left - viewRect.left);
}

TEST_F(ToolTipTest, NearTheBottomEdgeIsShiftedUp) {
    MoveWindow(view, 0, kToolbarHeight, 400, 8, TRUE);
    tip.show(button(TestToolbar::kExit), status);

    const RECT placed = rectInParent(tip.window);
    EXPECT_EQ(placed.bottom, 8);
}

struct StatusCase {
    const char* before;
};

void PrintTo(const StatusCase& c, std::ostream* out) {
    *out << '"' << c.before << '"';
}

class ToolTipStatusTest : public ToolTipTest, public ::testing::WithParamInterface<StatusCase> {};

INSTANTIATE_TEST_SUITE_P(BeforeTheFirstTooltip, ToolTipStatusTest,
                         ::testing::Values(StatusCase{"You released 12 cells"}, StatusCase{""}));

TEST_P(ToolTipStatusTest, StatusTextComesBackAfterTheTooltipHides) {
    statusBar.setMessage(GetParam().before);

    tip.show(button(TestToolbar::kExit), status);
    EXPECT_EQ(windowText(status), "Exit");
    tip.show(button(TestToolbar::kPause), status);
    EXPECT_EQ(windowText(status), "Pause");
    tip.show(button(TestToolbar::kDisplayOptions), status);
    tip.hide();

    EXPECT_EQ(windowText(status), GetParam().before);
    EXPECT_FALSE(IsWindowVisible(tip.window));
    EXPECT_EQ(tip.currentTool, nullptr);
}

TEST_P(ToolTipStatusTest, MessageArrivingUnderTheTooltipGivesWayToTheSavedText) {
    statusBar.setMessage(GetParam().before);
    tip.show(button(TestToolbar::kSave), status);

    statusBar.setMessage("You created bars");
    tip.hide();

    EXPECT_EQ(windowText(status), GetParam().before);
}

TEST_P(ToolTipStatusTest, EachShowingSavesTheTextAnew) {
    statusBar.setMessage(GetParam().before);
    tip.show(button(TestToolbar::kExit), status);
    tip.hide();
    statusBar.setMessage("Level 2");

    tip.show(button(TestToolbar::kPause), status);
    tip.hide();

    EXPECT_EQ(windowText(status), "Level 2");
}

TEST_F(ToolTipTest, HidingWhenHiddenLeavesTheStatusAlone) {
    statusBar.setMessage("Game paused");
    tip.hide();
    EXPECT_EQ(windowText(status), "Game paused");
}

TEST_F(ToolTipTest, ToolWithoutTextHidesTheTooltip) {
    statusBar.setMessage("Level 1");
    tip.show(button(TestToolbar::kExit), status);
    SetWindowTextA(button(TestToolbar::kOpen), "");

    tip.show(button(TestToolbar::kOpen), status);

    EXPECT_FALSE(IsWindowVisible(tip.window));
    EXPECT_EQ(windowText(status), "Level 1");
}

TEST_F(ToolTipTest, WorksWithoutAStatusWindow) {
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
    int dark = 0;
    int white = 0;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            if (pixel == RGB(0, 0, 0)) {
                ++dark;
            } else if (pixel == RGB(255, 255, 255)) {
                ++white;
            }
        }
    }
    ReleaseDC(tip.window, dc);
    EXPECT_GT(dark, 20);
    EXPECT_GT(white, dark);
}

}  // namespace
