// The saved-game folder, the slot files and the slot index.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "persistence/ini_profile.h"
#include "persistence/slots.h"
#include "tests/host/persistence/test_support.h"

namespace {

TEST(SavedGamesFolder, IsTheProgramsFolderFollowedByGamesOrNothing) {
    const std::string longName(kPathBufferSize - 10, 'a');
    const struct {
        std::string program;
        std::string folder;  // empty: refused
    } cases[] = {
        {"C:\\Games\\Zembal\\zembal.exe", "C:\\Games\\Zembal\\games"},
        {"/opt/zembal/zembal", "/opt/zembal/games"},
        {"zembal.exe", ""},
        {"C:\\" + longName + "\\z.exe", "C:\\" + longName + "\\games"},  // 519 characters
        {"C:\\" + longName + "aaaaaaaaaa\\z.exe", ""},                   // refused, not cut
    };
    for (const auto& c : cases) {
        char folder[kPathBufferSize];
        EXPECT_EQ(buildSavedGamesFolder(c.program.c_str(), folder, sizeof folder),
                  !c.folder.empty());
        EXPECT_EQ(folder, c.folder) << c.program.substr(0, 30);
    }
}

TEST(SlotPath, NamesTheFilesOneToTen) {
    const std::string sep(1, kPathSeparator);
    const std::string longFolder(kPathBufferSize - 6, 'a');
    const struct {
        std::string folder;
        int index;
        std::string path;  // empty: refused
    } cases[] = {{"games", 0, "games" + sep + "1.zmb"},
                 {"games", 9, "games" + sep + "10.zmb"},
                 {"games", -1, ""},
                 {"games", 10, ""},
                 {"", 0, ""},
                 {longFolder, 9, ""}};
    for (const auto& c : cases) {
        char path[kPathBufferSize];
        EXPECT_EQ(slotPath(c.folder.c_str(), c.index, path, sizeof path), !c.path.empty());
        EXPECT_EQ(path, c.path) << c.index;
    }
}

// Dates of slot files as the platform would give them.
class DatedFiles : public FileSystem {
  public:
    bool fileDate(const std::string& path, FileDate* date) override {
        *date = FileDate{5, 11, 2026};
        return exists(path);
    }
};

class SlotIndex : public testing::Test {
  protected:
    std::string slotFile(int index) {
        char path[kPathBufferSize];
        slotPath(games.c_str(), index, path, sizeof path);
        return path;
    }
    void load(const std::string& text) {
        IniProfile profile = IniProfile::fromText(text);
        loadSlotIndex(profile, games.c_str(), files, slots);
    }
    // Level, date and description of every slot that is used or described.
    std::string describe() {
        std::string text;
        for (int i = 0; i < kSlotCount; ++i) {
            const SavedGameSlot& s = slots.slots[i];
            if (s.level >= 0 || s.description[0] != '\0') {
                char date[32];
                formatSlotDate(s, date, sizeof date);
                text += std::to_string(i) + ": " + std::to_string(s.level) + " " +
                        (s.level >= 0 ? date : "") + " " + s.description + "; ";
            }
        }
        return text;
    }

    ScratchFolder folder;
    std::string games = folder.path("games");
    DatedFiles files;
    SlotTable slots;
};

TEST_F(SlotIndex, ListsALevelOnlyWithItsFileAndTheFilesDate) {
    load("");
    EXPECT_EQ(describe(), "");
    EXPECT_FALSE(hasSavedGames(slots));
    EXPECT_EQ(firstUsedSlot(slots), -1);

    std::filesystem::create_directories(games);
    writeBytes(slotFile(3), "x");
    load(
        "[Files]\r\nLevel_3=5\r\nDesc_3=castle\r\nLevel_4=6\r\nDesc_4=gone\r\nDesc_0=orphan\r\n"
        "Desc_1=" +
        std::string(60, 'd') + "\r\n");
    EXPECT_EQ(describe(), "0: -1  orphan; 1: -1  " + std::string(49, 'd') +
                              "; 3: 5 5-Dec-2026 castle; 4: -1  gone; ");
    EXPECT_EQ(firstUsedSlot(slots), 3);
    EXPECT_EQ(firstEmptySlot(slots), 0);
    EXPECT_TRUE(hasSavedGames(slots));
}

TEST_F(SlotIndex, StoresLevelsOfFilesThatExistNow) {
    std::filesystem::create_directories(games);
    writeBytes(slotFile(1), "x");
    slots.slots[1].level = 8;
    std::strcpy(slots.slots[1].description, " two ");
    slots.slots[2].level = 9;  // its file was deleted during the run
    IniProfile profile = IniProfile::fromText("");
    storeSlotIndex(profile, games.c_str(), files, slots);
    std::string expected = "[Files]\r\n";
    for (int i = 0; i < kSlotCount; ++i) {
        expected += "Level_" + std::to_string(i) + (i == 1 ? "=8" : "=-1") + "\r\nDesc_" +
                    std::to_string(i) + (i == 1 ? "=\" two \"" : "=") + "\r\n";
    }
    EXPECT_EQ(profile.text(), expected);
}

TEST_F(SlotIndex, TheFirstSaveCreatesTheFolderAndOpensAgain) {
    RecordingGame game;
    game.newGame();
    ASSERT_TRUE(saveGameToSlot(slots, 0, std::string(60, 'x').c_str(), games.c_str(), game, files,
                               FileDate{5, 11, 2026}));
    EXPECT_TRUE(slotFileExists(games.c_str(), 0, files));
    EXPECT_EQ(describe(), "0: 1 5-Dec-2026 " + std::string(49, 'x') + "; ");
    const auto open = [&](int index) {
        return openGameFromSlot(
            index, games.c_str(), game, [] {}, files);
    };
    EXPECT_EQ(open(0), ReadResult::kRead);
    EXPECT_EQ(open(1), ReadResult::kNotOpened);
    EXPECT_EQ(open(10), ReadResult::kNotOpened);
    EXPECT_FALSE(saveGameToSlot(slots, 10, "bad", games.c_str(), game, files, FileDate{}));
    EXPECT_FALSE(saveGameToSlot(slots, -1, "bad", games.c_str(), game, files, FileDate{}));
}

TEST(SlotDate, ShowsDayMonthNameAndYear) {
    const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul",
                                  "Aug", "Sep", "Oct", "Nov", "Dec", "",    ""};
    const int32_t monthNumbers[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, -1};
    for (int i = 0; i < 14; ++i) {
        EXPECT_STREQ(monthName(monthNumbers[i]), months[i]) << monthNumbers[i];
    }
    SavedGameSlot slot;
    slot.day = 5;
    slot.year = 2026;
    char text[32];
    for (const auto& [month, shown] :
         {std::pair<int32_t, const char*>{11, "5-Dec-2026"}, {40, "5--2026"}}) {
        slot.month = month;  // never an index out of the table
        formatSlotDate(slot, text, sizeof text);
        EXPECT_STREQ(text, shown);
    }
}

}  // namespace
