// The game reads its settings through the platform's private-profile
// functions when it is built, reads the two bars' keys when the view is
// built, and writes everything back when it is destroyed, also after a
// fatal error.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "model/wall_of_fame.h"
#include "persistence/win32_binding.h"
#include "tests/win/persistence/dialog_driver.h"
#include "tests/win/persistence/game_fixture.h"

namespace {

struct SettingsCase {
    const char* name;
    const char* file;  // null: no settings file at all
    // What the game holds after reading.
    int grid, sound, theme, speed, percent, rows, cols;
    const char* user;
    int toolbar, statusBar;
    // What the end of the run writes.
    const char* grid_w;
    const char* sound_w;
    const char* theme_w;
    const char* speed_w;
    const char* percent_w;
    const char* rows_w;
    const char* cols_w;
    const char* toolbar_w;
    const char* statusBar_w;
    const char* user_w;
};

const SettingsCase kCases[] = {
    {"NoFile", nullptr, 1,     1,   0,   0,    75,   20,   30,  "",  1,
     1,        "Yes",   "Yes", "0", "0", "75", "20", "30", "Y", "Y", "<missing>"},
    {"EmptyValuesAreNotMissing",
     "[General]\r\nGrid=\r\nSound=\r\nTheme=\r\nSpeed=\r\nToolbar=\r\nStatusbar=\r\n",
     0,
     0,
     0,
     0,
     75,
     20,
     30,
     "",
     0,
     0,
     "No",
     "No",
     "0",
     "0",
     "75",
     "20",
     "30",
     "N",
     "N",
     "<missing>"},
    {"UncheckedValuesWrittenBackAsRead",
     "[General]\r\nGrid=y\r\nSound=Yes\r\nTheme=9\r\nSpeed=7\r\nPrecent_To_Complete=77\r\n"
     "Rows=20\r\nCols=40\r\nUser=ABCDEFGHIJKLMNOPQRSTUVWXYZ012345678\r\nToolbar=y\r\n"
     "Statusbar=No\r\n",
     1,
     1,
     9,
     7,
     75,
     20,
     30,
     "ABCDEFGHIJKLMNOPQRSTUVWXYZ012",
     1,
     0,
     "Yes",
     "Yes",
     "9",
     "7",
     "75",
     "20",
     "30",
     "Y",
     "N",
     "ABCDEFGHIJKLMNOPQRSTUVWXYZ012"},
    {"TablePairAndLargestPercent",
     "[General]\r\nGrid=n\r\nSound=1\r\nTheme=3\r\nSpeed=2\r\nPrecent_To_Complete=90\r\n"
     "Rows=30\r\nCols=40\r\nUser=Zed\r\nToolbar=N\r\nStatusbar=Y\r\n",
     0,
     0,
     3,
     2,
     90,
     30,
     40,
     "Zed",
     0,
     1,
     "No",
     "No",
     "3",
     "2",
     "90",
     "30",
     "40",
     "N",
     "Y",
     "Zed"},
};

class SettingsWiringTest : public GameFixture,
                           public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(SettingsWiringTest, ReadAtStartAndWrittenAtTheEnd) {
    const SettingsCase& c = GetParam();
    if (c.file != nullptr) {
        writeFile(settingsFile, c.file);
    }
    startGame();
    EXPECT_EQ(game().level->GRID, c.grid);
    EXPECT_EQ(game().soundOn, c.sound);
    EXPECT_EQ(game().themeIndex, c.theme);
    EXPECT_EQ(game().level->SPEED, c.speed);
    EXPECT_EQ(game().percentToComplete, c.percent);
    EXPECT_EQ(game().rows, c.rows);
    EXPECT_EQ(game().cols, c.cols);
    EXPECT_STREQ(userName, c.user);
    EXPECT_EQ(game().toolbar.visibleFlag, c.toolbar);
    EXPECT_EQ(game().statusBar.visibleFlag, c.statusBar);
    EXPECT_EQ(game().toolbarShown(), c.toolbar == 1);
    EXPECT_EQ(game().statusBarShown(), c.statusBar == 1);
    endGame();

    EXPECT_EQ(setting("General", "Grid"), c.grid_w);
    EXPECT_EQ(setting("General", "Sound"), c.sound_w);
    EXPECT_EQ(setting("General", "Theme"), c.theme_w);
    EXPECT_EQ(setting("General", "Speed"), c.speed_w);
    EXPECT_EQ(setting("General", "Precent_To_Complete"), c.percent_w);
    EXPECT_EQ(setting("General", "Rows"), c.rows_w);
    EXPECT_EQ(setting("General", "Cols"), c.cols_w);
    EXPECT_EQ(setting("General", "Toolbar"), c.toolbar_w);
    EXPECT_EQ(setting("General", "Statusbar"), c.statusBar_w);
    EXPECT_EQ(setting("General", "User"), c.user_w);
    EXPECT_EQ(setting("General", "Size_Of_Wall_Of_Fame"), "0");
    for (int i = 0; i < 10; ++i) {
        const std::string key = "Level_" + std::to_string(i);
        EXPECT_EQ(setting("Files", key.c_str()), "-1") << key;
    }
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
    EXPECT_EQ(game().slots.slots[3].level, 5);
    EXPECT_STREQ(game().slots.slots[3].description, "kept");
    const FileDate today = localDateNow();
    EXPECT_EQ(game().slots.slots[3].day, today.day);
    EXPECT_EQ(game().slots.slots[3].year, today.year);
    EXPECT_EQ(game().slots.slots[4].level, -1) << "its file is missing";
    EXPECT_TRUE(game().hasSavedGames());
    endGame();

    EXPECT_EQ(setting("General", "Size_Of_Wall_Of_Fame"), "3");
    EXPECT_EQ(setting("WallOfFame", "User_0"), "Ann");
    EXPECT_EQ(setting("WallOfFame", "Score_1"), "400");
    EXPECT_EQ(setting("WallOfFame", "Level_2"), "2");
    EXPECT_EQ(setting("WallOfFame", "User_5"), "Stale") << "keys past the count stay";
    EXPECT_EQ(setting("Files", "Level_3"), "5");
    EXPECT_EQ(setting("Files", "Desc_3"), "kept");
    EXPECT_EQ(setting("Files", "Level_4"), "-1");
    EXPECT_EQ(setting("Files", "Desc_4"), "file gone");
}

TEST_F(SettingsRunTest, FatalErrorStillWritesTheSettings) {
    startGame();
    game().themeIndex = 5;
    SendMessageA(game().gameWindow, WM_COMMAND, IDM_TOOLBAR, 0);  // hide the toolbar
    std::string shown;
    DialogDriver driver;
    driver.then("Zembal", [&](HWND box) {
        shown = boxText(box);
        click(box, IDOK);
    });
    game().fatalError("Bar::move");
    pumpMessages();
    EXPECT_EQ(shown, "Bar::move");
    EXPECT_FALSE(IsWindow(frame)) << "a fatal error ends the run";
    EXPECT_EQ(theGame, nullptr);
    EXPECT_EQ(setting("General", "Theme"), "5");
    EXPECT_EQ(setting("General", "Toolbar"), "N");
}

// The program's own location: the roaming application data folder, read
// once from the Windows folder's file while the new one does not exist.
TEST_F(SettingsRunTest, ProgramKeepsItsSettingsInTheRoamingFolderAndMovesTheOldFileThere) {
    Win32FileSystem files;
    SettingsFiles where = win32SettingsFiles(files);
    const std::string userFile = where.writePath;
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

    char value[64];
    GetPrivateProfileStringA("General", "Theme", "", value, sizeof value, userFile.c_str());
    EXPECT_STREQ(value, "6");
    GetPrivateProfileStringA("General", "Cols", "", value, sizeof value, userFile.c_str());
    EXPECT_STREQ(value, "35");
    GetPrivateProfileStringA("General", "Theme", "", value, sizeof value, legacyFile.c_str());
    EXPECT_STREQ(value, "4") << "the old file is read, never written";

    // From now on the new file is the one read.
    startGame();
    EXPECT_EQ(game().themeIndex, 6);
    endGame();
    DeleteFileA(userFile.c_str());
    DeleteFileA(legacyFile.c_str());
}

}  // namespace
