#include "tests/win/kit/kit_fixture.h"

#include "shell/kit/kit_classes.h"

namespace {

constexpr const char* kFrameClass = "KitTestFrame";
constexpr const char* kViewClass = "KitTestView";

LRESULT CALLBACK recordingFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        auto* log = reinterpret_cast<std::vector<RecordedCommand>*>(
            GetWindowLongPtrA(window, GWLP_USERDATA));
        if (log != nullptr) {
            log->push_back({wParam, lParam});
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void registerTestClasses(HINSTANCE instance) {
    WNDCLASSA frameClass{};
    frameClass.lpfnWndProc = recordingFrameProc;
    frameClass.hInstance = instance;
    frameClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    frameClass.lpszClassName = kFrameClass;
    RegisterClassA(&frameClass);

    WNDCLASSA viewClass{};
    viewClass.lpfnWndProc = DefWindowProcA;
    viewClass.hInstance = instance;
    viewClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    viewClass.lpszClassName = kViewClass;
    RegisterClassA(&viewClass);
}

struct ButtonRow {
    const char* text;
    int icon;
    int x;
    int command;
    int visible;
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
    registerTestClasses(instance);
    frame = createFrame(400, 300);
    ASSERT_NE(frame, nullptr);
}

void KitTest::TearDown() {
    if (frame != nullptr) {
        DestroyWindow(frame);
    }
}

HWND KitTest::createFrame(int width, int height) {
    HWND window = CreateWindowExA(0, kFrameClass, "Kit test", WS_POPUP | WS_VISIBLE, 100, 100,
                                  width, height, nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&commands));
    return window;
}

HWND KitTest::createView(int width, int height) {
    return CreateWindowExA(0, kViewClass, "", WS_CHILD | WS_VISIBLE, 0, kToolbarHeight, width,
                           height, frame, nullptr, instance, nullptr);
}

void KitTest::buildToolbar(TestToolbar& toolbar) {
    RECT client{};
    GetClientRect(frame, &client);
    toolbar.panel.edgeKind = 3;
    ASSERT_NE(toolbar.panel.create(kPanelClassName, "", WS_CHILD, 0, 0, client.right,
                                   kToolbarHeight, frame, 0, instance, 0),
              nullptr);
    for (int i = 0; i < TestToolbar::kButtons; ++i) {
        const ButtonRow& row = kButtonRows[i];
        ToolButton& button = toolbar.buttons[i];
        button.visibleFlag = row.visible;
        button.setImage(MAKEINTRESOURCEA(row.icon), 16);
        ASSERT_NE(button.create(&toolbar.panel, row.text, row.x, 1, 24, 24, row.command), nullptr);
    }
}

void KitTest::resizeFrame(int width, int height) {
    SetWindowPos(frame, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

std::vector<RecordedCommand> KitTest::hoverReports() const {
    std::vector<RecordedCommand> reports;
    for (const RecordedCommand& command : commands) {
        const WORD code = HIWORD(command.wParam);
        if (code == TOOL_HOVER || code == TOOL_LEAVE) {
            reports.push_back(command);
        }
    }
    return reports;
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

namespace {
CreationSpy* activeSpy = nullptr;
}

CreationSpy::CreationSpy() {
    activeSpy = this;
    hook = SetWindowsHookExA(WH_CBT, onCbt, nullptr, GetCurrentThreadId());
}

CreationSpy::~CreationSpy() {
    UnhookWindowsHookEx(hook);
    activeSpy = nullptr;
}

LRESULT CALLBACK CreationSpy::onCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && activeSpy != nullptr) {
        const CREATESTRUCTA* creation = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        activeSpy->lastStyle = static_cast<DWORD>(creation->style);
        activeSpy->lastExtendedStyle = creation->dwExStyle;
        ++activeSpy->created;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
