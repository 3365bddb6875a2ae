// A window handle together with the options it is created from. The
// toolbar panel, its buttons, the tooltip and the status bar are all built
// from it; each kind sets its own defaults and then creates its window.
#pragma once

#include <windows.h>

// The frame a window is created with.
enum class BorderKind { kNone, kThin, kSizing };
// The three-dimensional edge a window is created with.
enum class EdgeKind { kNone, kClient, kWindow, kStatic };

class WindowWrapper {
  public:
    WindowWrapper() = default;

    // Creates the window from the stored options; null when there is no
    // instance to create it with or the platform refuses.
    HWND create(LPCSTR className, LPCSTR text, DWORD style, int x, int y, int width, int height,
                HWND parent, int controlId, HINSTANCE instanceHandle, DWORD extendedStyle);

    // Creates the window as a child of another wrapper's window, with that
    // wrapper's instance.
    HWND createChild(WindowWrapper* parent, LPCSTR className, LPCSTR text, DWORD style, int x,
                     int y, int width, int height, int controlId, DWORD extendedStyle);

    void setFont(HFONT font, bool redraw);
    void setVisible(bool shown);
    void setText(LPCSTR text);

    HWND window = nullptr;
    HWND parentWindow = nullptr;
    HINSTANCE instance = nullptr;
    BorderKind borderKind = BorderKind::kNone;
    bool centred = false;  // centred on the desktop at creation
    bool tabStop = false;
    bool caption = false;
    bool group = false;
    bool maximiseBox = false;
    EdgeKind edgeKind = EdgeKind::kNone;
    bool visible = true;                     // follows the last show/hide request
    WindowWrapper* parentWrapper = nullptr;  // not owned
};
