// The portable private-profile store must answer as the platform's service
// does on every case the settings rely on.
#include <gtest/gtest.h>

#include <string>

#include "persistence/ini_profile.h"
#include "tests/host/persistence/test_support.h"

namespace {

std::string get(IniProfile& profile, const char* section, const char* key, const char* fallback,
                int size = 512) {
    char buffer[512];
    const int n = profile.getString(section, key, fallback, buffer, size);
    EXPECT_EQ(n, static_cast<int>(std::string(buffer).size()));
    return buffer;
}

const char* const kSample =
    "; comment line\r\n"
    "[General]\r\n"
    "Grid=Yes\r\n"
    "  Speed  =   2   \r\n"
    "Theme=\r\n"
    "User=\"  spaced  \"\r\n"
    "Quote='half\r\n"
    "NoEquals\r\n"
    "grid=second\r\n"
    "\r\n"
    "[WallOfFame]\n"
    "User_0=Ann\n"
    "[general]\r\n"
    "Late=ignored\r\n";

TEST(IniProfile, ReadsValuesAsThePlatformDoes) {
    IniProfile profile = IniProfile::fromText(kSample);
    EXPECT_EQ(get(profile, "General", "Grid", "No"), "Yes");
    // Keys and sections match without regard to case; the first key wins.
    EXPECT_EQ(get(profile, "GENERAL", "GRID", "No"), "Yes");
    // Blanks around names and values are not part of them.
    EXPECT_EQ(get(profile, "General", "Speed", "0"), "2");
    // Present with an empty value: empty, not the default.
    EXPECT_EQ(get(profile, "General", "Theme", "0"), "");
    // One pair of matching quotes is dropped, and what they held is kept.
    EXPECT_EQ(get(profile, "General", "User", ""), "  spaced  ");
    EXPECT_EQ(get(profile, "General", "Quote", ""), "'half");
    // A key without "=" has no value: the default.
    EXPECT_EQ(get(profile, "General", "NoEquals", "dflt"), "dflt");
    // Missing key, missing section.
    EXPECT_EQ(get(profile, "General", "Missing", "Yes"), "Yes");
    EXPECT_EQ(get(profile, "Nowhere", "Grid", "Y"), "Y");
    // LF-only lines read the same.
    EXPECT_EQ(get(profile, "WallOfFame", "User_0", ""), "Ann");
    // Only the first section of a name is searched.
    EXPECT_EQ(get(profile, "General", "Late", "none"), "none");
}

TEST(IniProfile, SkipsAByteOrderMarkAndKeepsIt) {
    IniProfile profile = IniProfile::fromText("\xEF\xBB\xBF[General]\r\nGrid=No\r\n");
    EXPECT_EQ(get(profile, "General", "Grid", "Yes"), "No");
    profile.writeString("General", "Sound", "No");
    EXPECT_EQ(profile.text(), "\xEF\xBB\xBF[General]\r\nGrid=No\r\nSound=No\r\n");
}

TEST(IniProfile, CutsValuesAndDefaultsToTheBuffer) {
    IniProfile profile = IniProfile::fromText("[S]\r\nLong=abcdefghij\r\n");
    EXPECT_EQ(get(profile, "S", "Long", "", 5), "abcd");
    EXPECT_EQ(get(profile, "S", "Missing", "0123456789", 4), "012");
    EXPECT_EQ(get(profile, "S", "Long", "", 1), "");
    // The default's trailing blanks are dropped.
    EXPECT_EQ(get(profile, "S", "Missing", "x  "), "x");
}

TEST(IniProfile, MissingFileGivesDefaults) {
    ScratchFolder folder;
    IniProfile profile(folder.path("absent.ini"));
    EXPECT_EQ(get(profile, "General", "Grid", "Yes"), "Yes");
}

TEST(IniProfile, WritesCreateReplaceAndKeepTheRest) {
    ScratchFolder folder;
    const std::string path = folder.path("settings.ini");
    IniProfile profile(path);
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
    EXPECT_EQ(get(profile, "General", "grid", ""), "No");
}

}  // namespace
