// The saved-game folder, the slot files and the slot index.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "persistence/ini_profile.h"
#include "persistence/slots.h"
#include "tests/host/persistence/test_support.h"

namespace {

TEST(SavedGamesFolder, IsTheProgramsFolderFollowedByGames) {
    char folder[kPathBufferSize];
    EXPECT_TRUE(buildSavedGamesFolder("C:\\Games\\Zembal\\zembal.exe", folder, sizeof folder));
    EXPECT_STREQ(folder, "C:\\Games\\Zembal\\games");
    EXPECT_TRUE(buildSavedGamesFolder("/opt/zembal/zembal", folder, sizeof folder));
    EXPECT_STREQ(folder, "/opt/zembal/games");
    EXPECT_FALSE(buildSavedGamesFolder("zembal.exe", folder, sizeof folder));
    EXPECT_STREQ(folder, "");
}

TEST(SavedGamesFolder, APathThatDoesNotFitIsRefusedNotCut) {
    char folder[kPathBufferSize];
    const std::string fits = "C:\\" + std::string(kPathBufferSize - 10, 'a') + "\\z.exe";
    EXPECT_TRUE(buildSavedGamesFolder(fits.c_str(), folder, sizeof folder));
    EXPECT_EQ(std::strlen(folder), kPathBufferSize - 10 + 4 + 5u);
    const std::string tooLong = "C:\\" + std::string(kPathBufferSize, 'a') + "\\z.exe";
    EXPECT_FALSE(buildSavedGamesFolder(tooLong.c_str(), folder, sizeof folder));
    EXPECT_STREQ(folder, "");
}

TEST(SlotPath, NamesTheFilesOneToTen) {
    char path[kPathBufferSize];
    const std::string sep(1, kPathSeparator);
    EXPECT_TRUE(slotPath("games", 0, path, sizeof path));
    EXPECT_EQ(std::string(path), "games" + sep + "1.zmb");
    EXPECT_TRUE(slotPath("games", 9, path, sizeof path));
    EXPECT_EQ(std::string(path), "games" + sep + "10.zmb");
    EXPECT_FALSE(slotPath("games", -1, path, sizeof path));
    EXPECT_FALSE(slotPath("games", 10, path, sizeof path));
    EXPECT_FALSE(slotPath("", 0, path, sizeof path));
    EXPECT_FALSE(slotPath(std::string(kPathBufferSize - 6, 'a').c_str(), 9, path, sizeof path));
    EXPECT_STREQ(path, "");
}

// Dates of slot files as the platform would give them.
class DatedFiles : public FileSystem {
  public:
    bool fileDate(const std::string& path, FileDate* date) override {
        if (!exists(path)) {
            return false;
        }
        *date = FileDate{5, 11, 2026};
        return true;
    }
};

class SlotIndex : public testing::Test {
  protected:
    std::string slotFile(int index) {
        char path[kPathBufferSize];
        slotPath(folder.path("games").c_str(), index, path, sizeof path);
        return path;
    }
    void load(const std::string& text) {
        IniProfile profile = IniProfile::fromText(text);
        loadSlotIndex(profile, folder.path("games").c_str(), files, slots);
    }

