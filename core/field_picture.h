// The field's pixels: the same for every front end. The still part (the
// background with its outline, the grid lines, the walls) changes only when
// a wall or an option does; the bars and the balls are drawn over it.
#pragma once

#include <cstdint>

#include "core/ball_images.h"
#include "core/pixels.h"
#include "core/themes.h"
#include "model/level.h"

// The field's size in pixels and cells.
struct FieldShape {
    int width, height;
    int rows, cols;
    int cellWidth, cellHeight;
};

// The field background outlined in black; black lines at every cell
// boundary when gridLines is set (the right and bottom edges are the
// outline's); each wall cell a box of the wall colour outlined in black.
void composeStillField(PixelBuffer target, const FieldShape& shape, bool gridLines,
                       const int32_t (&cells)[kMaxRows][kMaxCols], const FieldColours& colours);

// What a bar covers while it grows, in the pixels of a field whose corner
// is at (fieldLeft, fieldTop) of the bar's coordinates; empty when it is not
// drawn (idle, or not yet a pixel long).
PixelBox barBox(const Bar& bar, int cellWidth, int cellHeight, int fieldLeft, int fieldTop);
// The bar growing up or left is the first of its pair.
uint32_t barColour(const Bar& bar, const FieldColours& colours);
// The box in the bar's colour, outlined in black.
void composeBar(PixelBuffer target, const PixelBox& box, uint32_t colour, const PixelBox& clip);

// The keyboard's cell cursor on `cell`: a white ring two pixels wide with a
// black one inside, seen on every theme's field, walls and bars.
void composeCellCursor(PixelBuffer target, const PixelBox& cell, const PixelBox& clip);

// A whole field: the still part, both bars, every ball with `frame` (none
// when it is null) centred on its place, then the cell cursor (none when
// its box is empty).
struct FieldScene {
    const Level* level;
    FieldShape shape;
    int fieldLeft, fieldTop;  // the field's corner in the balls' and bars' coordinates
    FieldColours colours;
    const BallImage* frame;
    PixelBox cursor;
};
void composeField(PixelBuffer target, const FieldScene& scene);
