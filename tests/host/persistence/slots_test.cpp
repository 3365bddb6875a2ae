// The saved-game folder, the slot files and the slot index.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "persistence/ini_profile.h"
#include "persistence/slots.h"
#include "tests/host/persistence/test_support.h"

namespace {

TEST(SlotFiles, LiveInGamesBesideTheProgramAsOneToTenZmb) {
    const std::string sep(1, kPathSeparator), name510(kPathBufferSize - 10, 'a');
    char text[kPathBufferSize];
    // The program's path and the folder; empty when refused (never cut).
    // clang-format off
    const std::pair<std::string, std::string> folders[] = {
        {"C:\\Games\\Zembal\\zembal.exe", "C:\\Games\\Zembal\\games"},
        {"/opt/zembal/zembal", "/opt/zembal/games"}, {"zembal.exe", ""},
        {"C:\\" + name510 + "\\z.exe", "C:\\" + name510 + "\\games"},  // 519 characters
        {"C:\\" + name510 + "aaaaaaaaaa\\z.exe", ""}};
    // clang-format on
    for (const auto& [program, folder] : folders) {
        EXPECT_EQ(buildSavedGamesFolder(program.c_str(), text, sizeof text), !folder.empty());
        EXPECT_EQ(text, folder) << program.substr(0, 30);
    }
    const struct {
        std::string folder;
        int index;
        std::string path;  // empty: refused
    } paths[] = {{"games", 0, "games" + sep + "1.zmb"},
                 {"games", 9, "games" + sep + "10.zmb"},
                 {"games", -1, ""},
                 {"games", 10, ""},
                 {"", 0, ""},
                 {name510 + "aaaa", 9, ""}};
    for (const auto& p : paths) {
        EXPECT_EQ(slotPath(p.folder.c_str(), p.index, text, sizeof text), !p.path.empty());
        EXPECT_EQ(text, p.path) << p.index;
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
    std::string months;
    for (int32_t month = -1; month <= 12; ++month) {
        months += std::string(monthName(month)) + "|";
    }
    EXPECT_EQ(months, "|Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec||");
    SavedGameSlot slot{"", 1, 5, 11, 2026};
    char text[32];
    formatSlotDate(slot, text, sizeof text);
    EXPECT_STREQ(text, "5-Dec-2026");
    slot.month = 40;  // never an index out of the table
    formatSlotDate(slot, text, sizeof text);
    EXPECT_STREQ(text, "5--2026");
}

}  // namespace
