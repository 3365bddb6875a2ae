// A static text in the shared label font; the status bar's panes.
#pragma once

#include "shell/kit/window_wrapper.h"

class Label : public WindowWrapper {
  public:
    // alignment: 0 left, 1 centred, 2 right.
    explicit Label(int alignment);

    // Height 0 takes the text's own height: 13, or 17 with an edge.
    HWND create(WindowWrapper* parent, LPCSTR text, int x, int y, int width, int height);

    int alignment = 0;
};
