#include "core/pixels.h"

#include <algorithm>

PixelBox meeting(const PixelBox& a, const PixelBox& b) {
    return PixelBox{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                    std::min(a.bottom, b.bottom)};
}

void fillBox(PixelBuffer target, const PixelBox& box, uint32_t colour, const PixelBox& clip) {
    const PixelBox part = meeting(meeting(box, clip), PixelBox{0, 0, target.width, target.height});
    if (isEmpty(part)) {
        return;
    }
    for (int y = part.top; y < part.bottom; ++y) {
        uint32_t* row = target.pixels + static_cast<size_t>(y) * target.width;
        std::fill(row + part.left, row + part.right, colour);
    }
}

void outlinedBox(PixelBuffer target, const PixelBox& box, uint32_t inside, const PixelBox& clip) {
    const PixelBox& b = box;
    fillBox(target, PixelBox{b.left, b.top, b.right, b.top + 1}, kBlackPixel, clip);
    fillBox(target, PixelBox{b.left, b.bottom - 1, b.right, b.bottom}, kBlackPixel, clip);
    fillBox(target, PixelBox{b.left, b.top, b.left + 1, b.bottom}, kBlackPixel, clip);
    fillBox(target, PixelBox{b.right - 1, b.top, b.right, b.bottom}, kBlackPixel, clip);
    fillBox(target, PixelBox{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, inside, clip);
}
