// The resources linked into the program, read back through the platform's
// own loaders: every icon and sound, present and of its size. (The ball
// frames' bitmaps feed only the GDI drawing the paint tests hold against
// the platform-free picture.)
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"

namespace {

const HMODULE kModule = GetModuleHandleA(nullptr);

const BYTE* resource(int id, LPCSTR type) {
    return static_cast<const BYTE*>(
        LockResource(LoadResource(kModule, FindResourceA(kModule, MAKEINTRESOURCEA(id), type))));
}

TEST(Resources, EveryIconAndSoundIsThereAtItsSize) {
    // Each icon group holds an image of exactly each size the program asks
    // for, so the platform never has to scale one.
    const std::pair<int, std::vector<int>> icons[] = {
        {IDI_ZEMBAL, {16, 32, 48}}, {IDI_TOOL_EXIT, {16}},  {IDI_TOOL_DISPLAY_OPTIONS, {16}},
        {IDI_TOOL_PLAY, {16}},      {IDI_TOOL_PAUSE, {16}}, {IDI_SAVE_HINT, {32}},
        {IDI_TOOL_OPEN, {16}},      {IDI_TOOL_SAVE, {16}}};
    for (const auto& [id, expected] : icons) {
        const BYTE* group = resource(id, RT_GROUP_ICON);
        ASSERT_NE(group, nullptr) << id;
        std::vector<int> sizes;  // entries of 14 bytes after a 6-byte header
        for (int i = 0; i < group[4]; ++i) {
            sizes.push_back(group[6 + 14 * i]);
        }
        EXPECT_EQ(sizes, expected) << id;
    }
    for (int id : {IDW_LEVEL_START, IDW_LEVEL_DONE, IDW_CLICK, IDW_LIFE_LOST}) {
        const char* wave = reinterpret_cast<const char*>(resource(id, "WAVE"));
        ASSERT_NE(wave, nullptr) << id;
        EXPECT_EQ(std::string(wave, 4) + std::string(wave + 8, 8), "RIFFWAVEfmt ") << id;
    }
}

}  // namespace
