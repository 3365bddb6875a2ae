#include "tools/assets/bmp_writer.h"

namespace assets {

namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

}  // namespace

int bmpRowBytes(int width) {
    return (width * 3 + 3) / 4 * 4;
}

Bytes writeBmp(const Image& image) {
    const int rowBytes = bmpRowBytes(image.width());
    const auto pixelBytes = static_cast<std::uint32_t>(rowBytes * image.height());
    const std::uint32_t pixelOffset = kFileHeaderBytes + kInfoHeaderBytes;

    Bytes out;
    out.reserve(pixelOffset + pixelBytes);
    putU8(out, 'B');
    putU8(out, 'M');
    putU32(out, pixelOffset + pixelBytes);
    putU32(out, 0);  // two reserved words
    putU32(out, pixelOffset);

    putU32(out, kInfoHeaderBytes);
    putS32(out, image.width());
    putS32(out, image.height());  // positive: bottom-up rows
    putU16(out, 1);               // planes
    putU16(out, 24);              // bits per pixel
    putU32(out, 0);               // BI_RGB, no compression
    putU32(out, pixelBytes);
    putS32(out, kPixelsPerMetre);
    putS32(out, kPixelsPerMetre);
    putU32(out, 0);  // colours used
    putU32(out, 0);  // important colours

    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Colour c = image.at(x, y);
            putU8(out, c.b);
            putU8(out, c.g);
            putU8(out, c.r);
        }
        for (int pad = image.width() * 3; pad < rowBytes; ++pad) {
            putU8(out, 0);
        }
    }
    return out;
}

}  // namespace assets
