#include "tests/win/kit/kit_fixture.h"

#include "shell/kit/kit_classes.h"

namespace {

constexpr const char* kFrameClass = "KitTestFrame";
constexpr const char* kViewClass = "KitTestView";

LRESULT CALLBACK recordingFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* log =
        reinterpret_cast<std::vector<RecordedCommand>*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_COMMAND && log != nullptr) {
        log->push_back({wParam, lParam});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void registerTestClass(HINSTANCE instance, const char* name, WNDPROC proc, int brush) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(brush));
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

struct ButtonRow {
    const char* text;
    int icon, x, command, visible;
};

constexpr ButtonRow kButtonRows[TestToolbar::kButtons] = {
    {"Exit", 134, 0, 8, 1},
    {"Play", 136, 24, 40006, 0},
    {"Pause", 137, 24, 40006, 1},
    {"Display Options", 135, 48, 40012, 1},
    {"Open saved game", 148, 74, 40019, 1},
    {"Saved game", 149, 98, 40018, 1},
};

}  // namespace

void KitTest::SetUp() {
    instance = GetModuleHandleA(nullptr);
    registerKitClasses(instance);
    registerTestClass(instance, kFrameClass, recordingFrameProc, WHITE_BRUSH);
    registerTestClass(instance, kViewClass, DefWindowProcA, GRAY_BRUSH);
    frame = CreateWindowExA(0, kFrameClass, "Kit test", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300,
                            nullptr, nullptr, instance, nullptr);
    ASSERT_NE(frame, nullptr);
    SetWindowLongPtrA(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&commands));
    buildToolbar();
}

void KitTest::TearDown() {
    if (frame != nullptr) {
        DestroyWindow(frame);
    }
}

HWND KitTest::createView(int width, int height) {
    return CreateWindowExA(0, kViewClass, "", WS_CHILD | WS_VISIBLE, 0, kToolbarHeight, width,
                           height, frame, nullptr, instance, nullptr);
}

void KitTest::buildToolbar() {
    toolbar.panel.edgeKind = 3;
    ASSERT_NE(toolbar.panel.create(kPanelClassName, "", WS_CHILD, 0, 0, 400, kToolbarHeight, frame,
                                   0, instance, 0),
              nullptr);
    for (int i = 0; i < TestToolbar::kButtons; ++i) {
        const ButtonRow& row = kButtonRows[i];
        ToolButton& button = toolbar.buttons[i];
        button.visibleFlag = row.visible;
        button.setImage(MAKEINTRESOURCEA(row.icon), 16);
        ASSERT_NE(button.create(&toolbar.panel, row.text, row.x, 1, 24, 24, row.command), nullptr);
    }
}

RECT rectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string windowText(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, static_cast<int>(sizeof text));
    return text;
}

LPARAM point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                      static_cast<WORD>(static_cast<short>(y)));
}
