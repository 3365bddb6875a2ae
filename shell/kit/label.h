// A static text in the stock variable-width font; the status bar's panes.
#pragma once

#include "shell/kit/window_wrapper.h"

enum class TextAlignment { kLeft, kCentre, kRight };

class Label : public WindowWrapper {
  public:
    explicit Label(TextAlignment textAlignment = TextAlignment::kLeft) : alignment(textAlignment) {}

    // The height of one line of text: 13, or 17 with an edge.
    int textHeight() const;

    // Height 0 takes textHeight().
    HWND create(WindowWrapper* parent, LPCSTR text, int x, int y, int width, int height);

    TextAlignment alignment;
};
