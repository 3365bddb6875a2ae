#include "presentation/picture.h"

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

void Picture::copyPixelsFrom(const Picture& source) {
    if (!exists() || source.width_ != width_ || source.height_ != height_) {
        return;
    }
    std::memcpy(bits_, source.bits_, sizeof(uint32_t) * width_ * height_);
}
