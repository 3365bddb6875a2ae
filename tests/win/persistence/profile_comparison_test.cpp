// The portable private-profile store against the platform's own functions:
// the same files, the same questions, the same answers.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>

#include "persistence/ini_profile.h"
#include "persistence/win32_binding.h"
#include "tests/win/support/scratch.h"

namespace {

struct Query {
    const char* section;
    const char* key;
    const char* fallback;
    int size;
};

const char* const kFiles[] = {
    "[General]\r\nGrid=Yes\r\nSound=no\r\nTheme=\r\nSpeed=  7  \r\nUser=ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "123456789\r\nRows=20\r\nCols=40\r\nPrecent_To_Complete=77\r\nToolbar=\r\n",
    "; comment\r\n[general]\r\nGRID = y\r\nsound=\"Yes\"\r\nuser='  spaced  '\r\nNoEquals\r\n"
    "theme=9\r\ntheme=3\r\n\r\n[WallOfFame]\r\nUser_0=Ann\r\nScore_0=500\r\nLevel_0=4\r\n",
    "[General]\nSize_Of_Wall_Of_Fame=12\n[WallOfFame]\nUser_0=  Bob\t\nLevel_0=\n[Files]\n"
    "Level_3=5\nDesc_3=\"quoted\"\n",
    "\xEF\xBB\xBF[General]\r\nGrid=No\r\nUser=Bom\r\n",
    "",
};

const Query kQueries[] = {
    {"General", "Grid", "Yes", 512},      {"General", "Sound", "Yes", 512},
    {"General", "Theme", "0", 512},       {"General", "Speed", "0", 512},
    {"General", "User", "", 30},          {"General", "User", "", 512},
    {"General", "User", "", 5},           {"General", "Rows", "0", 512},
    {"General", "Cols", "0", 512},        {"General", "Precent_To_Complete", "0", 512},
    {"General", "Toolbar", "Y", 512},     {"General", "Statusbar", "Y", 512},
    {"General", "NoEquals", "dflt", 512}, {"General", "Size_Of_Wall_Of_Fame", "0", 30},
    {"GENERAL", "GRID", "none", 512},     {"WallOfFame", "User_0", "", 512},
    {"WallOfFame", "Score_0", "", 512},   {"WallOfFame", "Level_0", "", 512},
    {"WallOfFame", "Score_1", "", 512},   {"Files", "Level_3", "-1", 512},
    {"Files", "Desc_3", "", 512},         {"Files", "Desc_4", "", 512},
    {"Missing", "Grid", "0123456789", 4}, {"New", "Key", "", 512},
};

std::string ask(ProfileStore& store, const Query& q) {
    char buffer[512];
    std::memset(buffer, '#', sizeof buffer);
    const int n = store.getString(q.section, q.key, q.fallback, buffer, q.size);
    return std::to_string(n) + ":" + buffer;
}

// Each file is asked every question through both stores, then changed the
// same way through both and asked again.
TEST(ProfileComparison, ReadsAndWritesGiveThePlatformsAnswers) {
    WinScratch scratch;
    for (size_t f = 0; f < std::size(kFiles); ++f) {
        const std::string a = scratch.path("p" + std::to_string(f) + ".ini");
        const std::string b = scratch.path("q" + std::to_string(f) + ".ini");
        writeFile(a, kFiles[f]);
        writeFile(b, kFiles[f]);
        Win32ProfileStore platform(a);
        IniProfile portable(b);
        auto compare = [&](const char* stage) {
            for (const Query& q : kQueries) {
                EXPECT_EQ(ask(portable, q), ask(platform, q))
                    << stage << " file " << f << " [" << q.section << "] " << q.key << " size "
                    << q.size;
            }
        };
        compare("read");
        for (ProfileStore* store :
             {static_cast<ProfileStore*>(&platform), static_cast<ProfileStore*>(&portable)}) {
            store->writeString("General", "Grid", "No");
            store->writeString("general", "theme", "5");
            store->writeString("WallOfFame", "Score_1", "77");
            store->writeString("Files", "Desc_4", "\" padded \"");
            store->writeString("New", "Key", "value");
            store->writeString("General", "User", " lead and 'quotes' ");
        }
        compare("written");
    }
}

}  // namespace
