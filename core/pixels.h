// A picture as the program composes it, whatever shows it: 32-bit pixels
// 0x00RRGGBB, the rows top down one after another.
#pragma once

#include <cstdint>

struct PixelBuffer {
    uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

// The pixels from left to right - 1 and from top to bottom - 1.
struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

inline bool isEmpty(const PixelBox& box) {
    return box.right <= box.left || box.bottom <= box.top;
}

// The pixels two boxes share.
PixelBox meeting(const PixelBox& a, const PixelBox& b);

constexpr uint32_t kBlackPixel = 0x000000;
constexpr uint32_t kWhitePixel = 0xFFFFFF;

// Fills a box of the buffer, cut to the buffer and to `clip`.
void fillBox(PixelBuffer target, const PixelBox& box, uint32_t colour, const PixelBox& clip);
// A box filled with `inside` and outlined one pixel wide in black, cut to
// the buffer and to `clip`; a box one or two pixels across is all outline.
void outlinedBox(PixelBuffer target, const PixelBox& box, uint32_t inside, const PixelBox& clip);
