// Reads the program's images: Windows bitmap files of 24 bits per pixel,
// uncompressed, rows bottom up (or top down when the height is negative).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct BitmapImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first
};

// False, with an empty image, for anything else or a file cut short.
bool readBmp(const uint8_t* bytes, size_t size, BitmapImage& image);
