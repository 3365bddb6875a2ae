// Creating windows from a wrapper's options, showing and hiding them, and
// labels with their default heights.
#include "shell/kit/kit_classes.h"
#include "shell/kit/label.h"
#include "tests/win/kit/kit_fixture.h"

namespace {

TEST_F(KitTest, CreateTakesTheInstanceFromTheParentAndTheWindowFollowsTheWrapper) {
    WindowWrapper orphan;
    EXPECT_EQ(orphan.create("STATIC", "x", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr, 0),
              nullptr);

    WindowWrapper wrapper;
    wrapper.setVisible(0);  // before the window exists: only the flag
    HWND window = wrapper.create("STATIC", "old", WS_CHILD, 5, 6, 30, 20, frame, 17, nullptr, 0);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(wrapper.instance, instance);
    EXPECT_EQ(GetDlgCtrlID(window), 17);
    const RECT placed = rectInParent(window);
    EXPECT_EQ(placed.left, 5);
    EXPECT_EQ(placed.top, 6);
    EXPECT_FALSE(IsWindowVisible(window));
    for (int flag : {1, 0}) {
        wrapper.setVisible(flag);
        EXPECT_EQ(wrapper.visibleFlag, flag);
        EXPECT_EQ(IsWindowVisible(window) != 0, flag == 1);
    }
    wrapper.setText("new");
    EXPECT_EQ(windowText(window), "new");
    HFONT font = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    wrapper.setFont(font, 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), font);
}

// The window edge (edge kind 2) is left out: the platform drops it from a
// window without a dialog frame.
TEST_F(KitTest, EachOptionAddsItsStyleBitAndNoOther) {
    constexpr DWORD kOptionBits = WS_BORDER | WS_THICKFRAME | WS_CAPTION | WS_VISIBLE | 0x00030000;
    constexpr DWORD kEdgeBits = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
    const struct {
        const char* name;
        void (*configure)(WindowWrapper&);
        DWORD style, extendedStyle;
    } cases[] = {{"none", [](WindowWrapper&) {}, 0, 0},
                 {"thin border", [](WindowWrapper& w) { w.borderKind = 1; }, WS_BORDER, 0},
                 {"sizing border", [](WindowWrapper& w) { w.borderKind = 2; }, WS_THICKFRAME, 0},
                 {"tab stop", [](WindowWrapper& w) { w.tabStopFlag = 1; }, 0x00010000, 0},
                 {"caption", [](WindowWrapper& w) { w.captionFlag = 1; }, WS_CAPTION, 0},
                 {"group", [](WindowWrapper& w) { w.groupFlag = 1; }, 0x00020000, 0},
                 {"maximise box", [](WindowWrapper& w) { w.maximiseBoxFlag = 1; }, 0x00010000, 0},
                 {"visible", [](WindowWrapper& w) { w.visibleFlag = 1; }, WS_VISIBLE, 0},
                 {"client edge", [](WindowWrapper& w) { w.edgeKind = 1; }, 0, WS_EX_CLIENTEDGE},
                 {"static edge", [](WindowWrapper& w) { w.edgeKind = 3; }, 0, WS_EX_STATICEDGE}};
    for (const auto& c : cases) {
        WindowWrapper wrapper;
        wrapper.visibleFlag = 0;
        c.configure(wrapper);
        HWND window = wrapper.create("STATIC", "", WS_CHILD, 0, 0, 40, 20, frame, 0, instance, 0);
        ASSERT_NE(window, nullptr) << c.name;
        EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & kOptionBits, c.style) << c.name;
        EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & kEdgeBits, c.extendedStyle) << c.name;
    }
}

TEST_F(KitTest, LabelHeightFollowsTheEdgeAndItUsesTheSharedFont) {
    const struct {
        int edgeKind, alignment, height;
        DWORD alignmentStyle;
    } cases[] = {
        {0, 0, 13, SS_LEFT}, {1, 0, 17, SS_LEFT}, {3, 1, 17, SS_CENTER}, {0, 2, 13, SS_RIGHT}};
    WindowWrapper panel;
    ASSERT_NE(panel.create(kPanelClassName, "", WS_CHILD, 0, 0, 300, 40, frame, 0, instance, 0),
              nullptr);
    for (const auto& c : cases) {
        Label label(c.alignment);
        label.edgeKind = c.edgeKind;
        ASSERT_NE(label.create(&panel, "Level 1", 4, 2, 120, 0), nullptr);
        const RECT placed = rectInParent(label.window);
        EXPECT_EQ(placed.bottom - placed.top, c.height) << "edge " << c.edgeKind;
        EXPECT_EQ(placed.right - placed.left, 120);
        EXPECT_EQ(GetParent(label.window), panel.window);
        EXPECT_EQ(GetWindowLongA(label.window, GWL_STYLE) & SS_TYPEMASK, c.alignmentStyle);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(label.window, WM_GETFONT, 0, 0)),
                  static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT)));
        EXPECT_EQ(windowText(label.window), "Level 1");
    }
}

}  // namespace
