// How the game view shows its picture: the pixels where the window, at
// `zoom`, differs from the picture drawScene draws afresh from the same
// state, each of whose pixels the view shows as a zoom x zoom block.
#pragma once

#include <windows.h>

#include <cstdint>

#include "presentation/game.h"
#include "presentation/picture.h"

inline int stalePixels(HWND view, Game& game, POINT corner, SIZE size, int zoom = 1) {
    Picture shown, fresh;
    shown.resize(size.cx * zoom, size.cy * zoom);
    fresh.resize(size.cx, size.cy);
    HDC window = GetDC(view);
    BitBlt(shown.context(), 0, 0, size.cx * zoom, size.cy * zoom, window, corner.x * zoom,
           corner.y * zoom, SRCCOPY);
    ReleaseDC(view, window);
    game.drawScene(fresh.context());
    GdiFlush();
    int stale = 0;
    for (int y = 0; y < size.cy * zoom; ++y) {
        for (int x = 0; x < size.cx * zoom; ++x) {
            const uint32_t difference = shown.pixels()[y * size.cx * zoom + x] ^
                                        fresh.pixels()[y / zoom * size.cx + x / zoom];
            stale += (difference & 0xFFFFFF) != 0 ? 1 : 0;
        }
    }
    return stale;
}
