// The Wall of Fame: the ten best games, and the button that clears them.
#include <cstdio>

#include "model/wall_of_fame.h"
#include "presentation/game_door.h"
#include "resources/resource.h"
#include "shell/dialogs/common_handlers.h"
#include "shell/dialogs/dialog_handlers.h"
#include "shell/shell_texts.h"

namespace {

void setNumber(HWND dialog, int controlId, int32_t number) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", number);
    SetDlgItemTextA(dialog, controlId, text);
}

void initialise(HWND dialog, int) {
    // The list ends at the first empty entry, whatever the entries after it
    // hold.
    bool restEmpty = false;
    for (int r = 0; r < kWallOfFameSize; ++r) {
        const WallOfFameEntry& entry = gameDoor()->wallOfFameEntries().entries[r];
        if (entry.score < 0 || restEmpty) {
            SetDlgItemTextA(dialog, IDC_FAME_NAME_FIRST + r, "");
            SetDlgItemTextA(dialog, IDC_FAME_SCORE_FIRST + r, "");
            SetDlgItemTextA(dialog, IDC_FAME_LEVEL_FIRST + r, "");
            restEmpty = true;
            continue;
        }
        char name[kNameBufferSize];
        copyName(name, sizeof name, entry.name);
        SetDlgItemTextA(dialog, IDC_FAME_NAME_FIRST + r, name);
        setNumber(dialog, IDC_FAME_SCORE_FIRST + r, entry.score);
        setNumber(dialog, IDC_FAME_LEVEL_FIRST + r, entry.level);
    }
}

void otherControl(HWND dialog, int, int controlId, int) {
    if (controlId != IDC_CLEAR) {
        return;
    }
    if (gameDoor()->askToClearWallOfFame()) {
        EndDialog(dialog, IDCANCEL);
    }
}

}  // namespace

const DialogHandlers wallOfFameHandlers = {initialise, closeDialog, closeDialog, otherControl};
