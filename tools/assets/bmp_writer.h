// Writes a picture as a Windows bitmap file (BITMAPFILEHEADER, BITMAPINFOHEADER,
// 24 bits per pixel, bottom-up rows padded to 4 bytes). Alpha is dropped:
// the ball frames mark their transparent colour with the pixel at (0, 0).
#pragma once

#include "tools/assets/byte_writer.h"
#include "tools/assets/image.h"

namespace assets {

Bytes writeBmp(const Image& image);

// Bytes per row of a 24-bit bitmap, padded to a multiple of 4.
int bmpRowBytes(int width);

}  // namespace assets
