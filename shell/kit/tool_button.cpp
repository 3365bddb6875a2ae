#include "shell/kit/tool_button.h"

#include "shell/kit/kit_scale.h"
#include "shell/kit/window_hook.h"

namespace {

// Pixels of the button's rim where the pointer counts as outside.
constexpr int kRimLow = 2;
constexpr int kRimHigh = 3;

void report(HWND button, WORD code) {
    SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(0, code),
                 reinterpret_cast<LPARAM>(button));
}

void reportHover(HWND button, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    RECT client{};
    GetClientRect(button, &client);
    const bool inside = x > kitPixels(kRimLow) && y > kitPixels(kRimLow) &&
                        x < client.right - kitPixels(kRimHigh) &&
                        y < client.bottom - kitPixels(kRimHigh);
    if (inside) {
        // However the pointer leaves (out of the window, off the screen, or
        // the button hidden under it), the button hears of it.
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, button, 0};
        TrackMouseEvent(&leave);
    }
    report(button, inside ? TOOL_HOVER : TOOL_LEAVE);
}

void hoverHook(WindowHook*, HWND button, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_MOUSEMOVE) {
        reportHover(button, lParam);
    } else if (message == WM_MOUSELEAVE) {
        report(button, TOOL_LEAVE);
    }
}

HANDLE loadIcon(HINSTANCE instance, LPCSTR icon, int size) {
    if (size == 0) {
        return LoadIconA(instance, icon);
    }
    return LoadImageA(instance, icon, IMAGE_ICON, size, size, LR_DEFAULTCOLOR);
}

}  // namespace

ToolButton::ToolButton() {
    tabStop = true;
}

void ToolButton::setImage(LPCSTR iconResource, int size) {
    icon = iconResource;
    if (size >= 0) {
        imageSize = size;
    }
}

HWND ToolButton::create(WindowWrapper* parent, LPCSTR text, int x, int y, int width, int height,
                        int controlId) {
    DWORD style = static_cast<DWORD>(buttonStyle);
    if (bitmap != 0) {
        style = BS_BITMAP;
    } else if (icon != nullptr) {
        style = BS_ICON;
    }
    if (createChild(parent, "BUTTON", text, style, x, y, width, height, controlId, 0) == nullptr) {
        return nullptr;
    }

    HINSTANCE resources = parent != nullptr ? parent->instance : nullptr;
    if (icon != nullptr) {
        SendMessageA(window, BM_SETIMAGE, IMAGE_ICON,
                     reinterpret_cast<LPARAM>(loadIcon(resources, icon, imageSize)));
    } else if (bitmap != 0) {
        HBITMAP image = LoadBitmapA(resources, MAKEINTRESOURCEA(bitmap));
        SendMessageA(window, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
    }
    if (icon != nullptr || bitmap != 0) {
        WindowHook::install(window, hoverHook, 0);
    }
    return window;
}
