#include "shell/kit/window_wrapper.h"

namespace {

DWORD borderStyle(BorderKind kind) {
    switch (kind) {
        case BorderKind::kThin:
            return WS_BORDER;
        case BorderKind::kSizing:
            return WS_THICKFRAME;
        default:
            return 0;
    }
}

DWORD edgeStyle(EdgeKind kind) {
    switch (kind) {
        case EdgeKind::kClient:
            return WS_EX_CLIENTEDGE;
        case EdgeKind::kWindow:
            return WS_EX_WINDOWEDGE;
        case EdgeKind::kStatic:
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

    if (centred) {
        RECT desktop{};
        GetWindowRect(GetDesktopWindow(), &desktop);
        x = (desktop.right - width) / 2;
        y = (desktop.bottom - height) / 2;
    }

    style |= borderStyle(borderKind);
    if (visible) {
        style |= WS_VISIBLE;
    }
    if (tabStop) {
        style |= WS_TABSTOP;
    }
    if (caption) {
        style |= WS_CAPTION;
    }
    if (group) {
        style |= WS_GROUP;
    }
    if (maximiseBox) {
        style |= WS_MAXIMIZEBOX;
    }
    extendedStyle |= edgeStyle(edgeKind);

    // A child window's menu argument carries its control id.
    HMENU menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId));
    window = CreateWindowExA(extendedStyle, className, text, style, x, y, width, height, parent,
                             menuOrId, instance, nullptr);
    if (window != nullptr && visible) {
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

void WindowWrapper::setFont(HFONT font, bool redraw) {
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), MAKELPARAM(redraw ? 1 : 0, 0));
}

void WindowWrapper::setVisible(bool shown) {
    visible = shown;
    if (window != nullptr) {
        ShowWindow(window, shown ? SW_SHOW : SW_HIDE);
        UpdateWindow(window);
    }
}

void WindowWrapper::setText(LPCSTR text) {
    SetWindowTextA(window, text);
}
