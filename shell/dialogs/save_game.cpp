// Save Game: a slot number and a description for the game in progress.
#include <cstdio>

#include "persistence/slots.h"
#include "presentation/game_door.h"
#include "resources/resource.h"
#include "shell/dialogs/common_handlers.h"
#include "shell/dialogs/dialog_handlers.h"

namespace {

// The edit field takes one character more than a description keeps.
constexpr int kDescriptionInputChars = kDescriptionBufferSize;

void initialise(HWND dialog, int) {
    for (int i = 0; i < kSlotCount; ++i) {
        char number[8];
        std::snprintf(number, sizeof number, "%d", i + 1);
        SendDlgItemMessageA(dialog, IDC_SLOT_NUMBER, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(number));
    }
    const int empty = firstEmptySlot(gameDoor()->savedGameSlots());
    if (empty >= 0) {
        SendDlgItemMessageA(dialog, IDC_SLOT_NUMBER, CB_SETCURSEL, static_cast<WPARAM>(empty), 0);
    }
    SendDlgItemMessageA(dialog, IDC_DESCRIPTION, EM_LIMITTEXT, kDescriptionInputChars, 0);
}

int accept(HWND dialog, int) {
    const int slot = selectedPosition(dialog, IDC_SLOT_NUMBER);
    if (slot < 0 || slot >= kSlotCount) {
        // Every slot is in use and none was picked: the player picks one.
        SetFocus(GetDlgItem(dialog, IDC_SLOT_NUMBER));
        return 0;
    }
    char description[kDescriptionBufferSize];
    GetDlgItemTextA(dialog, IDC_DESCRIPTION, description, sizeof description);
    // Asks before replacing a saved game and reports its own failure.
    gameDoor()->saveGame(slot, description);
    return 1;
}

}  // namespace

const DialogHandlers saveGameHandlers = {initialise, accept, closeDialog, nullptr};
