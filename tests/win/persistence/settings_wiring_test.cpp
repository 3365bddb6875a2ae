// The game reads its settings through the platform's private-profile
// functions when it is built, reads the two bars' keys when the view is
// built, and writes everything back when it is destroyed, also after a
// fatal error.
#include <string>

#include <gtest/gtest.h>

#include "model/wall_of_fame.h"
#include "persistence/win32_binding.h"
#include "tests/win/support/dialog_driver.h"
#include "tests/win/support/game_fixture.h"

namespace {

struct SettingsCase {
    const char* name;
    const char* file;  // null: no settings file at all
    // What the game holds after reading: grid sound theme speed percent
    // rows x cols, the toolbar's and the status bar's flags, [user name].
    const char* read;
    // The keys of [General] the end of the run writes.
    const char* written;
};

const SettingsCase kCases[] = {
    {"NoFile", nullptr, "1 1 0 0 75 20x30 11 []",
     "Grid=Yes Sound=Yes Theme=0 Speed=0 Precent_To_Complete=75 Rows=20 Cols=30 Toolbar=Y "
     "Statusbar=Y User=<missing>"},
    {"EmptyValuesAreNotMissing",
     "[General]\r\nGrid=\r\nSound=\r\nTheme=\r\nSpeed=\r\nToolbar=\r\nStatusbar=\r\n",
     "0 0 0 0 75 20x30 00 []",
     "Grid=No Sound=No Theme=0 Speed=0 Precent_To_Complete=75 Rows=20 Cols=30 Toolbar=N "
     "Statusbar=N User=<missing>"},
    {"UncheckedValuesWrittenBackAsRead",
     "[General]\r\nGrid=y\r\nSound=Yes\r\nTheme=9\r\nSpeed=7\r\nPrecent_To_Complete=77\r\n"
     "Rows=20\r\nCols=40\r\nUser=ABCDEFGHIJKLMNOPQRSTUVWXYZ012345678\r\nToolbar=y\r\n"
     "Statusbar=No\r\n",
     "1 1 9 7 75 20x30 10 [ABCDEFGHIJKLMNOPQRSTUVWXYZ012]",
     "Grid=Yes Sound=Yes Theme=9 Speed=7 Precent_To_Complete=75 Rows=20 Cols=30 Toolbar=Y "
     "Statusbar=N User=ABCDEFGHIJKLMNOPQRSTUVWXYZ012"},
    {"TablePairAndLargestPercent",
     "[General]\r\nGrid=n\r\nSound=1\r\nTheme=3\r\nSpeed=2\r\nPrecent_To_Complete=90\r\n"
     "Rows=30\r\nCols=40\r\nUser=Zed\r\nToolbar=N\r\nStatusbar=Y\r\n",
     "0 0 3 2 90 30x40 01 [Zed]",
     "Grid=No Sound=No Theme=3 Speed=2 Precent_To_Complete=90 Rows=30 Cols=40 Toolbar=N "
     "Statusbar=Y User=Zed"},
};

class SettingsWiringTest : public GameFixture,
                           public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(SettingsWiringTest, ReadAtStartAndWrittenAtTheEnd) {
    const SettingsCase& c = GetParam();
    if (c.file != nullptr) {
        writeFile(settingsFile, c.file);
    }
    startGame();
    const Game& g = game();
    EXPECT_EQ(std::to_string(g.level->GRID) + " " + std::to_string(g.soundOn) + " " +
                  std::to_string(g.themeIndex) + " " + std::to_string(g.level->SPEED) + " " +
                  std::to_string(g.percentToComplete) + " " + std::to_string(g.rows) + "x" +
                  std::to_string(g.cols) + " " + std::to_string(g.toolbarShown()) +
                  std::to_string(g.statusBarShown()) + " [" + userName + "]",
              c.read);
    endGame();
    std::string written;
    for (const char* key : {"Grid", "Sound", "Theme", "Speed", "Precent_To_Complete", "Rows",
                            "Cols", "Toolbar", "Statusbar", "User"}) {
        written += std::string(written.empty() ? "" : " ") + key + "=" + setting("General", key);
    }
    EXPECT_EQ(written, c.written);
    EXPECT_EQ(setting("General", "Size_Of_Wall_Of_Fame"), "0");
    EXPECT_EQ(setting("Files", "Level_0"), "-1");
    EXPECT_EQ(setting("Files", "Level_9"), "-1");
    userName[0] = '\0';
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsWiringTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

using SettingsRunTest = GameFixture;

TEST_F(SettingsRunTest, WallOfFameAndSlotIndexSurviveARun) {
    writeFile(settingsFile,
              "[General]\r\nSize_Of_Wall_Of_Fame=3\r\n"
              "[WallOfFame]\r\nUser_0=Ann\r\nScore_0=500\r\nLevel_0=4\r\n"
              "User_1=Bob\r\nScore_1=400\r\nLevel_1=3\r\nUser_2=Cy\r\nScore_2=300\r\nLevel_2=2\r\n"
              "User_5=Stale\r\nScore_5=9\r\n"
              "[Files]\r\nLevel_3=5\r\nDesc_3=kept\r\nLevel_4=2\r\nDesc_4=file gone\r\n");
    writeFile(slotFile(3), "<HEAD>\r\n");
    startGame();
    EXPECT_STREQ(wallOfFameTable.entries[1].name, "Bob");
    EXPECT_EQ(wallOfFameTable.entries[2].score, 300);
    EXPECT_EQ(wallOfFameTable.entries[3].score, -1);
    const SavedGameSlot& kept = game().slots.slots[3];
    EXPECT_EQ(kept.level, 5);
    EXPECT_STREQ(kept.description, "kept");
    EXPECT_EQ(kept.year, localDateNow().year);  // the file's own date
    EXPECT_EQ(game().slots.slots[4].level, -1) << "its file is missing";
    endGame();
    clearWallOfFame(wallOfFameTable);

    const std::pair<const char*, const char*> keys[] = {
        {"WallOfFame", "User_0"}, {"WallOfFame", "Score_1"}, {"WallOfFame", "Level_2"},
        {"WallOfFame", "User_5"}, {"Files", "Level_3"},      {"Files", "Desc_3"},
        {"Files", "Level_4"},     {"Files", "Desc_4"}};
    std::string written;
    for (const auto& [section, key] : keys) {
        written += std::string(key) + "=" + setting(section, key) + " ";
    }
    // Keys past the count stay; a slot whose file is gone is written empty
    // and keeps its old description.
    EXPECT_EQ(written,
              "User_0=Ann Score_1=400 Level_2=2 User_5=Stale Level_3=5 Desc_3=kept Level_4=-1 "
              "Desc_4=file gone ");
    EXPECT_EQ(setting("General", "Size_Of_Wall_Of_Fame"), "3");
}

TEST_F(SettingsRunTest, FatalErrorStillWritesTheSettings) {
    startGame();
    game().themeIndex = 5;
    SendMessageA(view, WM_COMMAND, IDM_TOOLBAR, 0);  // hide the toolbar
    DialogDriver driver;
    driver.then("Zembal", press(IDOK));
    game().fatalError("Bar::move");
    pumpMessages();
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(driver.boxTexts, std::vector<std::string>{"Bar::move"});
    EXPECT_FALSE(IsWindow(frame)) << "a fatal error ends the run";
    EXPECT_EQ(theGame, nullptr);
    EXPECT_EQ(setting("General", "Theme"), "5");
    EXPECT_EQ(setting("General", "Toolbar"), "N");
}

// The program's own location: the roaming application data folder, read
// once from the Windows folder's file while the new one does not exist.
TEST_F(SettingsRunTest, ProgramKeepsItsSettingsInTheRoamingFolderAndMovesTheOldFileThere) {
    Win32FileSystem files;
    const std::string userFile = win32SettingsFiles(files).writePath;
    const std::string suffix = "\\AppData\\Roaming\\Zembal\\ts_zembal.ini";
    ASSERT_GT(userFile.size(), suffix.size());
    EXPECT_EQ(userFile.substr(userFile.size() - suffix.size()), suffix);
    DeleteFileA(userFile.c_str());
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string legacyFile = std::string(windows) + "\\ts_zembal.ini";
    writeFile(legacyFile, "[General]\r\nTheme=4\r\nRows=25\r\nCols=35\r\n");

    setSettingsFilesProvider(win32SettingsFiles);
    startGame();
    EXPECT_EQ(game().themeIndex, 4);
    EXPECT_EQ(game().rows, 25);
    game().themeIndex = 6;
    endGame();
    auto read = [](const std::string& file, const char* key) {
        char value[64];
        GetPrivateProfileStringA("General", key, "", value, sizeof value, file.c_str());
        return std::string(value);
    };
    EXPECT_EQ(read(userFile, "Theme") + " " + read(userFile, "Cols"), "6 35");
    EXPECT_EQ(read(legacyFile, "Theme"), "4") << "the old file is read, never written";

    // From now on the new file is the one read.
    startGame();
    EXPECT_EQ(game().themeIndex, 6);
    endGame();
    DeleteFileA(userFile.c_str());
    DeleteFileA(legacyFile.c_str());
}

}  // namespace
