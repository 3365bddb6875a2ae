// The settings file: the private-profile store, the section "General", the
// Wall of Fame, and the text conversions they rely on.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "persistence/ini_profile.h"
#include "persistence/settings.h"
#include "persistence/text.h"
#include "persistence/wall_of_fame_store.h"
#include "tests/host/persistence/test_support.h"

namespace {

std::string get(ProfileStore& profile, const char* section, const char* key,
                const char* fallback = "<none>", int size = 512) {
    char buffer[512];
    const int n = profile.getString(section, key, fallback, buffer, size);
    EXPECT_EQ(n, static_cast<int>(std::strlen(buffer))) << key;
    return buffer;
}

struct DecimalCase {
    const char* text;
    bool found;
    int32_t value;
};

TEST(Text, DecimalsReadAsTheCLibraryReadsThemAndSaturate) {
    // clang-format off
    const DecimalCase cases[] = {
        {"75", true, 75}, {"", false, 0}, {"  \t 42", true, 42}, {"-3", true, -3}, {"+8", true, 8},
        {"12abc", true, 12}, {"abc", false, 0}, {"-", false, 0}, {"+ 5", false, 0},
        {"0x1F", true, 0}, {"00000000000000000000007", true, 7},
        {"2147483647", true, 2147483647}, {"2147483648", true, 2147483647},
        {"99999999999999999999999", true, 2147483647}, {"-2147483648", true, INT32_MIN},
        {"-99999999999999999999", true, INT32_MIN}};
    // clang-format on
    for (const DecimalCase& c : cases) {
        int32_t value = -99;
        EXPECT_EQ(scanDecimal(c.text, &value), c.found) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(decimalValue(c.text), c.value) << c.text;
    }
}

TEST(IniProfile, ReadsValuesAsThePlatformDoes) {
    IniProfile profile = IniProfile::fromText(
        "; comment line\r\n[General]\r\nGrid=Yes\r\n  Speed  =   2   \r\nTheme=\r\n"
        "User=\"  spaced  \"\r\nQuote='half\r\nNoEquals\r\ngrid=second\r\n\r\n"
        "[WallOfFame]\nUser_0=Ann\n[general]\r\nLate=ignored\r\n");
    const struct {
        const char *section, *key, *fallback;
        int size;
        const char* value;
    } cases[] = {
        {"General", "Grid", "No", 512, "Yes"},       // the first of two keys
        {"GENERAL", "GRID", "No", 512, "Yes"},       // names match without regard to case
        {"General", "Speed", "0", 512, "2"},         // blanks around names and values dropped
        {"General", "Theme", "0", 512, ""},          // present and empty is not missing
        {"General", "User", "", 512, "  spaced  "},  // one pair of quotes dropped
        {"General", "Quote", "", 512, "'half"},
        {"General", "NoEquals", "dflt", 512, "dflt"},
        {"General", "Missing", "Yes", 512, "Yes"},
        {"Nowhere", "Grid", "Y", 512, "Y"},
        {"WallOfFame", "User_0", "", 512, "Ann"},  // LF-only lines
        {"General", "Late", "none", 512, "none"},  // only the first section of a name
        {"General", "Grid", "", 3, "Ye"},          // cut to the buffer
        {"General", "Missing", "0123456789", 4, "012"},
        {"General", "Grid", "", 1, ""},
        {"General", "Missing", "x  ", 512, "x"},  // the default's trailing blanks dropped
    };
    for (const auto& c : cases) {
        EXPECT_EQ(get(profile, c.section, c.key, c.fallback, c.size), c.value)
            << c.section << " " << c.key;
    }
}

TEST(IniProfile, WritesCreateReplaceAndKeepTheRest) {
    ScratchFolder folder;
    const std::string path = folder.path("settings.ini");
    IniProfile profile(path);
    EXPECT_EQ(get(profile, "General", "Grid", "Yes"), "Yes");  // no file yet
    profile.writeString("General", "Grid", "No");
    profile.writeString("General", "Speed", "1");
    profile.writeString("WallOfFame", "User_0", "Bob");
    EXPECT_EQ(readBytes(path),
              "[General]\r\nGrid=No\r\nSpeed=1\r\n\r\n[WallOfFame]\r\nUser_0=Bob\r\n");

    // A key is replaced where it stands, whatever the case of its name; a
    // new key goes after the section's last line; other lines stay.
    writeBytes(path, "; keep me\n[general]\nGRID=Yes\nOther=1\n\n[WallOfFame]\nUser_0=Ann\n");
    profile.writeString("General", "Grid", "No");
    profile.writeString("General", "Theme", "3");
    EXPECT_EQ(readBytes(path),
              "; keep me\r\n[general]\r\nGRID=No\r\nOther=1\r\nTheme=3\r\n\r\n[WallOfFame]\r\n"
              "User_0=Ann\r\n");

    // A byte-order mark is skipped when reading and kept when writing.
    IniProfile marked = IniProfile::fromText("\xEF\xBB\xBF[General]\r\nGrid=No\r\n");
    EXPECT_EQ(get(marked, "General", "Grid", "Yes"), "No");
    marked.writeString("General", "Sound", "No");
    EXPECT_EQ(marked.text(), "\xEF\xBB\xBF[General]\r\nGrid=No\r\nSound=No\r\n");
}

// The settings loaded from a profile text as the game loads them, then
// saved into an empty profile.
struct Loaded {
    explicit Loaded(const std::string& text) : profile(IniProfile::fromText(text)) {
        game.rows = 1;  // anything but the defaults, so they must be put in place
        game.cols = 1;
        game.percentToComplete = 1;
        settings.soundOn = 7;
        settings.themeIndex = 7;
        std::strcpy(userName, "stale");
        loadSettings(profile, game, settings, wallOfFame, userName, slots, games.c_str(), files);
        settings.statusBarVisible = readBarVisible(profile, kStatusbarKey);
        settings.toolbarVisible = readBarVisible(profile, kToolbarKey);
    }
    IniProfile save(const std::string& before = "") {
        IniProfile out = IniProfile::fromText(before);
        saveSettings(out, game, settings, wallOfFame, userName, slots, games.c_str(), files);
        return out;
    }

