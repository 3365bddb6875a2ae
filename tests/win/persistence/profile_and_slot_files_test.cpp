// The portable private-profile store against the platform's own functions
// (the same files, questions and answers), and the platform's file
// operations under the saved-game slots.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "persistence/ini_profile.h"
#include "persistence/saved_game.h"
#include "persistence/slots.h"
#include "persistence/win32_binding.h"
#include "tests/support/failing_files.h"
#include "tests/support/viewed_game.h"
#include "tests/support/files.h"

namespace {

std::string ask(ProfileStore& store, const char* section, const char* key, int size) {
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    return std::to_string(store.getString(section, key, "fallback", buffer, size)) + ":" + buffer;
}

// Each file is asked every question through both stores, then changed the
// same way through both and asked again.
TEST(ProfileComparison, ReadsAndWritesGiveThePlatformsAnswers) {
    const char* const files[] = {
        "[General]\r\nGrid=Yes\r\nSound=no\r\nTheme=\r\nSpeed=  7  \r\nUser=ABCDEFGHIJKLMNOPQRST"
        "UVWXYZ123456789\r\n",
        "; comment\r\n[general]\r\nGRID = y\r\nsound=\"Yes\"\r\nuser='  spaced  '\r\nNoEquals\r\n"
        "theme=9\r\ntheme=3\r\n\r\n[Files]\r\nDesc_3=\"quoted\"\r\n",
        "\xEF\xBB\xBF[General]\nGrid=No\nUser=  Bom\t\n[Files]\nDesc_4=\n", ""};
    const std::tuple<const char*, const char*, int> questions[] = {
        {"General", "Grid", 64},  {"GENERAL", "grid", 64},     {"General", "Sound", 64},
        {"General", "Theme", 64}, {"General", "Speed", 64},    {"General", "User", 30},
        {"General", "User", 5},   {"General", "NoEquals", 64}, {"Files", "Desc_3", 64},
        {"Files", "Desc_4", 64},  {"Missing", "Grid", 4},      {"New", "Key", 64}};
    for (const char* file : files) {
        writeFile((::testing::TempDir() + "platform.ini"), file);
        writeFile((::testing::TempDir() + "portable.ini"), file);
        Win32ProfileStore platform((::testing::TempDir() + "platform.ini"));
        IniProfile portable((::testing::TempDir() + "portable.ini"));
        for (const char* stage : {"read", "written"}) {
            for (const auto& [section, key, size] : questions) {
                EXPECT_EQ(ask(portable, section, key, size), ask(platform, section, key, size))
                    << stage << " " << file << " [" << section << "] " << key << " " << size;
            }
            for (ProfileStore* store :
                 {static_cast<ProfileStore*>(&platform), static_cast<ProfileStore*>(&portable)}) {
                store->writeString("General", "Grid", "No");
                store->writeString("general", "theme", "5");
                store->writeString("Files", "Desc_4", "\" padded \"");
                store->writeString("New", "Key", "value");
                store->writeString("General", "User", " lead and 'quotes' ");
            }
        }
    }
}

// The slot files live in the folder beside the program, made by the first
// save, and are dated today. Whichever step of writing a new
// file fails, the old file stays byte for byte, no temporary file is left
// and the slot keeps its record.
TEST(SlotFiles, LiveBesideTheProgramAndAFailingWriteLeavesTheOldFile) {
    char folder[kPathBufferSize], path[kPathBufferSize];
    ASSERT_TRUE(buildSavedGamesFolder((::testing::TempDir() + "zembal.exe").c_str(), folder,
                                      sizeof folder));
    ASSERT_TRUE(slotPath(folder, 9, path, sizeof path));
    DeleteFileA(path);  // as an earlier run left it
    RemoveDirectoryA(folder);
    ViewedGame game;
    game.newGame();
    SlotTable slots;
    const FileDate today = localDateNow();
    FailingFiles<Win32FileSystem> files;
    game.level->SCORE = 1250;
    ASSERT_TRUE(saveGameToSlot(slots, 9, "old", folder, game, game, files, today));
    const std::string old = readFile(path);
    EXPECT_NE(old.find("SCORE:1250.000000\r\n"), std::string::npos);
    FileDate date;
    ASSERT_TRUE(files.fileDate(path, &date));
    EXPECT_EQ((std::vector<int>{date.day, date.month, date.year}),
              (std::vector<int>{today.day, today.month, today.year}));
    game.level->SCORE = 777;
    for (int n = 1; n <= files.steps; ++n) {
        FailingFiles<Win32FileSystem> failing(n);
        EXPECT_FALSE(saveGameToSlot(slots, 9, "new", folder, game, game, failing, today));
        EXPECT_EQ(readFile(path), old) << "step " << n;
        EXPECT_FALSE(files.exists(std::string(path) + ".tmp")) << "step " << n;
        EXPECT_STREQ(slots.slots[9].description, "old");
    }
}

}  // namespace
