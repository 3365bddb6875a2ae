// The warning before a saved game is replaced: the slot and what it holds.
#include <cstdio>

#include "persistence/slots.h"
#include "presentation/game_door.h"
#include "resources/resource.h"
#include "shell/dialogs/common_handlers.h"
#include "shell/dialogs/dialog_handlers.h"
#include "shell/dialogs/slot_texts.h"

namespace {

void initialise(HWND dialog, int) {
    const int slot = gameDoor()->slotToOverwrite();
    if (slot < 0 || slot >= kSlotCount) {
        return;
    }
    char number[8];
    std::snprintf(number, sizeof number, "%d", slot + 1);
    SetDlgItemTextA(dialog, IDC_OVERWRITE_NUMBER, number);
    showSlot(dialog, &gameDoor()->savedGameSlots().slots[slot], IDC_SLOT_DATE_FIRST,
             IDC_SLOT_LEVEL_FIRST, IDC_SLOT_DESC_FIRST);
}

}  // namespace

const DialogHandlers overwriteHandlers = {initialise, closeDialog, closeDialog, nullptr};
