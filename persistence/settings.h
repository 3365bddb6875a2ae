// The settings file "ts_zembal.ini": the section "General" with its keys,
// and the whole file (with the Wall of Fame and the slot index) read and
// written in the file's order. The bars' keys are read on their own, when
// the bars are built.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/game_model.h"
#include "model/wall_of_fame.h"
#include "persistence/file_system.h"
#include "persistence/profile_store.h"
#include "persistence/slots.h"

constexpr char kSettingsFileName[] = "ts_zembal.ini";
constexpr char kSettingsFolderName[] = "Zembal";
constexpr char kGeneralSection[] = "General";
constexpr char kGridKey[] = "Grid";
constexpr char kSoundKey[] = "Sound";
constexpr char kThemeKey[] = "Theme";
constexpr char kSpeedKey[] = "Speed";
constexpr char kPercentKey[] = "Precent_To_Complete";
constexpr char kRowsKey[] = "Rows";
constexpr char kColsKey[] = "Cols";
constexpr char kUserKey[] = "User";
constexpr char kToolbarKey[] = "Toolbar";
constexpr char kStatusbarKey[] = "Statusbar";
constexpr char kZoomKey[] = "Zoom";
constexpr int32_t kMinZoom = 1;
constexpr int32_t kMaxZoom = 3;
// "Zoom" while the player has chosen none: the screen's scale decides.
constexpr int32_t kZoomNotChosen = 0;

// The settings the game keeps outside the model: the model's own fields
// (GRID, SPEED, percentToComplete, rows, cols) are read into the model.
struct GameSettings {
    int32_t soundOn = 1;
    // Stored and written back as read, 0 to 6 or not: guard every use of it
    // as an index.
    int32_t themeIndex = 0;
    // Written at the end; read separately by readBarVisible.
    int32_t toolbarVisible = 1;
    int32_t statusBarVisible = 1;
    // How many screen pixels a picture pixel of the view is wide and high,
    // as the player chose it: 1 to 3; kZoomNotChosen for none, which anything
    // else in the file reads as.
    int32_t zoom = kZoomNotChosen;
};

// Reads "General" (all but "Toolbar" and "Statusbar"), the Wall of Fame and
// the slot index, in the file's order. The model's defaults (20 by 30, 75
// percent) and soundOn 1, themeIndex 0, no zoom chosen are put in place first; a percentage
// or a size that is not one of the tables keeps them. `game.level` must be
// set. playerName is the 30-byte name buffer; it is emptied, then read.
void loadSettings(ProfileStore& profile, GameModel& game, GameSettings& settings,
                  WallOfFameTable& wallOfFame, char* playerName, SlotTable& slots,
                  const SlotFolders& savedGamesFolders, FileSystem& files);

// 1 when the key ("Toolbar" or "Statusbar", default "Y") starts with Y or y.
int32_t readBarVisible(ProfileStore& profile, const char* key);

// Writes everything, in the file's order: "Grid", "Sound", "Theme",
// "Speed", "Precent_To_Complete", "Rows", "Cols", "Toolbar", "Statusbar",
// "User" (only when not empty), the Wall of Fame, the slot index, and last
// "Zoom", so that it follows every key an earlier version wrote.
void saveSettings(ProfileStore& profile, const GameModel& game, const GameSettings& settings,
                  const WallOfFameTable& wallOfFame, const char* playerName, const SlotTable& slots,
                  const SlotFolders& savedGamesFolders, FileSystem& files);

// Where the settings live. They are written to the file in the player's own
// application data folder; they are read from it when it exists, and
// otherwise, once, from the file an earlier version kept in the Windows
// folder (the next write moves them over).
struct SettingsFiles {
    std::string readPath;
    std::string writePath;
};

// userFile: the per-user file (empty when that folder is unknown);
// legacyFiles: where an earlier version may have left its file, in the
// order they are tried (the Windows folder, then the user's VirtualStore
// copy of it, where Windows puts what an older 32-bit program without a
// manifest wrote there). The first that exists is read; with no per-user
// file, the first of them is also written.
SettingsFiles chooseSettingsFiles(const std::string& userFile,
                                  const std::vector<std::string>& legacyFiles, FileSystem& files);
