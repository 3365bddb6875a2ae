// The Wall of Fame in the settings file.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "persistence/ini_profile.h"
#include "persistence/wall_of_fame_store.h"

namespace {

std::string entries(int count) {
    std::string text = "[WallOfFame]\r\n";
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        text += "User_" + n + "=P" + n + "\r\nScore_" + n + "=" + std::to_string(1000 - i) +
                "\r\nLevel_" + n + "=" + std::to_string(i + 1) + "\r\n";
    }
    return text;
}

WallOfFameTable read(const std::string& text) {
    IniProfile profile = IniProfile::fromText(text);
    WallOfFameTable table;
    table.entries[9] = WallOfFameEntry{"stale", 5, 5};
    readWallOfFame(profile, table);
    return table;
}

int usedEntries(const WallOfFameTable& table) {
    int n = 0;
    while (n < kWallOfFameSize && table.entries[n].score >= 0) {
        ++n;
    }
    return n;
}

struct CountCase {
    const char* count;
    int read;
};

class Counts : public testing::TestWithParam<CountCase> {};

TEST_P(Counts, BoundTheEntriesRead) {
    const WallOfFameTable table =
        read(entries(12) + "[General]\r\nSize_Of_Wall_Of_Fame=" + GetParam().count + "\r\n");
    EXPECT_EQ(usedEntries(table), GetParam().read) << GetParam().count;
    for (int i = GetParam().read; i < kWallOfFameSize; ++i) {
        EXPECT_EQ(table.entries[i].score, -1);
        EXPECT_STREQ(table.entries[i].name, "");
    }
    if (GetParam().read > 0) {
        EXPECT_STREQ(table.entries[0].name, "P0");
        EXPECT_EQ(table.entries[0].score, 1000);
        EXPECT_EQ(table.entries[0].level, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, Counts,
                         testing::Values(CountCase{"3", 3}, CountCase{"10", 10},
                                         CountCase{"12", 10}, CountCase{"0", 0}, CountCase{"-1", 0},
                                         CountCase{"many", 0}, CountCase{"", 0}));

TEST(WallOfFameStore, MissingKeysReadAsZeroAndAreWrittenBack) {
    const WallOfFameTable table = read(
        "[General]\r\nSize_Of_Wall_Of_Fame=2\r\n[WallOfFame]\r\nUser_0=Ann\r\n"
        "Score_0=300\r\nLevel_0=3\r\nUser_1=Bob\r\n");
    EXPECT_EQ(table.entries[1].score, 0);
    EXPECT_EQ(table.entries[1].level, 0);
    EXPECT_STREQ(table.entries[1].name, "Bob");
    IniProfile out = IniProfile::fromText("");
    writeWallOfFame(out, table);
    char value[32];
    out.getString("WallOfFame", "Score_1", "missing", value, sizeof value);
    EXPECT_STREQ(value, "0");
    out.getString("General", "Size_Of_Wall_Of_Fame", "", value, sizeof value);
    EXPECT_STREQ(value, "2");
}

TEST(WallOfFameStore, NamesAreCutTo29Characters) {
    const WallOfFameTable table = read(
        "[General]\r\nSize_Of_Wall_Of_Fame=1\r\n[WallOfFame]\r\n"
        "User_0=ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789\r\nScore_0=1\r\n");
    EXPECT_STREQ(table.entries[0].name, "ABCDEFGHIJKLMNOPQRSTUVWXYZ123");
}

TEST(WallOfFameStore, WritingStopsAtTheFirstEmptyEntryAndLeavesStaleKeys) {
    IniProfile profile =
        IniProfile::fromText(entries(10) + "[General]\r\nSize_Of_Wall_Of_Fame=10\r\n");
    WallOfFameTable table;
    table.entries[0] = WallOfFameEntry{"New", 50, 2};
    table.entries[2] = WallOfFameEntry{"After", 40, 1};  // past the first empty entry
    writeWallOfFame(profile, table);
    char value[32];
    profile.getString("General", "Size_Of_Wall_Of_Fame", "", value, sizeof value);
    EXPECT_STREQ(value, "1");
    profile.getString("WallOfFame", "User_0", "", value, sizeof value);
    EXPECT_STREQ(value, "New");
    profile.getString("WallOfFame", "User_2", "", value, sizeof value);
    EXPECT_STREQ(value, "P2");  // stale, not deleted, and not read again
    EXPECT_EQ(usedEntries(read(profile.text())), 1);
}

TEST(WallOfFameStore, ClearedTableWritesACountOfZero) {
    IniProfile profile =
        IniProfile::fromText(entries(3) + "[General]\r\nSize_Of_Wall_Of_Fame=3\r\n");
    WallOfFameTable table;
    clearWallOfFame(table);
    writeWallOfFame(profile, table);
    char value[32];
    profile.getString("General", "Size_Of_Wall_Of_Fame", "", value, sizeof value);
    EXPECT_STREQ(value, "0");
}

}  // namespace
