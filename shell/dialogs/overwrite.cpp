// The warning before a saved game is replaced: the slot and what it holds.
#include <cstdio>

#include "persistence/slots.h"
#include "presentation/game.h"
#include "resources/resource.h"
#include "shell/dialogs/common_handlers.h"
#include "shell/dialogs/dialog_handlers.h"
#include "shell/dialogs/slot_texts.h"

namespace {

void initialise(HWND dialog, int) {
    if (overwriteSlot < 0 || overwriteSlot >= kSlotCount) {
        return;
    }
    char number[8];
    std::snprintf(number, sizeof number, "%d", overwriteSlot + 1);
    SetDlgItemTextA(dialog, IDC_OVERWRITE_NUMBER, number);
    showSlot(dialog, &theGame->savedGameSlots().slots[overwriteSlot], IDC_SLOT_DATE_FIRST,
             IDC_SLOT_LEVEL_FIRST, IDC_SLOT_DESC_FIRST);
}

}  // namespace

const DialogHandlers overwriteHandlers = {initialise, closeDialog, closeDialog, nullptr};
