#include "tools/assets/ico_writer.h"

namespace assets {

namespace {

constexpr std::uint32_t kDirectoryHeaderBytes = 6;
constexpr std::uint32_t kDirectoryEntryBytes = 16;
constexpr std::uint32_t kInfoHeaderBytes = 40;

std::uint32_t maskRowBytes(int width) {
    return static_cast<std::uint32_t>((width + 31) / 32 * 4);
}

void putDirectoryEntry(Bytes& out, const Image& image, std::uint32_t offset) {
    putU8(out, image.width() >= 256 ? 0 : image.width());
    putU8(out, image.height() >= 256 ? 0 : image.height());
    putU8(out, 0);   // no palette
    putU8(out, 0);   // reserved
    putU16(out, 1);  // planes
    putU16(out, 32);
    putU32(out, icoImageBytes(image.width(), image.height()));
    putU32(out, offset);
}

void putImage(Bytes& out, const Image& image) {
    const int w = image.width();
    const int h = image.height();
    putU32(out, kInfoHeaderBytes);
    putS32(out, w);
    putS32(out, 2 * h);  // colour bits and mask stacked
    putU16(out, 1);
    putU16(out, 32);
    putU32(out, 0);  // BI_RGB
    putU32(out, icoImageBytes(w, h) - kInfoHeaderBytes);
    putS32(out, 0);
    putS32(out, 0);
    putU32(out, 0);
    putU32(out, 0);

    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Colour c = image.at(x, y);
            putU8(out, c.b);
            putU8(out, c.g);
            putU8(out, c.r);
            putU8(out, c.a);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(maskRowBytes(w), 0);
        for (int x = 0; x < w; ++x) {
            if (image.at(x, y).a == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

}  // namespace

std::uint32_t icoImageBytes(int width, int height) {
    const auto pixels = static_cast<std::uint32_t>(width * height);
    return kInfoHeaderBytes + pixels * 4 + maskRowBytes(width) * static_cast<std::uint32_t>(height);
}

Bytes writeIco(const std::vector<Image>& images) {
    Bytes out;
    putU16(out, 0);  // reserved
    putU16(out, 1);  // icon, not cursor
    putU16(out, static_cast<unsigned>(images.size()));

    auto offset =
        static_cast<std::uint32_t>(kDirectoryHeaderBytes + kDirectoryEntryBytes * images.size());
    for (const Image& image : images) {
        putDirectoryEntry(out, image, offset);
        offset += icoImageBytes(image.width(), image.height());
    }
    for (const Image& image : images) {
        putImage(out, image);
    }
    return out;
}

}  // namespace assets