    ScratchFolder folder;
    std::string games = folder.path("games");
    FileSystem files;
    IniProfile profile;
    RecordingGame game;
    GameSettings settings;
    WallOfFameTable wallOfFame;
    char userName[kNameBufferSize] = {};
    SlotTable slots;
};

TEST(Settings, ValuesReadAreWrittenBackAsTheGameKeepsThem) {
    // The section "General" read, and the values then written in the file's
    // order: Grid Sound Theme Speed Precent_To_Complete Rows Cols Toolbar
    // Statusbar User ("-": not written).
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"",                                          "Yes Yes 0 0 75 20 30 Y Y -"},
        {"Grid=\nSound=\nTheme=\nSpeed=\nPrecent_To_Complete=\nRows=\nCols=\nToolbar=\n"
         "Statusbar=\nUser=\n",                       "No No 0 0 75 20 30 N N -"},
        // Only a first letter Y or y switches on.
        {"Grid=Yes\nSound=n\nToolbar=yikes\nStatusbar=1", "Yes No 0 0 75 20 30 Y N -"},
        {"Grid=No\nSound=yes\nToolbar= \nStatusbar=y",    "No Yes 0 0 75 20 30 N Y -"},
        {"Grid=y\nSound=Y\nToolbar=n\nStatusbar=No",      "Yes Yes 0 0 75 20 30 N N -"},
        // Theme and Speed are stored unchecked and written back as read.
        {"Theme=9\nSpeed=7",                          "Yes Yes 9 7 75 20 30 Y Y -"},
        {"Theme=  -3x\nSpeed=99999999999999",         "Yes Yes -3 2147483647 75 20 30 Y Y -"},
        {"Precent_To_Complete=70",                    "Yes Yes 0 0 70 20 30 Y Y -"},
        {"Precent_To_Complete=90",                    "Yes Yes 0 0 90 20 30 Y Y -"},
        {"Precent_To_Complete=80 percent",            "Yes Yes 0 0 80 20 30 Y Y -"},
        {"Precent_To_Complete=77",                    "Yes Yes 0 0 75 20 30 Y Y -"},
        {"Precent_To_Complete=0",                     "Yes Yes 0 0 75 20 30 Y Y -"},
        {"Precent_To_Complete=100",                   "Yes Yes 0 0 75 20 30 Y Y -"},
        {"Rows=30\nCols=40",                          "Yes Yes 0 0 75 30 40 Y Y -"},
        {"Rows=15\nCols=20",                          "Yes Yes 0 0 75 15 20 Y Y -"},
        {"Rows= 25\nCols=35 cells",                   "Yes Yes 0 0 75 25 35 Y Y -"},
        {"Rows=20\nCols=40",                          "Yes Yes 0 0 75 20 30 Y Y -"},
        {"Rows=15\nCols=30",                          "Yes Yes 0 0 75 20 30 Y Y -"},
        {"Rows=50\nCols=50",                          "Yes Yes 0 0 75 20 30 Y Y -"},
        {"User=ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789",  "Yes Yes 0 0 75 20 30 Y Y "
                                                      "ABCDEFGHIJKLMNOPQRSTUVWXYZ123"},
    };
    // clang-format on
    for (const auto& [text, written] : cases) {
        Loaded l("[General]\n" + text + "\n");
        IniProfile out = l.save();
        std::string values;
        for (const char* key : {"Grid", "Sound", "Theme", "Speed", "Precent_To_Complete", "Rows",
                                "Cols", "Toolbar", "Statusbar", "User"}) {
            values += (values.empty() ? "" : " ") + get(out, "General", key, "-");
        }
        EXPECT_EQ(values, written) << text;
    }
}

