// The ball frames of every theme as pixels, read from the program's own
// images (resources/images/110.bmp to 139.bmp, which the build puts into
// the program): frame i is image 110 + i.
#pragma once

#include <cstdint>
#include <vector>

#include "core/pixels.h"

constexpr int kBallImageCount = 30;

// A frame drawn over a picture keeps, per pixel, the picture's bits of
// `kept` and then gains those of `added`: every pixel of the frame's key
// colour (its pixel at (0, 0)) lets the picture show through, every other
// pixel covers it with its own colour.
struct BallImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> kept;
    std::vector<uint32_t> added;
};

// Null for an index outside 0 to kBallImageCount - 1 or an image that
// cannot be read.
const BallImage* ballImage(int index);

// The frame made from a bitmap's pixels (0x00RRGGBB, top row first).
BallImage ballImageFrom(int width, int height, const std::vector<uint32_t>& pixels);

// The box a frame covers centred on (cx, cy): it starts width / 2 left of
// and height / 2 above the centre, so a 14- and a 15-pixel frame both start
// 7 pixels off.
PixelBox ballBox(const BallImage& image, int cx, int cy);

// Draws the frame centred on (cx, cy), cut to the buffer and to `clip`.
void composeBall(PixelBuffer target, const BallImage& image, int cx, int cy, const PixelBox& clip);
