// The ten saved-game slots: their files, their records in the settings and
// the folders they are saved into.
#include <cstring>
#include <ctime>
#include <filesystem>

#include "persistence/ini_profile.h"
#include "persistence/saved_game.h"
#include "persistence/slots.h"
#include "tests/host/persistence/test_support.h"
#include "tests/support/failing_files.h"

namespace {

class Slots : public ScratchTest {};

TEST(SlotFiles, LiveInGamesBesideTheProgramAsOneToTenZmbWithTheirDates) {
    const std::string sep(1, kPathSeparator), a510(kPathBufferSize - 10, 'a');
    char text[kPathBufferSize];
    // A program's path and the folder, or a folder, a slot and the path; empty when
    // refused, never cut. The longest results have 519 characters.
    // clang-format off
    const std::pair<std::string, std::string> folders[] = {
        {"C:\\Games\\Zembal\\zembal.exe", "C:\\Games\\Zembal\\games"},
        {"/opt/zembal/zembal", "/opt/zembal/games"}, {"zembal.exe", ""},
        {"C:\\" + a510 + "\\z.exe", "C:\\" + a510 + "\\games"}, {"C:\\" + a510 + "a\\z.exe", ""}};
    const std::tuple<std::string, int, std::string> paths[] = {
        {"games", 0, "games" + sep + "1.zmb"}, {"games", 9, "games" + sep + "10.zmb"},
        {"games", -1, ""}, {"games", 10, ""}, {"", 0, ""}, {"g", 0, "g" + sep + "1.zmb"},
        {a510 + "aa", 9, a510 + "aa" + sep + "10.zmb"}, {a510 + "aaa", 9, ""}};
    // clang-format on
    for (const auto& [program, folder] : folders) {
        EXPECT_EQ(buildSavedGamesFolder(program.c_str(), text, sizeof text), !folder.empty());
        EXPECT_EQ(text, folder) << program.substr(0, 30);
    }
    for (const auto& [folder, index, path] : paths) {
        EXPECT_EQ(slotPath(folder.c_str(), index, text, sizeof text), !path.empty());
        EXPECT_EQ(text, path) << index;
    }
    // Dates show the month's name, never one from outside the table, and
    // are cut to the buffer. Slot records take the date of the file.
    EXPECT_EQ(monthName(-1) + std::string(monthName(0)) + monthName(11) + monthName(12), "JanDec");
    const SavedGameSlot slot{"", 1, 5, 40, 2026};
    EXPECT_FALSE(buildSavedGamesFolder(nullptr, text, 9) || slotPath(nullptr, 0, text, 9));
    EXPECT_EQ(formatSlotDate(slot, text, sizeof text), 7);
    EXPECT_EQ(formatSlotDate(slot, text + 8, 7) + formatSlotDate(slot, text + 16, 0), 6);
    EXPECT_EQ(std::string(text) + "|" + (text + 8), "5--2026|5--202");
}

TEST_F(Slots, SlotsListALevelOnlyWithItsFileAndStoreWhatExists) {
    const std::string games = path("games");
    SlotTable slots;
    RecordingGame game;
    game.newGame();
    // The local date of today, when the slot files are written.
    const std::time_t now = std::time(nullptr);
    char today[32];  // "%d" pads the day with a zero that slot dates leave out
    std::strftime(today, sizeof today, "%d-%b-%Y", std::localtime(&now));
    const std::string written = today + (today[0] == '0');
    // Each slot's description, with the level and date of a used one; then
    // the first used and the first empty slot, and whether any is used.
    const auto described = [&] {
        std::string text;
        for (const SavedGameSlot& s : slots.slots) {
            char date[32];
            formatSlotDate(s, date, sizeof date);
            text += (s.level >= 0 ? std::to_string(s.level) + " " + date + " " : "") +
                    s.description + "|";
        }
        return text + std::to_string(firstUsedSlot(slots)) + " " +
               std::to_string(firstEmptySlot(slots)) + " " + std::to_string(hasSavedGames(slots));
    };
    EXPECT_EQ(described(), "||||||||||-1 0 0");
    // The first save creates the folder.
    ASSERT_TRUE(saveGameToSlot(slots, 3, std::string(60, 'x').c_str(), games.c_str(), game, game,
                               files, FileDate{4, 0, 2025}));
    const std::string oldBytes = readFile(path("games/4.zmb")), oldSlots = described();
    EXPECT_EQ(oldSlots, "|||1 4-Jan-2025 " + std::string(49, 'x') + "|||||||3 0 1");
    // A save that fails at any step leaves the old file and its record.
    game.level->SCORE = 1234;
    int failAt = 1;  // the creation, each line's write, the close, the replace
    for (FailingFiles<> failing(1);
         failAt < 200 &&
         !saveGameToSlot(slots, 3, "new", games.c_str(), game, game, failing, FileDate{2, 1, 2026});
         failing = FailingFiles<>(++failAt)) {
        EXPECT_EQ(readFile(path("games/4.zmb")) + described(), oldBytes + oldSlots) << failAt;
        EXPECT_FALSE(std::filesystem::exists(path("games/4.zmb.tmp"))) << failAt;
    }
    EXPECT_GT(failAt, 40);
    ASSERT_TRUE(writeGameFile(path("copy").c_str(), game, game, files));
    EXPECT_EQ(readFile(path("games/4.zmb")) + described(),
              readFile(path("copy")) + "|||1 2-Feb-2026 new|||||||3 0 1");

    writeFile(path("games/1.zmb"), "x");
    // Descriptions the file must quote to keep: blanks at an end, quotes at both.
    // clang-format off
    IniProfile profile = IniProfile::fromText("[Files]\r\nDesc_1=" + std::string(60, 'd') +
        "\r\nLevel_3=5\r\nDesc_3=castle\r\nLevel_0=0\r\nLevel_4=6\r\nDesc_4=\" gone \"\r\n"
        "Desc_6=\" lead\"\r\nDesc_7=\"trail \"\r\nDesc_8=\"\"\"\"\r\nDesc_9=\"half\r\nLevel_2=-5");
    // clang-format on
    loadSlotIndex(profile, games.c_str(), files, slots);
    EXPECT_EQ(slots.slots[2].level, -1);  // any negative level is an empty slot
    EXPECT_EQ(described(), "0 " + written + " |" + std::string(49, 'd') + "||5 " + written +
                               " castle| gone || lead|trail |\"\"|\"half|0 1 1");
    slots.slots[4].level = 6;                           // its file is gone
    std::strcpy(slots.slots[5].description, "a\r\nb");  // line ends cannot be kept
    IniProfile stored = IniProfile::fromText("");
    storeSlotIndex(stored, games.c_str(), files, slots);
    // clang-format off
    EXPECT_NE(stored.text().find(
        "Level_3=5\r\nDesc_3=castle\r\nLevel_4=-1\r\nDesc_4=\" gone \"\r\nLevel_5=-1\r\n"
        "Desc_5=a  b\r\nLevel_6=-1\r\nDesc_6=\" lead\"\r\nLevel_7=-1\r\nDesc_7=\"trail \"\r\n"
        "Level_8=-1\r\nDesc_8=\"\"\"\"\r\nLevel_9=-1\r\nDesc_9=\"half\r\n"), std::string::npos);
    // clang-format on
    // A slot opens by its index alone, when its file is there.
    EXPECT_EQ(openGameFromSlot(3, games.c_str(), game, game, files), ReadResult::kRead);
    EXPECT_EQ(openGameFromSlot(5, games.c_str(), game, game, files), ReadResult::kNotOpened);
    // A write the device refuses when it is flushed fails the close.
    std::FILE* full = files.createFile("/dev/full");
    EXPECT_FALSE(full == nullptr || !files.writeBytes(full, "x", 1) || files.closeFile(full));
}

// Saved from the next-level box, while the completed level waits, the game
// is the next level as it will start: the slot lists that level, its file
// is the one the started level would write, and opening it goes on with the
// score it had instead of completing the old level and adding its bonus
// again. Only when no level follows is the finished one saved.
TEST_F(Slots, ASaveBetweenLevelsHoldsTheNextLevelAtItsStart) {
    struct SavingGame : RecordingGame {
        void onLevelCompleted() override {
            withLevelToPlay([&] {
                saveGameToSlot(*slots, 0, "next", folder.c_str(), *this, *this, files,
                               {1, 0, 2026});
            });
        }
        SlotTable* slots;
        std::string folder;
        FileSystem files;
    };
    for (const auto& [from, listed] : {std::pair{3, 4}, {kLastLevel - 1, kLastLevel - 1}}) {
        SlotTable slots;
        SavingGame game;
        game.slots = &slots, game.folder = path("games");
        game.newGame();
        game.level->NBLLS = from;
        game.level->SCORE = 17.0;
        game.clock.now = 5000;
        game.completeLevel();
        EXPECT_EQ(slots.slots[0].level, listed);
        if (listed == kLastLevel - 1) {
            continue;
        }
        const double score = game.level->SCORE;
        game.level->SPSTM = game.level->SLVTM;  // paused from its start, as under the box
        ASSERT_TRUE(writeGameFile(path("started").c_str(), game, game, files));
        EXPECT_EQ(readFile(path("games/1.zmb")), readFile(path("started")));

        RecordingGame opened;
        ASSERT_EQ(openGameFromSlot(0, path("games").c_str(), opened, opened, files),
                  ReadResult::kRead);
        opened.clock.now = 6000;
        opened.tick();
        EXPECT_EQ((std::vector<double>{double(opened.level->NBLLS), double(opened.level->CLDNE),
                                       opened.level->SCORE, double(gameRunning)}),
                  (std::vector<double>{4, 0, score, 1}));
    }
}

// A save the folder beside the program refuses goes to the player's own
// folder and opens from there; where both hold the slot, beside the program
// comes first. Without a folder of the player's the save fails as before.
TEST_F(Slots, SavesTheProgramsFolderRefusesGoToThePlayersFolder) {
    writeFile(path("blocked"), "a file where the folder would go");
    const std::string blocked = path("blocked/games"), own = path("own"), games = path("games");
    SlotTable slots;
    RecordingGame game;
    game.newGame();
    EXPECT_FALSE(saveGameToSlot(slots, 4, "x", blocked.c_str(), game, game, files, {}));
    ASSERT_TRUE(
        saveGameToSlot(slots, 2, "x", {blocked.c_str(), own.c_str()}, game, game, files, {}));
    EXPECT_TRUE(std::filesystem::exists(path("own/3.zmb")));
    EXPECT_EQ(openGameFromSlot(2, {blocked.c_str(), own.c_str()}, game, game, files),
              ReadResult::kRead);
    ASSERT_TRUE(saveGameToSlot(slots, 2, "x", {games.c_str(), own.c_str()}, game, game, files, {}));
    char found[kPathBufferSize];
    ASSERT_TRUE(findSlotFile({games.c_str(), own.c_str()}, 2, files, found, sizeof found));
    EXPECT_EQ(found, path("games/3.zmb"));
}

}  // namespace
