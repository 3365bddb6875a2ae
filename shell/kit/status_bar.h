// The status bar along the bottom of the frame: a panel with a wide
// message pane on the left and a clock pane on the right.
#pragma once

#include "shell/kit/label.h"
#include "shell/kit/window_wrapper.h"

class StatusBar : public WindowWrapper {
  public:
    StatusBar();

    // Places the bar along the bottom of its parent's client area and the
    // panes inside it; the first call creates the panes.
    void arrange();

    void setMessage(LPCSTR text);

    // Shows the current local time in the clock pane.
    void updateClock();

    // The bar's height in the frame's client area.
    // 21 pixels at 96 dpi.
    static int height();
    // Rows of the bar kept below the frame's client area, out of sight.
    static constexpr int kHiddenRows = 2;
    Label messagePane;
    Label clockPane;
};
