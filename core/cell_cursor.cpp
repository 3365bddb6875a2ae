#include "core/cell_cursor.h"

namespace {
int clamp(int value, int low, int high) {
    return value < low ? low : value > high ? high : value;
}
}  // namespace

int zoomForScreen(int dpi, int mostZoom) {
    constexpr int kPlainDpi = 96;
    constexpr int kFirstScaledDpi = 120;  // 125 %
    if (dpi < kFirstScaledDpi) {
        return 1;
    }
    return clamp((dpi + kPlainDpi / 2) / kPlainDpi, 1, mostZoom);
}

void CellCursor::move(PlayKey key, int rows, int cols) {
    if (shown_) {
        row_ += key == PlayKey::kDown ? 1 : key == PlayKey::kUp ? -1 : 0;
        col_ += key == PlayKey::kRight ? 1 : key == PlayKey::kLeft ? -1 : 0;
    }
    shown_ = true;
    fit(rows, cols);
}

void CellCursor::fit(int rows, int cols) {
    row_ = clamp(row_, 0, rows - 1);
    col_ = clamp(col_, 0, cols - 1);
}

bool CellCursor::pointerAt(int x, int y) {
    const bool moved = !pointerKnown_ || x != pointerX_ || y != pointerY_;
    pointerKnown_ = true;
    pointerX_ = x;
    pointerY_ = y;
    if (moved && shown_) {
        shown_ = false;
        return true;
    }
    return false;
}

PixelBox CellCursor::box(int cellWidth, int cellHeight) const {
    if (!shown_) {
        return PixelBox{};
    }
    return PixelBox{col_ * cellWidth, row_ * cellHeight, (col_ + 1) * cellWidth,
                    (row_ + 1) * cellHeight};
}
