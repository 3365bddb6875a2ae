// Little-endian byte appending shared by the file writers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

using Bytes = std::vector<std::uint8_t>;

inline void putU8(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
}

inline void putU16(Bytes& out, unsigned value) {
    putU8(out, value & 0xFF);
    putU8(out, (value >> 8) & 0xFF);
}

inline void putU32(Bytes& out, std::uint32_t value) {
    putU16(out, value & 0xFFFF);
    putU16(out, value >> 16);
}

inline void putS16(Bytes& out, int value) {
    putU16(out, static_cast<std::uint16_t>(value));
}

inline void putS32(Bytes& out, std::int32_t value) {
    putU32(out, static_cast<std::uint32_t>(value));
}

inline void putTag(Bytes& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) {
        putU8(out, static_cast<unsigned char>(tag[i]));
    }
}

// Overwrites a 32-bit field written earlier (chunk sizes known only at the end).
inline void patchU32(Bytes& out, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

}  // namespace assets
