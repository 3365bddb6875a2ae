// An icon button of the toolbar. While the mouse moves over it, it tells
// its parent whether the pointer is inside its rim (TOOL_HOVER) or on or
// beyond it (TOOL_LEAVE), so the game view can show and hide the tooltip.
#pragma once

#include "shell/kit/window_wrapper.h"

// Notification codes in the high word of the WM_COMMAND a tool button
// sends; the low word is 0 and lParam is the button's window.
constexpr WORD TOOL_HOVER = 6666;
constexpr WORD TOOL_LEAVE = 6667;

class ToolButton : public WindowWrapper {
  public:
    ToolButton();

    // Chooses the icon before the button is created; a negative size keeps
    // the current one (0: the icon's own size).
    void setImage(LPCSTR iconResource, int size);

    // The text is not drawn: it is what the tooltip shows.
    HWND create(WindowWrapper* parent, LPCSTR text, int x, int y, int width, int height,
                int controlId);

    LPCSTR icon = nullptr;  // resource name or numeric id; null for none
    int bitmap = 0;         // numeric resource id; 0 for none
    int imageSize = 0;      // square, pixels; 0: the image's own size
    int buttonStyle = 0;    // used when there is neither icon nor bitmap
};
