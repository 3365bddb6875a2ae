// The bytes of the ball frames' image files, put into the program by the
// build (cmake/EmbedBallImages.cmake writes their source).
#pragma once

#include <cstddef>
#include <cstdint>

struct EmbeddedFile {
    const uint8_t* bytes;
    size_t size;
};

// Images 110 to 139, in that order.
extern const EmbeddedFile kBallImageFiles[];
extern const int kBallImageFileCount;