TEST(Settings, WritesEveryKeyInOrderAndForm) {
    Loaded l("");
    l.game.level->GRID = 0;
    l.game.level->SPEED = 2;
    l.settings.themeIndex = 4;
    l.game.percentToComplete = 85;
    l.game.rows = 25;
    l.game.cols = 35;
    l.settings.toolbarVisible = 0;
    std::strcpy(l.userName, "Zoe");
    l.wallOfFame.entries[0] = WallOfFameEntry{"Ann", 500, 4};
    l.slots.slots[2].level = 3;  // its file does not exist: stored as empty
    std::strcpy(l.slots.slots[2].description, "gone");
    std::string expected =
        "[General]\r\nGrid=No\r\nSound=Yes\r\nTheme=4\r\nSpeed=2\r\nPrecent_To_Complete=85\r\n"
        "Rows=25\r\nCols=35\r\nToolbar=N\r\nStatusbar=Y\r\nUser=Zoe\r\nSize_Of_Wall_Of_Fame=1\r\n"
        "\r\n[WallOfFame]\r\nUser_0=Ann\r\nScore_0=500\r\nLevel_0=4\r\n\r\n[Files]\r\n";
    for (int i = 0; i < kSlotCount; ++i) {
        expected += "Level_" + std::to_string(i) + "=-1\r\nDesc_" + std::to_string(i) + "=" +
                    (i == 2 ? "gone" : "") + "\r\n";
    }
    EXPECT_EQ(l.save().text(), expected);

    // An empty user name leaves the key as it was.
    l.userName[0] = '\0';
    IniProfile kept = l.save("[General]\r\nUser=Kept\r\n");
    EXPECT_EQ(get(kept, "General", "User"), "Kept");
}

TEST(Settings, NamesWithBlanksOrQuotesComeBackUnchanged) {
    for (const char* name : {" lead", "trail ", "\"quoted\"", "'q'", "a=b;c", "\"half"}) {
        Loaded l("");
        std::strcpy(l.userName, name);
        Loaded again(l.save().text());
        EXPECT_STREQ(again.userName, name);
    }
}

TEST(Settings, ChoosesTheUserFileAndReadsTheOldOneOnce) {
    ScratchFolder folder;
    FileSystem files;
    const std::string user = folder.path("user.ini");
    const std::string legacy = folder.path("legacy.ini");
    const auto chosen = [&](const std::string& userFile) {
        const SettingsFiles f = chooseSettingsFiles(userFile, legacy, files);
        return f.readPath + " > " + f.writePath;
    };
    EXPECT_EQ(chosen(user), user + " > " + user);
    writeBytes(legacy, "[General]\r\nGrid=No\r\n");
    EXPECT_EQ(chosen(user), legacy + " > " + user);
    writeBytes(user, "[General]\r\n");
    EXPECT_EQ(chosen(user), user + " > " + user);
    EXPECT_EQ(chosen(""), legacy + " > " + legacy);
}

