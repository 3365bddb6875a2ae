#include "persistence/settings.h"

#include "model/field_sizes.h"
#include "persistence/profile_text.h"
#include "persistence/text.h"
#include "persistence/wall_of_fame_store.h"

namespace {

// The four switches are on when their text starts with Y or y.
bool startsWithYes(const char* value) {
    return value[0] == 'Y' || value[0] == 'y';
}

int32_t readSwitch(ProfileStore& profile, const char* key, const char* defaultValue) {
    char value[kValueBufferSize];
    profile.getString(kGeneralSection, key, defaultValue, value, sizeof value);
    return startsWithYes(value) ? 1 : 0;
}

int32_t readNumber(ProfileStore& profile, const char* key) {
    char value[kValueBufferSize];
    profile.getString(kGeneralSection, key, "0", value, sizeof value);
    return decimalValue(value);
}

void writeNumber(ProfileStore& profile, const char* key, int32_t number) {
    profile.writeString(kGeneralSection, key, decimalText(number).c_str());
}

}  // namespace

void loadSettings(ProfileStore& profile, GameModel& game, GameSettings& settings,
                  WallOfFameTable& wallOfFame, char* playerName, SlotTable& slots,
                  const SlotFolders& savedGamesFolders, FileSystem& files) {
    game.setFieldCells(kFieldRows[kDefaultFieldSize], kFieldCols[kDefaultFieldSize]);
    game.setGoalPercent(kDefaultPercentToComplete);
    settings.soundOn = 1;
    settings.themeIndex = 0;
    settings.zoom = kZoomNotChosen;

    game.currentLevel()->GRID = readSwitch(profile, kGridKey, "Yes");
    settings.soundOn = readSwitch(profile, kSoundKey, "Yes");
    settings.themeIndex = readNumber(profile, kThemeKey);
    game.currentLevel()->SPEED = readNumber(profile, kSpeedKey);
    const int32_t percent = readNumber(profile, kPercentKey);
    if (isPercentToComplete(percent)) {
        game.setGoalPercent(percent);
    }
    const int32_t rows = readNumber(profile, kRowsKey);
    const int32_t cols = readNumber(profile, kColsKey);
    if (fieldSizeIndex(rows, cols) >= 0) {
        game.setFieldCells(rows, cols);
    }

    clearWallOfFame(wallOfFame);
    copyText(playerName, kNameBufferSize, "");
    char value[kValueBufferSize];
    profile.getString(kGeneralSection, kUserKey, "", value, sizeof value);
    copyText(playerName, kNameBufferSize, value);
    readWallOfFame(profile, wallOfFame);
    loadSlotIndex(profile, savedGamesFolders, files, slots);
    const int32_t zoom = readNumber(profile, kZoomKey);
    if (zoom >= kMinZoom && zoom <= kMaxZoom) {
        settings.zoom = zoom;
    }
}

int32_t readBarVisible(ProfileStore& profile, const char* key) {
    return readSwitch(profile, key, "Y");
}

void saveSettings(ProfileStore& profile, const GameModel& game, const GameSettings& settings,
                  const WallOfFameTable& wallOfFame, const char* playerName, const SlotTable& slots,
                  const SlotFolders& savedGamesFolders, FileSystem& files) {
    profile.writeString(kGeneralSection, kGridKey, game.currentLevel()->GRID == 1 ? "Yes" : "No");
    profile.writeString(kGeneralSection, kSoundKey, settings.soundOn == 1 ? "Yes" : "No");
    writeNumber(profile, kThemeKey, settings.themeIndex);
    writeNumber(profile, kSpeedKey, game.currentLevel()->SPEED);
    writeNumber(profile, kPercentKey, game.goalPercent());
    writeNumber(profile, kRowsKey, game.fieldRows());
    writeNumber(profile, kColsKey, game.fieldCols());
    profile.writeString(kGeneralSection, kToolbarKey, settings.toolbarVisible == 1 ? "Y" : "N");
    profile.writeString(kGeneralSection, kStatusbarKey, settings.statusBarVisible == 1 ? "Y" : "N");
    char name[kNameBufferSize];
    copyText(name, sizeof name, playerName);
    // An empty name leaves the key as it was in the file.
    if (name[0] != '\0') {
        profile.writeString(kGeneralSection, kUserKey, profileText(name).c_str());
    }
    writeWallOfFame(profile, wallOfFame);
    storeSlotIndex(profile, savedGamesFolders, files, slots);
    writeNumber(profile, kZoomKey, settings.zoom);
}

SettingsFiles chooseSettingsFiles(const std::string& userFile,
                                  const std::vector<std::string>& legacyFiles, FileSystem& files) {
    if (userFile.empty()) {
        const std::string legacy = legacyFiles.empty() ? std::string() : legacyFiles.front();
        return {legacy, legacy};
    }
    if (!files.exists(userFile)) {
        for (const std::string& legacy : legacyFiles) {
            if (!legacy.empty() && files.exists(legacy)) {
                return {legacy, userFile};
            }
        }
    }
    return {userFile, userFile};
}
