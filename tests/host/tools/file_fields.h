// Reading the little-endian fields, RIFF chunks and bitmaps of generated
// files, written independently of the generator's own writers.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace test_files {

using Bytes = std::vector<std::uint8_t>;

inline unsigned u16(const Bytes& b, std::size_t at) {
    return b.at(at) | (b.at(at + 1) << 8);
}
inline std::uint32_t u32(const Bytes& b, std::size_t at) {
    return u16(b, at) | (static_cast<std::uint32_t>(u16(b, at + 2)) << 16);
}
inline int s16(const Bytes& b, std::size_t at) {
    return static_cast<std::int16_t>(u16(b, at));
}
inline std::string tag(const Bytes& b, std::size_t at) {
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at),
                       b.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

// The chunks of a RIFF WAVE file by id; empty when the form is broken.
inline std::map<std::string, Bytes> riffChunks(const Bytes& file) {
    std::map<std::string, Bytes> chunks;
    if (file.size() < 12 || tag(file, 0) != "RIFF" || tag(file, 8) != "WAVE" ||
        u32(file, 4) != file.size() - 8) {
        return chunks;
    }
    for (std::size_t at = 12; at + 8 <= file.size();) {
        const std::uint32_t size = u32(file, at + 4);
        if (at + 8 + size > file.size()) {
            return {};
        }
        chunks[tag(file, at)] = Bytes(file.begin() + static_cast<std::ptrdiff_t>(at + 8),
                                      file.begin() + static_cast<std::ptrdiff_t>(at + 8 + size));
        at += 8 + size + (size % 2);
    }
    return chunks;
}

// A 24-bit bottom-up bitmap file as the platform's loader reads it, each
// pixel as 0xRRGGBB, top row first.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const {
        return pixels.at(static_cast<std::size_t>(y * width + x));
    }
};

inline Bitmap readBitmap(const Bytes& file) {
    Bitmap bitmap;
    bitmap.width = static_cast<std::int32_t>(u32(file, 18));
    bitmap.height = static_cast<std::int32_t>(u32(file, 22));
    const int rowBytes = (bitmap.width * 3 + 3) / 4 * 4;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            const std::size_t p = u32(file, 10) + static_cast<std::size_t>(
                                                      (bitmap.height - 1 - y) * rowBytes + x * 3);
            bitmap.pixels.push_back(file.at(p + 2) << 16 | file.at(p + 1) << 8 | file.at(p));
        }
    }
    return bitmap;
}

}  // namespace test_files