TEST(FuzzCorpus, SettingsInputsLoadAndSaveStably) {
    auto inputs = corpusFiles("settings");
    ASSERT_FALSE(inputs.empty());
    for (const std::string& finding : corpusFiles("regressions/settings")) {
        inputs.push_back(finding);
    }
    for (const std::string& input : inputs) {
        const std::string written = Loaded(readBytes(input)).save().text();
        EXPECT_EQ(Loaded(written).save().text(), written) << input;
    }
}

// The entries in use, as "count: first .. last"; stale entries show.
std::string describe(const WallOfFameTable& table) {
    std::vector<std::string> used;
    for (const WallOfFameEntry& e : table.entries) {
        if (e.score != -1 || e.name[0] != '\0') {
            used.push_back(std::string(e.name) + " " + std::to_string(e.score) + " " +
                           std::to_string(e.level));
        }
    }
    return used.empty() ? "0"
                        : std::to_string(used.size()) + ": " + used.front() + " .. " + used.back();
}

std::string twelveEntries() {
    std::string text = "[WallOfFame]\r\n";
    for (int i = 0; i < 12; ++i) {
        const std::string n = std::to_string(i);
        text += "User_" + n + "=P" + n + "\r\nScore_" + n + "=" + std::to_string(1000 - i) +
                "\r\nLevel_" + n + "=" + std::to_string(i + 1) + "\r\n";
    }
    return text;
}

TEST(WallOfFameStore, ReadsAsManyEntriesAsTheCountSaysAndTakesThemAsTheyStand) {
    const std::string count = "[General]\r\nSize_Of_Wall_Of_Fame=";
    const std::pair<std::string, std::string> cases[] = {
        {twelveEntries() + count + "3", "3: P0 1000 1 .. P2 998 3"},
        {twelveEntries() + count + "10", "10: P0 1000 1 .. P9 991 10"},
        {twelveEntries() + count + "12", "10: P0 1000 1 .. P9 991 10"},
        {twelveEntries() + count + "0", "0"},
        {twelveEntries() + count + "-1", "0"},
        {twelveEntries() + count + "many", "0"},
        {twelveEntries() + count, "0"},
        {count + "2\r\n[WallOfFame]\r\nUser_0=Ann\r\nScore_0=300\r\nLevel_0=3\r\nUser_1=Bob",
         "2: Ann 300 3 .. Bob 0 0"},
        {count + "1\r\n[WallOfFame]\r\nUser_0=ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789\r\nScore_0=1",
         "1: ABCDEFGHIJKLMNOPQRSTUVWXYZ123 1 0 .. ABCDEFGHIJKLMNOPQRSTUVWXYZ123 1 0"},
    };
    for (const auto& [text, expected] : cases) {
        IniProfile profile = IniProfile::fromText(text + "\r\n");
        WallOfFameTable table;
        table.entries[9] = WallOfFameEntry{"stale", 5, 5};
        readWallOfFame(profile, table);
        EXPECT_EQ(describe(table), expected) << text.substr(text.size() - 40);
    }
}

TEST(WallOfFameStore, WritingStopsAtTheFirstEmptyEntryAndLeavesStaleKeys) {
    IniProfile profile = IniProfile::fromText(twelveEntries());
    WallOfFameTable table;
    table.entries[0] = WallOfFameEntry{"New", 0, 2};
    table.entries[2] = WallOfFameEntry{"After", 40, 1};  // past the first empty entry
    writeWallOfFame(profile, table);
    EXPECT_EQ(get(profile, "General", "Size_Of_Wall_Of_Fame"), "1");
    EXPECT_EQ(get(profile, "WallOfFame", "User_0") + get(profile, "WallOfFame", "Score_0"), "New0");
    EXPECT_EQ(get(profile, "WallOfFame", "User_2"), "P2");  // stale, not deleted
    WallOfFameTable again;
    readWallOfFame(profile, again);
    EXPECT_EQ(describe(again), "1: New 0 2 .. New 0 2");

    clearWallOfFame(table);
    writeWallOfFame(profile, table);
    EXPECT_EQ(get(profile, "General", "Size_Of_Wall_Of_Fame"), "0");
}

}  // namespace
