// The settings file: the text conversions, the private-profile store, and
// the section "General" with the Wall of Fame and the slot index.
#include <string>
#include <tuple>

#include "persistence/ini_profile.h"
#include "persistence/settings.h"
#include "persistence/text.h"
#include "persistence/wall_of_fame_store.h"
#include "tests/host/persistence/test_support.h"

namespace {

std::string get(ProfileStore& profile, const char* section, const char* key,
                const char* fallback = "-", int size = 512) {
    char buffer[512];
    profile.getString(section, key, fallback, buffer, size);
    return buffer;
}

TEST(Text, DecimalsReadAsTheCLibraryReadsThemAndSaturateAndCopiesStopAtTheEnd) {
    // clang-format off
    const std::tuple<const char*, bool, int32_t> cases[] = {
        {"75", true, 75}, {"-3", true, -3}, {"+8", true, 8}, {"", false, 0}, {"abc", false, 0},
        {"2147483647", true, INT32_MAX}, {"2147483648", true, INT32_MAX}, {"12abc", true, 12},
        {"0000000000000000007", true, 7}, {"-2147483648", true, INT32_MIN}, {"  \t 42", true, 42},
        {"99999999999999999999999", true, INT32_MAX}, {"-99999999999999999999", true, INT32_MIN}};
    // clang-format on
    for (const auto& [text, found, expected] : cases) {
        int32_t value = -99;
        EXPECT_EQ(scanDecimal(text, &value), found) << text;
        EXPECT_EQ(value, expected) << text;
        EXPECT_EQ(decimalValue(text), expected) << text;
    }
    char copy[8] = "#";  // a capacity of 0 copies nothing
    EXPECT_EQ(copyText(copy, 0, "ab") + copyText(copy + 1, 7, "ab"), 2);
    EXPECT_STREQ(copy, "#ab");
}

TEST(IniProfile, ReadsValuesAsThePlatformDoes) {
    // clang-format off
    IniProfile profile = IniProfile::fromText(
        "\xEF\xBB\xBF[General]\r\n[Nowhere\r\n; comment\r\nGrid=Yes\r\n  Speed  =   2   \r\n"
        "Theme=\r\nUser=\"  spaced  \"\r\nQuote='half\r\n  NoEquals \r\ngrid=second\r\n"
        "NoEquals=late\r\n\r\n[WallOfFame]\nUser_0=Ann\n[general]\r\nLate=ignored\r\n"
        "[ Files\t]\r\nLevel_1=4\r\n");
    // clang-format on
    // A byte-order mark is not part of the first line.
    // clang-format off
    const std::tuple<const char*, const char*, const char*, int, const char*> cases[] = {
        {"General", "Grid", "No", 512, "Yes"},       // the first of two keys
        {"GENERAL", "GRID", "No", 512, "Yes"},       // names match without regard to case
        {"General", "Speed", "0", 512, "2"},         // blanks around names and values dropped
        {"General", "Theme", "0", 512, ""},          // present and empty is not missing
        {"General", "User", "", 512, "  spaced  "},  // one pair of quotes dropped
        {"General", "Quote", "", 512, "'half"}, {"General", "NoEquals", "dflt", 512, "dflt"},
        {"Nowhere", "Grid", "Y", 512, "Y"}, {"WallOfFame", "User_0", "", 512, "Ann"},  // LF only
        {"General", "Late", "none", 512, "none"},    // only the first section of a name
        {"Files", "Level_1", "-1", 512, "4"},       // blanks inside the brackets dropped
        {"General", "Grid", "", 3, "Ye"}, {"General", "Grid", "", 1, ""},  // cut to the buffer
        {"General", "User", "", 11, "  spaced "},    // the closing quote not copied, yet cut
        {"General", "Missing", "0123456789", 4, "012"},
        {"General", "Missing", "x  ", 512, "x"}};    // the default's trailing blanks dropped
    // clang-format on
    for (const auto& [section, key, fallback, size, value] : cases)
        EXPECT_EQ(get(profile, section, key, fallback, size), value) << section << " " << key;
    char untouched[2] = "#";  // a buffer of no size gets nothing
    EXPECT_EQ(profile.getString("General", "Grid", "x", untouched, 0), 0);
    EXPECT_STREQ(untouched, "#");
}

class IniFile : public ScratchTest {};

TEST_F(IniFile, WritesCreateReplaceAndKeepTheRest) {
    IniProfile profile(path("settings.ini"));
    profile.writeString("General", "Grid", "No");
    profile.writeString("General", "Speed", "1");
    profile.writeString("WallOfFame", "User_0", "Bob");
    EXPECT_EQ(readFile(path("settings.ini")),
              "[General]\r\nGrid=No\r\nSpeed=1\r\n\r\n[WallOfFame]\r\nUser_0=Bob\r\n");
    // The file is read again at every call. A key is replaced where it
    // stands, whatever the case of its name; a new key goes after the
    // section's last line; other lines, and a byte-order mark, stay.
    writeFile(path("settings.ini"),
              "\xEF\xBB\xBF; keep\n[general]\nGRID=Yes\nOther=1\n\n[WallOfFame]\n");
    EXPECT_EQ(get(profile, "General", "Grid"), "Yes");
    profile.writeString("General", "Grid", "No");
    profile.writeString("General", "Theme", "3");
    profile.writeString("WallOfFame", "X", "");
    EXPECT_EQ(profile.text(),
              "\xEF\xBB\xBF; "
              "keep\r\n[general]\r\nGRID=No\r\nOther=1\r\nTheme=3\r\n\r\n[WallOfFame]\r\nX=\r\n");
    writeFile(path("settings.ini"), "x");  // read again when written to, to its last byte
    profile.writeString("General", "Grid", "No");
    // Text read is kept as it is until written.
    EXPECT_EQ(profile.text() + IniProfile::fromText("a\nb").text(),
              "x\r\n\r\n[General]\r\nGrid=No\r\na\nb");
}

// The settings loaded from `text` as the game loads them, then saved into an
// empty profile.
IniProfile loadAndSave(const std::string& text) {
    IniProfile profile = IniProfile::fromText(text), saved = IniProfile::fromText("");
    RecordingGame game;
    game.rows = game.cols = game.percentToComplete = 1;  // not the defaults
    GameSettings settings;
    settings.soundOn = settings.themeIndex = 7;
    WallOfFameTable wallOfFame;
    char userName[kNameBufferSize] = "stale";
    SlotTable slots;
    FileSystem files;
    loadSettings(profile, game, settings, wallOfFame, userName, slots, "/nonexistent/games", files);
    settings.statusBarVisible = readBarVisible(profile, kStatusbarKey);
    settings.toolbarVisible = readBarVisible(profile, kToolbarKey);
    saveSettings(saved, game, settings, wallOfFame, userName, slots, "/nonexistent/games", files);
    return saved;
}

TEST(Settings, AreWrittenBackInOrderAndFormAsTheGameKeepsThem) {
    // Only a first letter Y or y switches on; numbers are read as far as they
    // go; names are cut to 29 characters; the Wall of Fame is written up to
    // its first empty entry; a slot without its file is stored as empty.
    // clang-format off
    const std::string expected =
        "[General]\r\nGrid=No\r\nSound=Yes\r\nTheme=-3\r\nSpeed=2147483647\r\n"
        "Precent_To_Complete=80\r\nRows=15\r\nCols=20\r\nToolbar=N\r\nStatusbar=Y\r\n"
        "User=ABCDEFGHIJKLMNOPQRSTUVWXYZ123\r\nSize_Of_Wall_Of_Fame=2\r\nZoom=2\r\n\r\n"
        "[WallOfFame]\r\n"
        "User_0=Ann\r\nScore_0=500\r\nLevel_0=4\r\nUser_1=ABCDEFGHIJKLMNOPQRSTUVWXYZ123\r\n"
        "Score_1=0\r\nLevel_1=2\r\n\r\n[Files]\r\nLevel_0=-1\r\nDesc_0=\r\nLevel_1=-1\r\n"
        "Desc_1=\r\nLevel_2=-1\r\nDesc_2=gone\r\nLevel_3=-1\r\n";
    const std::string written = loadAndSave("[General]\nGrid=no\nSound=yikes\nTheme=  -3x\n"
        "Speed=99999999999999\nPrecent_To_Complete=80 %\nRows= 15\nCols=20 cells\nToolbar=1\nZoom= 2\n"
        "User=ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789\nSize_Of_Wall_Of_Fame=4\n[WallOfFame]\n"
        "User_0=Ann\nScore_0=500\nLevel_0=4\nUser_1=ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789\n"
        "Level_1=2\nScore_2=-1\n[Files]\nLevel_2=3\nDesc_2=gone").text();
    EXPECT_EQ(written.substr(0, expected.size()), expected);
    // The values written for none, empty ones and ones outside the tables:
    // Grid Sound Theme Speed Precent_To_Complete Rows Cols Toolbar Statusbar
    // User Size_Of_Wall_Of_Fame Zoom ("-": not written).
    const std::pair<std::string, std::string> cases[] = {
        {"", "Yes Yes 0 0 75 20 30 Y Y - 0 0"},
        {"Grid=\nSound=\nTheme=\nSpeed=\nPrecent_To_Complete=\nRows=\nCols=\nToolbar=\nStatusbar=\n"
         "User=\nZoom=\n", "No No 0 0 75 20 30 N N - 0 0"},
        {"Precent_To_Complete=77\nRows=20\nCols=40\nSize_Of_Wall_Of_Fame=12\nZoom=4",
         "Yes Yes 0 0 75 20 30 Y Y - 10 0"},
        {"Zoom=3", "Yes Yes 0 0 75 20 30 Y Y - 0 3"}, {"Zoom=0", "Yes Yes 0 0 75 20 30 Y Y - 0 0"},
        {"Zoom=1", "Yes Yes 0 0 75 20 30 Y Y - 0 1"},  // chosen, unlike none
    };
    // clang-format on
    for (const auto& [text, wanted] : cases) {
        IniProfile saved = loadAndSave("[General]\n" + text);
        std::string values;
        for (const char* key :
             {"Grid", "Sound", "Theme", "Speed", "Precent_To_Complete", "Rows", "Cols", "Toolbar",
              "Statusbar", "User", "Size_Of_Wall_Of_Fame", "Zoom"})
            values += (values.empty() ? "" : " ") + get(saved, "General", key);
        EXPECT_EQ(values, wanted) << text;
    }
}

// The settings are read from the per-user file when it exists, else once
// from the first old file found: the Windows folder's, then the user's
// VirtualStore copy of it; they are always written to the per-user file.
TEST(SettingsFiles, MigrateTheFirstOldFileFoundWhileThePerUserFileIsMissing) {
    struct Existing : FileSystem {
        std::string present;
        bool exists(const std::string& path) override {
            return present.find(path) != std::string::npos;
        }
    } files;
    const std::vector<std::string> old = {"C:/windows/ts.ini", "C:/store/ts.ini"};
    for (const auto& [present, user, read, write] :
         {std::tuple{"user.ini C:/windows/ts.ini", "user.ini", "user.ini", "user.ini"},
          {"C:/windows/ts.ini C:/store/ts.ini", "user.ini", "C:/windows/ts.ini", "user.ini"},
          {"C:/store/ts.ini", "user.ini", "C:/store/ts.ini", "user.ini"},
          {"", "user.ini", "user.ini", "user.ini"},
          {"C:/store/ts.ini", "", "C:/windows/ts.ini", "C:/windows/ts.ini"}}) {
        files.present = present;
        const SettingsFiles chosen = chooseSettingsFiles(user, old, files);
        EXPECT_EQ(chosen.readPath + " " + chosen.writePath, std::string(read) + " " + write)
            << present;
    }
}

}  // namespace
