// The kit's sizes are given for a screen of 96 dots per inch; on a scaled
// screen they grow with it, so bars and panes keep their look. The game
// view sets the screen's dots per inch before it builds its bars and when
// its window moves to a screen of another scale.
#pragma once

#include <windows.h>

constexpr int kPlainDpi = 96;

void setKitDpi(int dpi);
int kitDpi();
// A size given at 96 dpi, at the screen's.
int kitPixels(int pixels);
// The kit's text font: the system's variable-pitch font at 96 dpi, an
// 8-point sans-serif font of the screen's size on a scaled screen.
HFONT kitFont();
