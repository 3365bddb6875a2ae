// The committed images, icons and sounds are exactly what the generator
// writes today: change the generator, then run it into resources/.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include <stdlib.h>  // mkdtemp

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> readTree(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const char* folder : {"images", "icons", "sounds"}) {
        for (const auto& entry : fs::directory_iterator(root / folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[std::string(folder) + "/" + entry.path().filename().string()] =
                std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    return files;
}

TEST(GeneratedFiles, CommittedResourcesMatchTheGeneratorByteForByte) {
    char pattern[] = "/tmp/zembal-assets-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string command =
        std::string("\"") + ZEMBAL_ASSETS_PROGRAM + "\" \"" + pattern + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const auto fresh = readTree(pattern);
    const auto committed = readTree(ZEMBAL_RESOURCES_DIR);
    fs::remove_all(pattern);

    EXPECT_EQ(fresh.size(), 30u + 8 + 4);
    for (const auto& [path, bytes] : fresh) {
        const auto it = committed.find(path);
        EXPECT_TRUE(it != committed.end() && it->second == bytes)
            << path << " is not committed as the generator writes it";
    }
    for (const auto& [path, bytes] : committed) {
        EXPECT_EQ(fresh.count(path), 1u) << path << " is committed but no longer generated";
    }
}

}  // namespace
