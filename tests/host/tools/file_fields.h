// Reading the little-endian fields and RIFF chunks of generated files,
// written independently of the generator's own writers.
#pragma once

#include <cstdint>
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

inline std::int32_t s32(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(u32(b, at));
}

inline std::string tag(const Bytes& b, std::size_t at) {
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at),
                       b.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

struct Chunk {
    std::string id;
    Bytes body;
};

// The chunks of a RIFF WAVE file in order; empty when the form is broken.
inline std::vector<Chunk> riffChunks(const Bytes& file) {
    std::vector<Chunk> chunks;
    if (file.size() < 12 || tag(file, 0) != "RIFF" || tag(file, 8) != "WAVE" ||
        u32(file, 4) != file.size() - 8) {
        return chunks;
    }
    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const std::uint32_t size = u32(file, at + 4);
        if (at + 8 + size > file.size()) {
            return {};
        }
        chunks.push_back(
            {tag(file, at), Bytes(file.begin() + static_cast<std::ptrdiff_t>(at + 8),
                                  file.begin() + static_cast<std::ptrdiff_t>(at + 8 + size))});
        at += 8 + size + (size % 2);
    }
    return chunks;
}

inline const Chunk* findChunk(const std::vector<Chunk>& chunks, const std::string& id) {
    for (const Chunk& c : chunks) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb& x, const Rgb& y) {
        return x.r == y.r && x.g == y.g && x.b == y.b;
    }
};

// A 24-bit bottom-up bitmap file as the platform's loader reads it.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // top row first

    Rgb at(int x, int y) const { return pixels.at(static_cast<std::size_t>(y * width + x)); }
};

inline Bitmap readBitmap(const Bytes& file) {
    Bitmap bitmap;
    bitmap.width = s32(file, 18);
    bitmap.height = s32(file, 22);
    const std::uint32_t offset = u32(file, 10);
    const int rowBytes = (bitmap.width * 3 + 3) / 4 * 4;
    for (int y = 0; y < bitmap.height; ++y) {
        const std::size_t row =
            offset + static_cast<std::size_t>((bitmap.height - 1 - y) * rowBytes);
        for (int x = 0; x < bitmap.width; ++x) {
            const std::size_t p = row + static_cast<std::size_t>(x * 3);
            bitmap.pixels.push_back({file.at(p + 2), file.at(p + 1), file.at(p)});
        }
    }
    return bitmap;
}

}  // namespace test_files
