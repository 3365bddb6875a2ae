// Open saved game: the ten slots, of which the used ones can be chosen.
#include "persistence/slots.h"
#include "presentation/game_door.h"
#include "resources/resource.h"
#include "shell/dialogs/common_handlers.h"
#include "shell/dialogs/dialog_handlers.h"
#include "shell/dialogs/slot_texts.h"

namespace {

void initialise(HWND dialog, int) {
    int firstUsed = -1;
    for (int i = 0; i < kSlotCount; ++i) {
        const SavedGameSlot& slot = gameDoor()->savedGameSlots().slots[i];
        if (slot.level < 0) {
            EnableWindow(GetDlgItem(dialog, IDC_SLOT_RADIO_FIRST + i), FALSE);
            showSlot(dialog, nullptr, IDC_SLOT_DATE_FIRST + i, IDC_SLOT_LEVEL_FIRST + i,
                     IDC_SLOT_DESC_FIRST + i);
            continue;
        }
        showSlot(dialog, &slot, IDC_SLOT_DATE_FIRST + i, IDC_SLOT_LEVEL_FIRST + i,
                 IDC_SLOT_DESC_FIRST + i);
        if (firstUsed < 0) {
            firstUsed = i;
        }
    }
    if (firstUsed >= 0) {
        CheckRadioButton(dialog, IDC_SLOT_RADIO_FIRST, IDC_SLOT_RADIO_FIRST + kSlotCount - 1,
                         IDC_SLOT_RADIO_FIRST + firstUsed);
    }
}

int accept(HWND dialog, int) {
    for (int i = 0; i < kSlotCount; ++i) {
        if (IsDlgButtonChecked(dialog, IDC_SLOT_RADIO_FIRST + i) == BST_CHECKED) {
            gameDoor()->openGame(i);
            break;
        }
    }
    return 1;
}

}  // namespace

const DialogHandlers openGameHandlers = {initialise, accept, closeDialog, nullptr};