    ScratchFolder folder;
    DatedFiles files;
    SlotTable slots;
};

TEST_F(SlotIndex, ALevelWithItsFileIsListedWithTheFilesDate) {
    std::filesystem::create_directories(folder.path("games"));
    writeBytes(slotFile(3), "x");
    load("[Files]\r\nLevel_3=5\r\nDesc_3=castle\r\nLevel_4=6\r\nDesc_4=gone\r\nDesc_0=orphan\r\n");
    EXPECT_EQ(slots.slots[3].level, 5);
    EXPECT_EQ(slots.slots[3].day, 5);
    EXPECT_EQ(slots.slots[3].month, 11);
    EXPECT_EQ(slots.slots[3].year, 2026);
    EXPECT_STREQ(slots.slots[3].description, "castle");
    // A level whose file is gone: the slot is empty, its description kept.
    EXPECT_EQ(slots.slots[4].level, -1);
    EXPECT_STREQ(slots.slots[4].description, "gone");
    EXPECT_EQ(slots.slots[0].level, -1);
    EXPECT_STREQ(slots.slots[0].description, "orphan");
    EXPECT_EQ(firstUsedSlot(slots), 3);
    EXPECT_EQ(firstEmptySlot(slots), 0);
    EXPECT_TRUE(hasSavedGames(slots));
}

TEST_F(SlotIndex, NoSettingsAndNoFolderGiveTenEmptySlots) {
    load("");
    for (const SavedGameSlot& slot : slots.slots) {
        EXPECT_EQ(slot.level, -1);
        EXPECT_STREQ(slot.description, "");
    }
    EXPECT_FALSE(hasSavedGames(slots));
    EXPECT_EQ(firstUsedSlot(slots), -1);
}

TEST_F(SlotIndex, DescriptionsAreCutTo49Characters) {
    load("[Files]\r\nDesc_0=" + std::string(60, 'd') + "\r\n");
    EXPECT_EQ(std::string(slots.slots[0].description), std::string(49, 'd'));
}

TEST_F(SlotIndex, StoresLevelsOfFilesThatExistNow) {
    std::filesystem::create_directories(folder.path("games"));
    writeBytes(slotFile(1), "x");
    slots.slots[1].level = 8;
    std::strcpy(slots.slots[1].description, " two ");
    slots.slots[2].level = 9;  // its file was deleted during the run
    IniProfile profile = IniProfile::fromText("");
    storeSlotIndex(profile, folder.path("games").c_str(), files, slots);
    char value[64];
    profile.getString("Files", "Level_1", "", value, sizeof value);
    EXPECT_STREQ(value, "8");
    profile.getString("Files", "Desc_1", "", value, sizeof value);
    EXPECT_STREQ(value, " two ");
    profile.getString("Files", "Level_2", "", value, sizeof value);
    EXPECT_STREQ(value, "-1");
    profile.getString("Files", "Desc_9", "missing", value, sizeof value);
    EXPECT_STREQ(value, "");
}

TEST_F(SlotIndex, TheFirstSaveCreatesTheFolderAndOpensAgain) {
    RecordingGame game;
    game.newGame();
    const std::string games = folder.path("games");
    ASSERT_FALSE(std::filesystem::exists(games));
    ASSERT_TRUE(saveGameToSlot(slots, 0, std::string(60, 'x').c_str(), games.c_str(), game, files,
                               FileDate{5, 11, 2026}));
    EXPECT_TRUE(std::filesystem::exists(slotFile(0)));
    EXPECT_TRUE(slotFileExists(games.c_str(), 0, files));
    EXPECT_EQ(slots.slots[0].level, 1);
    EXPECT_EQ(std::strlen(slots.slots[0].description), 49u);
    EXPECT_EQ(openGameFromSlot(
                  0, games.c_str(), game, [] {}, files),
              ReadResult::kRead);
    EXPECT_EQ(openGameFromSlot(
                  1, games.c_str(), game, [] {}, files),
              ReadResult::kNotOpened);
    EXPECT_EQ(openGameFromSlot(
                  10, games.c_str(), game, [] {}, files),
              ReadResult::kNotOpened);
    EXPECT_FALSE(saveGameToSlot(slots, 10, "bad", games.c_str(), game, files, FileDate{}));
}

TEST(SlotDate, ShowsDayMonthNameAndYear) {
    SavedGameSlot slot;
    slot.day = 5;
    slot.month = 11;
    slot.year = 2026;
    char text[32];
    formatSlotDate(slot, text, sizeof text);
    EXPECT_STREQ(text, "5-Dec-2026");
    const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 0; m < 12; ++m) {
        EXPECT_STREQ(monthName(m), months[m]);
    }
    EXPECT_STREQ(monthName(12), "");
    EXPECT_STREQ(monthName(-1), "");
    slot.month = 40;  // never an index out of the table
    formatSlotDate(slot, text, sizeof text);
    EXPECT_STREQ(text, "5--2026");
}

}  // namespace
