#include "persistence/wall_of_fame_store.h"

#include "persistence/profile_text.h"
#include "persistence/settings.h"
#include "persistence/text.h"

namespace {

constexpr char kCountKey[] = "Size_Of_Wall_Of_Fame";
constexpr int kCountBufferSize = 30;

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
        profile.getString(kWallOfFameSection, numberedKey("User", i).c_str(), "", value,
                          sizeof value);
        copyText(entry.name, sizeof entry.name, value);
        entry.score = readNumber(profile, numberedKey("Score", i).c_str());
        entry.level = readNumber(profile, numberedKey("Level", i).c_str());
    }
}

void writeWallOfFame(ProfileStore& profile, const WallOfFameTable& table) {
    int written = 0;
    for (const WallOfFameEntry& entry : table.entries) {
        if (entry.score < 0) {
            break;
        }
        char name[kNameBufferSize];
        copyText(name, sizeof name, entry.name);
        profile.writeString(kWallOfFameSection, numberedKey("User", written).c_str(),
                            profileText(name).c_str());
        profile.writeString(kWallOfFameSection, numberedKey("Score", written).c_str(),
                            decimalText(entry.score).c_str());
        profile.writeString(kWallOfFameSection, numberedKey("Level", written).c_str(),
                            decimalText(entry.level).c_str());
        ++written;
    }
    profile.writeString(kGeneralSection, kCountKey, decimalText(written).c_str());
}
