// Playing without a mouse: a cursor on one cell of the field that the arrow
// keys move, and the keys that launch and turn the bars from it. Each
// edition turns its own key codes into PlayKey; what a key does is decided
// here, once.
#pragma once

#include "core/pixels.h"

enum class PlayKey { kLeft, kRight, kUp, kDown, kLaunch, kSwitch };

// The zoom a screen of `dpi` dots per inch asks for when the player has
// chosen none: the whole number nearest its scale (96 dpi is 1, halves round
// up), 1 below 125 %, and at most `mostZoom`.
int zoomForScreen(int dpi, int mostZoom);

// The cell the keys point at, kept inside the field, and whether it is shown:
// from the first key that moves it until the mouse moves.
class CellCursor {
  public:
    int row() const { return row_; }
    int col() const { return col_; }
    bool shown() const { return shown_; }
    // Shows the cursor; once shown, each call moves it one cell, stopping at
    // the field's edge.
    void move(PlayKey key, int rows, int cols);
    // Keeps the cursor inside a field of that size.
    void fit(int rows, int cols);
    // Back to the middle of a field of that size.
    void centre(int rows, int cols) {
        row_ = rows / 2;
        col_ = cols / 2;
    }
    void show() { shown_ = true; }
    // The mouse pointer seen at (x, y): the cursor hides when it moved.
    // Windows also reports a pointer that stood still, when a window under
    // it changed: that keeps the cursor.
    bool pointerAt(int x, int y);
    // The cell's box in the picture of a field of cells of that size.
    PixelBox box(int cellWidth, int cellHeight) const;

  private:
    int row_ = 0, col_ = 0;
    bool shown_ = false;
    bool pointerKnown_ = false;
    int pointerX_ = 0, pointerY_ = 0;
};
