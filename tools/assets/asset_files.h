// Every generated file of the program's resources, by its path under
// resources/, with its complete contents.
#pragma once

#include <string>
#include <vector>

#include "tools/assets/byte_writer.h"

namespace assets {

struct AssetFile {
    std::string path;  // relative, with forward slashes: "images/110.bmp"
    Bytes bytes;
};

constexpr int kAdpcmBlockBytes = 1024;

std::vector<AssetFile> assetFiles();

}  // namespace assets
