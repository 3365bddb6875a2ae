#include "persistence/wall_of_fame_store.h"

#include <cstdio>

#include "persistence/profile_text.h"
#include "persistence/settings.h"
#include "persistence/text.h"

namespace {

constexpr char kCountKey[] = "Size_Of_Wall_Of_Fame";
constexpr int kCountBufferSize = 30;

void keyName(char* key, size_t size, const char* word, int index) {
    std::snprintf(key, size, "%s_%d", word, index);
}

int32_t readNumber(ProfileStore& profile, const char* key) {
    char value[kValueBufferSize];
    profile.getString(kWallOfFameSection, key, "", value, sizeof value);
    return decimalValue(value);
}

}  // namespace

void readWallOfFame(ProfileStore& profile, WallOfFameTable& table) {
    clearWallOfFame(table);
    char value[kValueBufferSize];
    profile.getString(kGeneralSection, kCountKey, "0", value, kCountBufferSize);
    const int32_t count = decimalValue(value);
    for (int i = 0; i < count && i < kWallOfFameSize; ++i) {
        WallOfFameEntry& entry = table.entries[i];
        char key[32];
        keyName(key, sizeof key, "User", i);
        profile.getString(kWallOfFameSection, key, "", value, sizeof value);
        copyText(entry.name, sizeof entry.name, value);
        keyName(key, sizeof key, "Score", i);
        entry.score = readNumber(profile, key);
        keyName(key, sizeof key, "Level", i);
        entry.level = readNumber(profile, key);
    }
}

void writeWallOfFame(ProfileStore& profile, const WallOfFameTable& table) {
    int written = 0;
    for (const WallOfFameEntry& entry : table.entries) {
        if (entry.score < 0) {
            break;
        }
        char key[32];
        char value[32];
        keyName(key, sizeof key, "User", written);
        char name[kNameBufferSize];
        copyText(name, sizeof name, entry.name);
        profile.writeString(kWallOfFameSection, key, profileText(name).c_str());
        keyName(key, sizeof key, "Score", written);
        std::snprintf(value, sizeof value, "%d", entry.score);
        profile.writeString(kWallOfFameSection, key, value);
        keyName(key, sizeof key, "Level", written);
        std::snprintf(value, sizeof value, "%d", entry.level);
        profile.writeString(kWallOfFameSection, key, value);
        ++written;
    }
    char value[32];
    std::snprintf(value, sizeof value, "%d", written);
    profile.writeString(kGeneralSection, kCountKey, value);
}
