// The ten saved-game slots: the folder beside the program, the slot file
// names, the slot records and their index in the settings file (section
// "Files"), and the save and open steps that do not need a dialog.
//
// What the game does around them: saveGame asks the overwrite warning when
// slotFileExists says so, then calls saveGameToSlot and shows
// kCanNotSaveGameText when it fails; openGame calls openGameFromSlot and on
// ReadResult::kRead restarts the game timer for the loaded speed.
#pragma once

#include <cstdint>

#include "model/game_model.h"
#include "persistence/file_system.h"
#include "persistence/persistence_texts.h"
#include "persistence/profile_store.h"
#include "persistence/saved_game.h"

constexpr int kSlotCount = 10;
// Descriptions hold at most 49 characters and the terminating zero.
constexpr int kDescriptionBufferSize = 50;
constexpr int kDescriptionChars = kDescriptionBufferSize - 1;
// Paths hold at most 519 characters and the terminating zero.
constexpr int kPathBufferSize = 520;

constexpr char kFilesSection[] = "Files";
constexpr char kSavedGamesFolderName[] = "games";
constexpr char kSavedGameExtension[] = "zmb";

struct SavedGameSlot {
    char description[kDescriptionBufferSize] = {};
    int32_t level = -1;  // negative: the slot is empty
    int32_t day = 0;     // the save date: day 1 to 31,
    int32_t month = 0;   // month counted from 0,
    int32_t year = 0;    // four-digit year
};

struct SlotTable {
    SavedGameSlot slots[kSlotCount];
};

// Where slot files live: the "games" folder beside the program, where every
// copy of the game keeps them, and the player's own folder for when that
// one cannot be written (the program unpacked under Program Files, a
// read-only share). A slot file is looked for beside the program first.
struct SlotFolders {
    // Only the folder beside the program: nothing is saved elsewhere.
    SlotFolders(const char* besideProgramFolder, const char* perUserFolder = "")
        : besideProgram(besideProgramFolder), perUser(perUserFolder) {}
    const char* besideProgram;
    const char* perUser;
};

// The saved-game folder: programPath cut after its last path separator
// (either slash), followed by "games". Returns false, leaving the empty
// text, when programPath has no separator or the result does not fit.
bool buildSavedGamesFolder(const char* programPath, char* folder, int size);

// The path of slot index 0 to 9: "<folder><separator><index + 1>.zmb".
// Returns false, leaving the empty text, for an index outside 0 to 9, an
// empty folder, or a path that does not fit.
bool slotPath(const char* folder, int index, char* path, int size);

// The path of slot index's file in the first folder that has it; false,
// leaving the empty text, when neither has it.
bool findSlotFile(const SlotFolders& folders, int index, FileSystem& files, char* path, int size);
bool slotFileExists(const SlotFolders& folders, int index, FileSystem& files);

// The folder a save goes to: beside the program when it can be created and
// written there, else the per-user folder when there is one.
const char* saveFolder(const SlotFolders& folders, FileSystem& files);

// Reads the ten slot records from the section "Files": Level_i (a slot whose
// file is gone becomes empty; any negative level is held as -1), the date
// from the file, Desc_i.
void loadSlotIndex(ProfileStore& profile, const SlotFolders& folders, FileSystem& files,
                   SlotTable& slots);

// Writes Level_i (-1 when the slot file does not exist now) and Desc_i for
// every slot.
void storeSlotIndex(ProfileStore& profile, const SlotFolders& folders, FileSystem& files,
                    const SlotTable& slots);

// Saves `game` into slot `index` with `description` and, on success only,
// fills the slot record: the description (cut to 49 characters), the level
// and `today`. False when the index is invalid or the file could not be
// written; then the slot file and the record are as they were.
bool saveGameToSlot(SlotTable& slots, int index, const char* description,
                    const SlotFolders& folders, const GameModel& game, const FieldView& view,
                    FileSystem& files, const FileDate& today);

// Replaces the game by the one in slot `index` (see readGameFile). The slot
// record is not consulted.
ReadResult openGameFromSlot(int index, const SlotFolders& folders, GameModel& game, FieldView& view,
                            FileSystem& files, SavedGameError* error = nullptr);

// For the dialogs.
bool hasSavedGames(const SlotTable& slots);
int firstEmptySlot(const SlotTable& slots);  // -1 when every slot is used
int firstUsedSlot(const SlotTable& slots);   // -1 when every slot is empty
// "Jan" to "Dec" for month 0 to 11; the empty text for any other value.
const char* monthName(int32_t month);
// The slot's date as "%d-%s-%d", for example 5-Dec-2026.
int formatSlotDate(const SavedGameSlot& slot, char* buffer, int size);
