// The resources linked into the program, read back through the platform's
// own loaders: every icon and sound, present and of its size, and the
// version information of the built program file. (The ball frames' bitmaps
// feed only the GDI drawing the paint tests hold against the platform-free
// picture.)
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
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

// What Windows shows in zembal.exe's properties: the version of the
// project() in CMakeLists.txt and the copyright line of LICENSE, as the
// build read them.
TEST(Resources, TheProgramFileSaysWhatItIsAndWhichVersion) {
    const std::string exe = std::string("Z:") + std::getenv("ZEMBAL_EXE");
    std::vector<char> data(GetFileVersionInfoSizeA(exe.c_str(), nullptr));
    ASSERT_FALSE(data.empty()) << exe;
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
    const std::pair<const char*, const char*> values[] = {
        {"ProductName", "Zembal"},
        {"FileDescription", "Zembal, an arcade game"},
        {"ProductVersion", ZEMBAL_PROJECT_VERSION},
        {"FileVersion", ZEMBAL_PROJECT_VERSION},
        {"LegalCopyright", ZEMBAL_LICENSE_COPYRIGHT}};
    for (const auto& [name, expected] : values) {
        char* text = nullptr;
        UINT length = 0;
        const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
        ASSERT_TRUE(
            VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&text), &length));
        EXPECT_STREQ(text, expected) << name;
    }
}

}  // namespace
