#include "presentation/picture.h"

#include <algorithm>
#include <cstring>

bool Picture::resize(int width, int height) {
    if (exists() && width == width_ && height == height_) {
        return false;
    }
    release();
    if (width <= 0 || height <= 0) {
        return true;
    }
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    context_ = CreateCompatibleDC(nullptr);
    if (bitmap_ == nullptr || context_ == nullptr || bits == nullptr) {
        release();
        return true;
    }
    previous_ = SelectObject(context_, bitmap_);
    bits_ = static_cast<uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

void Picture::release() {
    if (context_ != nullptr) {
        if (previous_ != nullptr) {
            SelectObject(context_, previous_);
        }
        DeleteDC(context_);
    }
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
    context_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

void Picture::copyPixelsFrom(const Picture& source, const RECT& part) {
    if (!exists() || source.width_ != width_ || source.height_ != height_) {
        return;
    }
    const int left = std::max(0, static_cast<int>(part.left));
    const int right = std::min(width_, static_cast<int>(part.right));
    const int top = std::max(0, static_cast<int>(part.top));
    const int bottom = std::min(height_, static_cast<int>(part.bottom));
    if (left >= right) {
        return;
    }
    for (int y = top; y < bottom; ++y) {
        const size_t start = static_cast<size_t>(y) * width_ + left;
        std::memcpy(bits_ + start, source.bits_ + start, sizeof(uint32_t) * (right - left));
    }
}
