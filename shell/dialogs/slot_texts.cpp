#include "shell/dialogs/slot_texts.h"

#include <cstdio>

void showSlot(HWND dialog, const SavedGameSlot* slot, int dateId, int levelId, int descriptionId) {
    if (slot == nullptr) {
        SetDlgItemTextA(dialog, dateId, "");
        SetDlgItemTextA(dialog, levelId, "");
        SetDlgItemTextA(dialog, descriptionId, "");
        return;
    }
    char date[32];
    formatSlotDate(*slot, date, sizeof date);
    char level[16];
    std::snprintf(level, sizeof level, "%d", slot->level);
    // The record's buffer is terminated by whoever filled it; copy it safely
    // all the same.
    char description[kDescriptionBufferSize];
    std::snprintf(description, sizeof description, "%.*s", kDescriptionChars, slot->description);
    SetDlgItemTextA(dialog, dateId, date);
    SetDlgItemTextA(dialog, levelId, level);
    SetDlgItemTextA(dialog, descriptionId, description);
}
