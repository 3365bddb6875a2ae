#include "persistence/slots.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "persistence/profile_text.h"
#include "persistence/text.h"

bool buildSavedGamesFolder(const char* programPath, char* folder, int size) {
    copyText(folder, size, "");
    if (programPath == nullptr || size <= 0) {
        return false;
    }
    const char* slash = std::strrchr(programPath, '/');
    const char* backslash = std::strrchr(programPath, '\\');
    // The later of the two, when both are there.
    const char* separator = slash == nullptr       ? backslash
                            : backslash == nullptr ? slash
                            : slash > backslash    ? slash
                                                   : backslash;
    if (separator == nullptr) {
        return false;
    }
    const size_t keep = static_cast<size_t>(separator - programPath) + 1;
    const size_t needed = keep + sizeof kSavedGamesFolderName - 1;
    if (needed >= static_cast<size_t>(size)) {
        return false;
    }
    std::memcpy(folder, programPath, keep);
    std::memcpy(folder + keep, kSavedGamesFolderName, sizeof kSavedGamesFolderName);
    return true;
}

bool slotPath(const char* folder, int index, char* path, int size) {
    copyText(path, size, "");
    if (folder == nullptr || folder[0] == '\0' || index < 0 || index >= kSlotCount || size <= 0) {
        return false;
    }
    const std::string full =
        std::string(folder) + kPathSeparator + decimalText(index + 1) + '.' + kSavedGameExtension;
    if (full.size() >= static_cast<size_t>(size)) {
        return false;
    }
    copyText(path, size, full.c_str());
    return true;
}

bool findSlotFile(const SlotFolders& folders, int index, FileSystem& files, char* path, int size) {
    for (const char* folder : {folders.besideProgram, folders.perUser}) {
        if (slotPath(folder, index, path, size) && files.exists(path)) {
            return true;
        }
    }
    copyText(path, size, "");
    return false;
}

bool slotFileExists(const SlotFolders& folders, int index, FileSystem& files) {
    char path[kPathBufferSize];
    return findSlotFile(folders, index, files, path, sizeof path);
}

const char* saveFolder(const SlotFolders& folders, FileSystem& files) {
    const bool hasPerUser = folders.perUser != nullptr && folders.perUser[0] != '\0';
    if (!hasPerUser || files.canWriteIn(folders.besideProgram)) {
        return folders.besideProgram;
    }
    return folders.perUser;
}

void loadSlotIndex(ProfileStore& profile, const SlotFolders& folders, FileSystem& files,
                   SlotTable& slots) {
    for (int i = 0; i < kSlotCount; ++i) {
        SavedGameSlot& slot = slots.slots[i];
        char value[kValueBufferSize];
        profile.getString(kFilesSection, numberedKey("Level", i).c_str(), "-1", value,
                          sizeof value);
        slot.level = decimalValue(value);
        // Any negative level marks an empty slot; it is held as -1.
        if (slot.level < 0) {
            slot.level = -1;
        } else {
            char path[kPathBufferSize];
            FileDate date;
            if (findSlotFile(folders, i, files, path, sizeof path) && files.fileDate(path, &date)) {
                slot.day = date.day;
                slot.month = date.month;
                slot.year = date.year;
            } else {
                slot.level = -1;
            }
        }
        profile.getString(kFilesSection, numberedKey("Desc", i).c_str(), "", value, sizeof value);
        copyText(slot.description, sizeof slot.description, value);
    }
}

void storeSlotIndex(ProfileStore& profile, const SlotFolders& folders, FileSystem& files,
                    const SlotTable& slots) {
    for (int i = 0; i < kSlotCount; ++i) {
        const SavedGameSlot& slot = slots.slots[i];
        const int32_t level = slotFileExists(folders, i, files) ? slot.level : -1;
        profile.writeString(kFilesSection, numberedKey("Level", i).c_str(),
                            decimalText(level).c_str());
        profile.writeString(kFilesSection, numberedKey("Desc", i).c_str(),
                            profileText(slot.description).c_str());
    }
}

bool saveGameToSlot(SlotTable& slots, int index, const char* description,
                    const SlotFolders& folders, const GameModel& game, const FieldView& view,
                    FileSystem& files, const FileDate& today) {
    char path[kPathBufferSize];
    if (!slotPath(saveFolder(folders, files), index, path, sizeof path) ||
        game.currentLevel() == nullptr || !writeGameFile(path, game, view, files)) {
        return false;
    }
    SavedGameSlot& slot = slots.slots[index];
    copyText(slot.description, sizeof slot.description, description);
    slot.level = game.currentLevel()->NBLLS;
    slot.day = today.day;
    slot.month = today.month;
    slot.year = today.year;
    return true;
}

ReadResult openGameFromSlot(int index, const SlotFolders& folders, GameModel& game, FieldView& view,
                            FileSystem& files, SavedGameError* error) {
    char path[kPathBufferSize];
    // A slot with no file anywhere reads as a file that cannot be opened.
    if (!findSlotFile(folders, index, files, path, sizeof path) &&
        !slotPath(folders.besideProgram, index, path, sizeof path)) {
        if (error != nullptr) {
            *error = SavedGameError::kNone;
        }
        return ReadResult::kNotOpened;
    }
    return readGameFile(path, game, view, files, error);
}

bool hasSavedGames(const SlotTable& slots) {
    return firstUsedSlot(slots) >= 0;
}

int firstEmptySlot(const SlotTable& slots) {
    for (int i = 0; i < kSlotCount; ++i) {
        if (slots.slots[i].level < 0) {
            return i;
        }
    }
    return -1;
}

int firstUsedSlot(const SlotTable& slots) {
    for (int i = 0; i < kSlotCount; ++i) {
        if (slots.slots[i].level >= 0) {
            return i;
        }
    }
    return -1;
}

const char* monthName(int32_t month) {
    return month >= 0 && month < 12 ? kMonthNames[month] : "";
}

int formatSlotDate(const SavedGameSlot& slot, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    const int length = std::snprintf(buffer, static_cast<size_t>(size), kSlotDateFormat, slot.day,
                                     monthName(slot.month), slot.year);
    return length < 0 ? 0 : (length < size ? length : size - 1);
}
