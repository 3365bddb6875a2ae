// zembal-assets: writes the program's images, icons and sounds into the
// folder given on the command line (normally resources/), creating the
// images/, icons/ and sounds/ folders inside it. The output depends on
// nothing but this program, so running it again gives the same bytes.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tools/assets/asset_files.h"

namespace {

bool writeFile(const std::filesystem::path& path, const assets::Bytes& bytes) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    int failures = 0;
    for (const assets::AssetFile& file : assets::assetFiles()) {
        const std::filesystem::path path = folder / file.path;
        if (!writeFile(path, file.bytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
