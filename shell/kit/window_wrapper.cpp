#include "shell/kit/window_wrapper.h"

namespace {

// Style bits the flags add. The tab-stop and maximise-box flags share one
// bit, as they do in the platform's own definitions.
constexpr DWORD kTabStopBit = 0x00010000;
constexpr DWORD kGroupBit = 0x00020000;
constexpr DWORD kMaximiseBoxBit = 0x00010000;

DWORD borderStyle(int borderKind) {
    switch (borderKind) {
        case 1:
            return WS_BORDER;
        case 2:
            return WS_THICKFRAME;
        default:
            return 0;
    }
}

DWORD edgeStyle(int edgeKind) {
    switch (edgeKind) {
        case 1:
            return WS_EX_CLIENTEDGE;
        case 2:
            return WS_EX_WINDOWEDGE;
        case 3:
            return WS_EX_STATICEDGE;
        default:
            return 0;
    }
}

}  // namespace

HWND WindowWrapper::create(LPCSTR className, LPCSTR text, DWORD style, int x, int y, int width,
                           int height, HWND parent, int controlId, HINSTANCE instanceHandle,
                           DWORD extendedStyle) {
    parentWindow = parent;
    instance = instanceHandle;
    if (instance == nullptr && parent != nullptr) {
        instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    }
    if (instance == nullptr) {
        return nullptr;
    }

    if (centreFlag == 1) {
        RECT desktop{};
        GetWindowRect(GetDesktopWindow(), &desktop);
        x = (desktop.right - width) / 2;
        y = (desktop.bottom - height) / 2;
    }

    style |= borderStyle(borderKind);
    if (visibleFlag == 1) {
        style |= WS_VISIBLE;
    }
    if (tabStopFlag == 1) {
        style |= kTabStopBit;
    }
    if (captionFlag == 1) {
        style |= WS_CAPTION;
    }
    if (groupFlag == 1) {
        style |= kGroupBit;
    }
    if (maximiseBoxFlag == 1) {
        style |= kMaximiseBoxBit;
    }
    extendedStyle |= edgeStyle(edgeKind);

    // A child window's menu argument carries its control id.
    HMENU menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId));
    window = CreateWindowExA(extendedStyle, className, text, style, x, y, width, height, parent,
                             menuOrId, instance, nullptr);
    if (window != nullptr && visibleFlag == 1) {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }
    return window;
}

HWND WindowWrapper::createChild(WindowWrapper* parent, LPCSTR className, LPCSTR text, DWORD style,
                                int x, int y, int width, int height, int controlId,
                                DWORD extendedStyle) {
    parentWrapper = parent;
    HWND parentHandle = parent != nullptr ? parent->window : nullptr;
    HINSTANCE parentInstance = parent != nullptr ? parent->instance : nullptr;
    return create(className, text, style | WS_CHILD, x, y, width, height, parentHandle, controlId,
                  parentInstance, extendedStyle);
}

void WindowWrapper::setFont(HFONT font, int redraw) {
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font),
                 MAKELPARAM(static_cast<WORD>(redraw), 0));
}

void WindowWrapper::setVisible(int flag) {
    visibleFlag = flag;
    if (window != nullptr) {
        ShowWindow(window, flag ? SW_SHOW : SW_HIDE);
        UpdateWindow(window);
    }
}

void WindowWrapper::setText(LPCSTR text) {
    SetWindowTextA(window, text);
}
