#include "core/bmp_reader.h"

namespace {

constexpr size_t kHeadersBytes = 14 + 40;
constexpr int kLargestSide = 4096;  // far beyond any ball frame

uint32_t u16(const uint8_t* at) {
    return at[0] | at[1] << 8;
}

uint32_t u32(const uint8_t* at) {
    return u16(at) | u16(at + 2) << 16;
}

}  // namespace

bool readBmp(const uint8_t* bytes, size_t size, BitmapImage& image) {
    image = BitmapImage{};
    if (bytes == nullptr || size < kHeadersBytes || bytes[0] != 'B' || bytes[1] != 'M') {
        return false;
    }
    const uint32_t offset = u32(bytes + 10);
    const uint32_t headerBytes = u32(bytes + 14);
    const int32_t width = static_cast<int32_t>(u32(bytes + 18));
    const int32_t signedHeight = static_cast<int32_t>(u32(bytes + 22));
    const bool topDown = signedHeight < 0;
    const int32_t height = topDown ? -signedHeight : signedHeight;
    if (headerBytes < 40 || u16(bytes + 26) != 1 || u16(bytes + 28) != 24 || u32(bytes + 30) != 0 ||
        width < 1 || width > kLargestSide || height < 1 || height > kLargestSide) {
        return false;
    }
    const size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    if (offset > size || size - offset < rowBytes * height) {
        return false;
    }
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = bytes + offset + rowBytes * (topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = row + 3 * x;
            image.pixels[static_cast<size_t>(y) * width + x] = p[2] << 16 | p[1] << 8 | p[0];
        }
    }
    return true;
}
