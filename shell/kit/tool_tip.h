// The tooltip of the toolbar: shown under the button the mouse rests on,
// with the button's text, which it also puts into a status window until it
// hides again.
#pragma once

#include "shell/kit/window_wrapper.h"

class ToolTip : public WindowWrapper {
  public:
    static constexpr int kTextChars = 80;  // including the terminator

    ToolTip();

    // Creates the hidden tooltip as a child of its owner, the window it is
    // shown in.
    HWND create(HWND owner);

    // Shows the tool's text under the tool and in the status window (which
    // may be null). Showing the current tool again does nothing.
    void show(HWND tool, HWND status);

    // Hides the tooltip and gives the status window back the text it had
    // before the first tooltip.
    void hide();

    int x = 0;  // in the owner's client coordinates
    int y = 0;
    int width = 1;
    int height = 1;
    HWND currentTool = nullptr;
    HWND ownerWindow = nullptr;
    HWND statusWindow = nullptr;
    char savedStatusText[kTextChars] = "";

  private:
    void takeOverStatus(HWND status, const char* text);
    void placeUnder(HWND tool, const char* text);
};
