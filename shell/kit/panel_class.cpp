// The panel: a plain container that passes its children's commands on to
// its own parent, so a tool button's command reaches the frame.
#include "shell/kit/kit_classes.h"

namespace {

LRESULT onCommand(HWND panel, WPARAM wParam, LPARAM lParam) {
    HWND parent = GetParent(panel);
    if (parent != nullptr) {
        SendMessageA(parent, WM_COMMAND, wParam, lParam);
    }
    return 0;
}

LRESULT onPaint(HWND panel) {
    // The class brush is the whole picture.
    PAINTSTRUCT ps;
    BeginPaint(panel, &ps);
    EndPaint(panel, &ps);
    return 0;
}

LRESULT CALLBACK panelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            return onCommand(panel, wParam, lParam);
        case WM_PAINT:
            return onPaint(panel);
        default:
            return DefWindowProcA(panel, message, wParam, lParam);
    }
}

}  // namespace

bool registerPanelClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.style = 0;
    windowClass.lpfnWndProc = panelProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = GetSysColorBrush(COLOR_MENU);
    windowClass.lpszClassName = kPanelClassName;
    return RegisterClassA(&windowClass) != 0;
}
