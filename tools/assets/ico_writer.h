// Writes an icon file holding one or more square pictures. Each image is
// stored as a 32-bit BGRA bitmap with its 1-bit AND mask (1 where the pixel
// is fully transparent), so the icons keep soft edges where alpha is
// supported and still have a correct mask where it is not.
#pragma once

#include <vector>

#include "tools/assets/byte_writer.h"
#include "tools/assets/image.h"

namespace assets {

Bytes writeIco(const std::vector<Image>& images);

// Bytes of one image's data in the file: header, colour bits and mask.
std::uint32_t icoImageBytes(int width, int height);

}  // namespace assets
