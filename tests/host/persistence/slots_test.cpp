// The saved-game folder, the slot files and their dates, the slot index.
#include <cstring>
#include <ctime>
#include <string>
#include <tuple>

#include "persistence/ini_profile.h"
#include "persistence/slots.h"
#include "tests/host/persistence/test_support.h"

namespace {

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
        {"games", -1, ""}, {"games", 10, ""}, {"", 0, ""},
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
    EXPECT_EQ(formatSlotDate(slot, text, sizeof text), 7);
    EXPECT_EQ(formatSlotDate(slot, text + 8, 4), 3);
    EXPECT_EQ(std::string(text) + "|" + (text + 8), "5--2026|5--");
}

// Fails its n-th creation, write, close or replace.
class FailingFiles : public FileSystem {
  public:
    explicit FailingFiles(int n) : failAt(n) {}
    std::FILE* createFile(const std::string& path) override {
        return fails() ? nullptr : FileSystem::createFile(path);
    }
    bool writeBytes(std::FILE* file, const char* data, size_t size) override {
        return !fails() && FileSystem::writeBytes(file, data, size);
    }
    bool closeFile(std::FILE* file) override { return FileSystem::closeFile(file) && !fails(); }
    bool replaceFile(const std::string& source, const std::string& target) override {
        return !fails() && FileSystem::replaceFile(source, target);
    }
    bool fails() { return ++steps == failAt; }
    int steps = 0, failAt;
};

class SlotIndex : public ScratchTest {};

TEST_F(SlotIndex, ListsALevelOnlyWithItsFileAndStoresWhatExists) {
    const std::string games = path("games");
    SlotTable slots;
    RecordingGame game;
    game.newGame();
    // The local date of today, when the slot files are written.
    const std::time_t now = std::time(nullptr);
    char today[32];
    std::strftime(today, sizeof today, "-%b-%Y", std::localtime(&now));
    const std::string written = std::to_string(std::localtime(&now)->tm_mday) + today;
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
    ASSERT_TRUE(saveGameToSlot(slots, 3, std::string(60, 'x').c_str(), games.c_str(), game, files,
                               FileDate{4, 0, 2025}));
    const std::string oldBytes = readBytes(path("games/4.zmb")), oldSlots = described();
    EXPECT_EQ(oldSlots, "|||1 4-Jan-2025 " + std::string(49, 'x') + "|||||||3 0 1");
    // A save that fails at any step leaves the old file and its record.
    game.level->SCORE = 1234;
    int failAt = 1;  // the creation, each line's write, the close, the replace
    for (FailingFiles failing(1); failAt < 200; failing = FailingFiles(++failAt)) {
        if (saveGameToSlot(slots, 3, "new", games.c_str(), game, failing, FileDate{2, 1, 2026})) {
            break;
        }
        EXPECT_EQ(readBytes(path("games/4.zmb")) + described(), oldBytes + oldSlots) << failAt;
        EXPECT_EQ(count("games"), 1) << failAt;
    }
    EXPECT_GT(failAt, 40);
    ASSERT_TRUE(writeGameFile(path("copy").c_str(), game, files));
    EXPECT_EQ(readBytes(path("games/4.zmb")) + described(),
              readBytes(path("copy")) + "|||1 2-Feb-2026 new|||||||3 0 1");

    IniProfile profile = IniProfile::fromText(
        "[Files]\r\nLevel_3=5\r\nDesc_3=castle\r\nLevel_4=6\r\nDesc_4=\" gone \"\r\nLevel_0=0\r\n"
        "Desc_1=" +
        std::string(60, 'd'));
    loadSlotIndex(profile, games.c_str(), files, slots);
    EXPECT_EQ(described(),
              "|" + std::string(49, 'd') + "||5 " + written + " castle| gone ||||||3 0 1");
    slots.slots[4].level = 6;  // its file is gone
    int i = 5;                 // descriptions the file must quote to keep, or cannot keep
    for (const char* text : {"a\r\nb", " lead", "trail ", "\"\"", "\"half"}) {
        std::strcpy(slots.slots[i++].description, text);
    }
    IniProfile stored = IniProfile::fromText("");
    storeSlotIndex(stored, games.c_str(), files, slots);
    // clang-format off
    EXPECT_NE(stored.text().find(
        "Level_3=5\r\nDesc_3=castle\r\nLevel_4=-1\r\nDesc_4=\" gone \"\r\nLevel_5=-1\r\nDesc_5=a  b\r\n"
        "Level_6=-1\r\nDesc_6=\" lead\"\r\nLevel_7=-1\r\nDesc_7=\"trail \"\r\nLevel_8=-1\r\n"
        "Desc_8=\"\"\"\"\r\nLevel_9=-1\r\nDesc_9=\"half\r\n"), std::string::npos);
    // clang-format on
    // A slot opens by its index alone.
    EXPECT_EQ(openGameFromSlot(3, games.c_str(), game, nullptr, files), ReadResult::kRead);
}

}  // namespace
