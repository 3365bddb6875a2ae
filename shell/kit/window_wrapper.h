// A window handle together with the options it is created from. The
// toolbar panel, its buttons, the tooltip and the status bar are all built
// from it; each kind sets its own defaults and then creates its window.
#pragma once

#include <windows.h>

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

    void setFont(HFONT font, int redraw);
    void setVisible(int flag);
    void setText(LPCSTR text);

    HWND window = nullptr;
    HWND parentWindow = nullptr;
    HINSTANCE instance = nullptr;
    int borderKind = 0;  // 0 none, 1 thin border, 2 sizing border
    int centreFlag = 0;  // 1: centred on the desktop at creation
    int tabStopFlag = 0;
    int captionFlag = 0;
    int groupFlag = 0;
    int maximiseBoxFlag = 0;
    int edgeKind = 0;                        // 0 none, 1 client edge, 2 window edge, 3 static edge
    int visibleFlag = 1;                     // follows the last show/hide request
    WindowWrapper* parentWrapper = nullptr;  // not owned
};
