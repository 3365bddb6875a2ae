// The tooltip window: a small window that shows its own text and never
// takes the mouse or the keyboard.
#include "shell/kit/kit_classes.h"
#include "shell/kit/kit_scale.h"

namespace {

constexpr int kTextChars = 80;  // including the terminator

LRESULT onCreate(HWND tip) {
    // Disabled, so clicks on the tooltip fall to nothing.
    EnableWindow(tip, FALSE);
    return 0;
}

LRESULT onPaint(HWND tip) {
    char text[kTextChars] = "";
    GetWindowTextA(tip, text, kTextChars);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(tip, &ps);
    HGDIOBJ oldFont = SelectObject(dc, kitFont());
    TextOutA(dc, 1, 1, text, lstrlenA(text));
    SelectObject(dc, oldFont);
    EndPaint(tip, &ps);
    return 0;
}

LRESULT CALLBACK toolTipProc(HWND tip, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return onCreate(tip);
        case WM_PAINT:
            return onPaint(tip);
        default:
            return DefWindowProcA(tip, message, wParam, lParam);
    }
}

}  // namespace

bool registerToolTipClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.style = 0;
    windowClass.lpfnWndProc = toolTipProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kToolTipClassName;
    return RegisterClassA(&windowClass) != 0;
}
