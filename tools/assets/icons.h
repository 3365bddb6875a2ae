// The program icon, the tool-button icons and the arrow icon of the
// next-level dialog. Each icon is a list of square pictures, smallest first.
#pragma once

#include <vector>

#include "tools/assets/image.h"

namespace assets {

struct IconPictures {
    int id;
    std::vector<Image> images;
};

std::vector<IconPictures> icons();

}  // namespace assets
