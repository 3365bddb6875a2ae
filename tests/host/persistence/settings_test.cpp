// Reading and writing the section "General" of the settings file.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "persistence/ini_profile.h"
#include "persistence/settings.h"
#include "tests/host/persistence/test_support.h"

namespace {

// Everything loadSettings fills, read from one profile text.
struct Loaded {
    explicit Loaded(const std::string& text) : profile(IniProfile::fromText(text)) {
        game.rows = 1;  // anything but the defaults, so they must be put in place
        game.cols = 1;
        game.percentToComplete = 1;
        settings.soundOn = 7;
        settings.themeIndex = 7;
        std::strcpy(userName, "stale");
        loadSettings(profile, game, settings, wallOfFame, userName, slots,
                     folder.path("games").c_str(), files);
    }

    ScratchFolder folder;
    FileSystem files;
    IniProfile profile;
    RecordingGame game;
    GameSettings settings;
    WallOfFameTable wallOfFame;
    char userName[kNameBufferSize] = {};
    SlotTable slots;
};

TEST(Settings, NoFileGivesTheDefaults) {
    Loaded l("");
    EXPECT_EQ(l.game.level->GRID, 1);
    EXPECT_EQ(l.settings.soundOn, 1);
    EXPECT_EQ(l.settings.themeIndex, 0);
    EXPECT_EQ(l.game.level->SPEED, 0);
    EXPECT_EQ(l.game.percentToComplete, 75);
    EXPECT_EQ(l.game.rows, 20);
    EXPECT_EQ(l.game.cols, 30);
    EXPECT_STREQ(l.userName, "");
    for (const WallOfFameEntry& entry : l.wallOfFame.entries) {
        EXPECT_EQ(entry.score, -1);
    }
    for (const SavedGameSlot& slot : l.slots.slots) {
        EXPECT_EQ(slot.level, -1);
    }
    EXPECT_EQ(readBarVisible(l.profile, kToolbarKey), 1);
    EXPECT_EQ(readBarVisible(l.profile, kStatusbarKey), 1);
}

struct SwitchCase {
    const char* value;
    int32_t on;
};

class Switches : public testing::TestWithParam<SwitchCase> {};

TEST_P(Switches, OnlyAFirstYMeansOn) {
    const std::string v = GetParam().value;
    Loaded l("[General]\r\nGrid=" + v + "\r\nSound=" + v + "\r\nToolbar=" + v +
             "\r\nStatusbar=" + v + "\r\n");
    EXPECT_EQ(l.game.level->GRID, GetParam().on) << v;
    EXPECT_EQ(l.settings.soundOn, GetParam().on) << v;
    EXPECT_EQ(readBarVisible(l.profile, kToolbarKey), GetParam().on) << v;
    EXPECT_EQ(readBarVisible(l.profile, kStatusbarKey), GetParam().on) << v;
}

INSTANTIATE_TEST_SUITE_P(Values, Switches,
                         testing::Values(SwitchCase{"Yes", 1}, SwitchCase{"yes", 1},
                                         SwitchCase{"Y", 1}, SwitchCase{"y", 1},
                                         SwitchCase{"yikes", 1}, SwitchCase{"No", 0},
                                         SwitchCase{"n", 0}, SwitchCase{"1", 0}, SwitchCase{"", 0},
                                         SwitchCase{" ", 0}));

TEST(Settings, EmptyNumbersReadAsZero) {
    Loaded l("[General]\r\nTheme=\r\nSpeed=\r\nPrecent_To_Complete=\r\nRows=\r\nCols=\r\n");
    EXPECT_EQ(l.settings.themeIndex, 0);
    EXPECT_EQ(l.game.level->SPEED, 0);
    EXPECT_EQ(l.game.percentToComplete, 75);
    EXPECT_EQ(l.game.rows, 20);
    EXPECT_EQ(l.game.cols, 30);
}

TEST(Settings, ThemeAndSpeedAreStoredUncheckedAndWrittenBackAsRead) {
    Loaded l("[General]\r\nTheme=9\r\nSpeed=7\r\n");
    EXPECT_EQ(l.settings.themeIndex, 9);
    EXPECT_EQ(l.game.level->SPEED, 7);
    IniProfile out = IniProfile::fromText("");
    saveSettings(out, l.game, l.settings, l.wallOfFame, l.userName, l.slots, "", l.files);
    IniProfile& written = out;
    char value[32];
    written.getString("General", "Theme", "", value, sizeof value);
    EXPECT_STREQ(value, "9");
    written.getString("General", "Speed", "", value, sizeof value);
    EXPECT_STREQ(value, "7");
}

TEST(Settings, NumbersAreConvertedAsDecimals) {
    Loaded l("[General]\r\nTheme=  -3x\r\nSpeed=99999999999999\r\n");
    EXPECT_EQ(l.settings.themeIndex, -3);
    EXPECT_EQ(l.game.level->SPEED, 2147483647);
}

struct PercentCase {
    const char* value;
    int32_t percent;
};

class Percentages : public testing::TestWithParam<PercentCase> {};

TEST_P(Percentages, OnlyTheFiveValuesAreTaken) {
    Loaded l(std::string("[General]\r\nPrecent_To_Complete=") + GetParam().value + "\r\n");
    EXPECT_EQ(l.game.percentToComplete, GetParam().percent) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Values, Percentages,
                         testing::Values(PercentCase{"70", 70}, PercentCase{"85", 85},
                                         PercentCase{"90", 90}, PercentCase{"77", 75},
                                         PercentCase{"0", 75}, PercentCase{"100", 75},
                                         PercentCase{"80 percent", 80}));

struct SizeCase {
    const char* rows;
    const char* cols;
    int32_t expectedRows;
    int32_t expectedCols;
};

class FieldSizes : public testing::TestWithParam<SizeCase> {};

TEST_P(FieldSizes, OnlyPairsOfTheTableAreTaken) {
    Loaded l(std::string("[General]\r\nRows=") + GetParam().rows + "\r\nCols=" + GetParam().cols +
             "\r\n");
    EXPECT_EQ(l.game.rows, GetParam().expectedRows);
    EXPECT_EQ(l.game.cols, GetParam().expectedCols);
}

INSTANTIATE_TEST_SUITE_P(Values, FieldSizes,
                         testing::Values(SizeCase{"20", "40", 20, 30}, SizeCase{"30", "40", 30, 40},
                                         SizeCase{"15", "20", 15, 20}, SizeCase{"25", "35", 25, 35},
                                         SizeCase{"15", "30", 20, 30}, SizeCase{"50", "50", 20, 30},
                                         SizeCase{" 25", "35 cells", 25, 35},
                                         SizeCase{"", "", 20, 30}));

TEST(Settings, UserNameIsCutTo29Characters) {
    const std::string name35 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789";
    Loaded l("[General]\r\nUser=" + name35 + "\r\n");
    EXPECT_EQ(std::string(l.userName), name35.substr(0, 29));
}

TEST(Settings, WritesEveryKeyInOrderAndForm) {
    Loaded l("");
    l.game.level->GRID = 0;
    l.game.level->SPEED = 2;
    l.settings.soundOn = 1;
    l.settings.themeIndex = 4;
    l.game.percentToComplete = 85;
    l.game.rows = 25;
    l.game.cols = 35;
    l.settings.toolbarVisible = 0;
    l.settings.statusBarVisible = 1;
    std::strcpy(l.userName, "Zoe");
    l.wallOfFame.entries[0] = WallOfFameEntry{"Ann", 500, 4};
    l.slots.slots[2].level = 3;  // its file does not exist: stored as empty
    std::strcpy(l.slots.slots[2].description, "gone");
    IniProfile out = IniProfile::fromText("");
    saveSettings(out, l.game, l.settings, l.wallOfFame, l.userName, l.slots,
                 l.folder.path("games").c_str(), l.files);
    std::string expected =
        "[General]\r\nGrid=No\r\nSound=Yes\r\nTheme=4\r\nSpeed=2\r\nPrecent_To_Complete=85\r\n"
        "Rows=25\r\nCols=35\r\nToolbar=N\r\nStatusbar=Y\r\nUser=Zoe\r\nSize_Of_Wall_Of_Fame=1\r\n"
        "\r\n[WallOfFame]\r\nUser_0=Ann\r\nScore_0=500\r\nLevel_0=4\r\n\r\n[Files]\r\n";
    for (int i = 0; i < kSlotCount; ++i) {
        expected += "Level_" + std::to_string(i) + "=-1\r\nDesc_" + std::to_string(i) + "=" +
                    (i == 2 ? "gone" : "") + "\r\n";
    }
    EXPECT_EQ(out.text(), expected);
}

TEST(Settings, EmptyUserNameLeavesTheKeyAsItWas) {
    Loaded l("[General]\r\nUser=Kept\r\n");
    IniProfile out = IniProfile::fromText("[General]\r\nUser=Kept\r\n");
    l.userName[0] = '\0';
    saveSettings(out, l.game, l.settings, l.wallOfFame, l.userName, l.slots, "", l.files);
    char value[64];
    out.getString("General", "User", "", value, sizeof value);
    EXPECT_STREQ(value, "Kept");
}

TEST(Settings, NamesWithBlanksOrQuotesComeBackUnchanged) {
    for (const char* name : {" lead", "trail ", "\"quoted\"", "'q'", "a=b;c", "\"half"}) {
        Loaded l("");
        std::strcpy(l.userName, name);
        IniProfile out = IniProfile::fromText("");
        saveSettings(out, l.game, l.settings, l.wallOfFame, l.userName, l.slots, "", l.files);
        Loaded again(out.text());
        EXPECT_STREQ(again.userName, name);
    }
}

TEST(Settings, ChoosesTheUserFileAndReadsTheOldOneOnce) {
    ScratchFolder folder;
    FileSystem files;
    const std::string user = folder.path("user.ini");
    const std::string legacy = folder.path("legacy.ini");

    SettingsFiles chosen = chooseSettingsFiles(user, legacy, files);
    EXPECT_EQ(chosen.readPath, user);
    EXPECT_EQ(chosen.writePath, user);

    writeBytes(legacy, "[General]\r\nGrid=No\r\n");
    chosen = chooseSettingsFiles(user, legacy, files);
    EXPECT_EQ(chosen.readPath, legacy);
    EXPECT_EQ(chosen.writePath, user);

    writeBytes(user, "[General]\r\n");
    chosen = chooseSettingsFiles(user, legacy, files);
    EXPECT_EQ(chosen.readPath, user);
    EXPECT_EQ(chosen.writePath, user);

    chosen = chooseSettingsFiles("", legacy, files);
    EXPECT_EQ(chosen.readPath, legacy);
    EXPECT_EQ(chosen.writePath, legacy);
}

}  // namespace
