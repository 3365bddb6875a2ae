// The floor under the game's CPU use: a window of the game's client size at
// level 1 whose 2 ms timer has it copy a ready picture of that size, all
// the work a paint must do at best. Measured by hand with cpu_use.sh:
//   cpu_use.sh build/windows/bench/win/copy_floor.exe 30 '^Zembal floor$'
// Arguments: the client width and height (default: the frame's client area
// around the 20 x 30 field with both bars shown).
#include <windows.h>

#include <cstdlib>

#include "presentation/picture.h"

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kPeriodMs = 2;
constexpr int kDefaultWidth = 432;
constexpr int kDefaultHeight = 382;

Picture ready;

LRESULT CALLBACK floorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC context = BeginPaint(window, &ps);
            BitBlt(context, 0, 0, ready.width(), ready.height(), ready.context(), 0, 0, SRCCOPY);
            EndPaint(window, &ps);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int width = argc > 2 ? std::atoi(argv[1]) : kDefaultWidth;
    const int height = argc > 2 ? std::atoi(argv[2]) : kDefaultHeight;
    ready.resize(width, height);
    if (!ready.exists()) {
        return 1;
    }
    for (int i = 0; i < width * height; ++i) {
        ready.pixels()[i] = 0xC0C0C0;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = floorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "ZEMBAL_FLOOR";
    RegisterClassA(&windowClass);
    RECT outer = {0, 0, width, height};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, TRUE);  // the game's frame has a menu
    HWND window = CreateWindowA("ZEMBAL_FLOOR", "Zembal floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    SetTimer(window, kTimerId, kPeriodMs, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
