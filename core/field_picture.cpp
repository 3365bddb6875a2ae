#include "core/field_picture.h"

void composeStillField(PixelBuffer target, const FieldShape& shape, bool gridLines,
                       const int32_t (&cells)[kMaxRows][kMaxCols], const FieldColours& colours) {
    const PixelBox all = {0, 0, shape.width, shape.height};
    outlinedBox(target, all, colours.field, all);
    if (gridLines) {
        for (int r = 0; r < shape.rows; ++r) {
            const int y = r * shape.cellHeight;
            fillBox(target, PixelBox{0, y, shape.width, y + 1}, kBlackPixel, all);
        }
        for (int c = 0; c < shape.cols; ++c) {
            const int x = c * shape.cellWidth;
            fillBox(target, PixelBox{x, 0, x + 1, shape.height}, kBlackPixel, all);
        }
    }
    for (int r = 0; r < shape.rows && r < kMaxRows; ++r) {
        for (int c = 0; c < shape.cols && c < kMaxCols; ++c) {
            if (cells[r][c] == kCellWall) {
                const PixelBox cell = {c * shape.cellWidth, r * shape.cellHeight,
                                       (c + 1) * shape.cellWidth, (r + 1) * shape.cellHeight};
                outlinedBox(target, cell, colours.wall, all);
            }
        }
    }
}

PixelBox barBox(const Bar& bar, int cellWidth, int cellHeight, int fieldLeft, int fieldTop) {
    if (bar.ACTIVE != 0) {
        return PixelBox{};
    }
    int left = bar.XSTART;
    int top = bar.YSTART;
    int width = bar.SIZE;
    int height = bar.SIZE;
    switch (bar.DRCT) {
        case kUp:
            top = bar.YEND;
            height = cellHeight + bar.YSTART - bar.YEND;
            break;
        case kDown:
            height = bar.YEND - bar.YSTART;
            break;
        case kLeft:
            left = bar.XEND;
            width = cellWidth + bar.XSTART - bar.XEND;
            break;
        case kRight:
            width = bar.XEND - bar.XSTART;
            break;
        default:
            return PixelBox{};
    }
    if (width < 1 || height < 1) {
        return PixelBox{};
    }
    const int x = left - fieldLeft;
    const int y = top - fieldTop;
    return PixelBox{x, y, x + width, y + height};
}

uint32_t barColour(const Bar& bar, const FieldColours& colours) {
    return bar.DRCT == kUp || bar.DRCT == kLeft ? colours.firstBar : colours.secondBar;
}

void composeBar(PixelBuffer target, const PixelBox& box, uint32_t colour, const PixelBox& clip) {
    if (!isEmpty(box)) {
        outlinedBox(target, box, colour, clip);
    }
}

void composeCellCursor(PixelBuffer target, const PixelBox& cell, const PixelBox& clip) {
    constexpr int kWhiteWidth = 2;
    PixelBox ring = cell;
    for (int step = 0; step <= kWhiteWidth && !isEmpty(ring); ++step) {
        const uint32_t colour = step < kWhiteWidth ? kWhitePixel : kBlackPixel;
        fillBox(target, PixelBox{ring.left, ring.top, ring.right, ring.top + 1}, colour, clip);
        fillBox(target, PixelBox{ring.left, ring.bottom - 1, ring.right, ring.bottom}, colour,
                clip);
        fillBox(target, PixelBox{ring.left, ring.top, ring.left + 1, ring.bottom}, colour, clip);
        fillBox(target, PixelBox{ring.right - 1, ring.top, ring.right, ring.bottom}, colour, clip);
        ring = PixelBox{ring.left + 1, ring.top + 1, ring.right - 1, ring.bottom - 1};
    }
}

void composeField(PixelBuffer target, const FieldScene& scene) {
    const Level& level = *scene.level;
    const FieldShape& shape = scene.shape;
    composeStillField(target, shape, level.GRID == 1, level.grid, scene.colours);
    const PixelBox all = {0, 0, target.width, target.height};
    for (const Bar& bar : level.bars) {
        composeBar(target,
                   barBox(bar, shape.cellWidth, shape.cellHeight, scene.fieldLeft, scene.fieldTop),
                   barColour(bar, scene.colours), all);
    }
    for (const Ball& ball : level.balls) {
        if (scene.frame == nullptr || ball.endOfList != 0) {
            break;
        }
        composeBall(target, *scene.frame, ball.X - scene.fieldLeft, ball.Y - scene.fieldTop, all);
    }
    if (!isEmpty(scene.cursor)) {
        composeCellCursor(target, scene.cursor, all);
    }
}
