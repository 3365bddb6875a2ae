// Between two levels: carry on, or save the game first.
#include "presentation/game_door.h"
#include "resources/resource.h"
#include "shell/dialogs/common_handlers.h"
#include "shell/dialogs/dialog_handlers.h"

namespace {

void otherControl(HWND, int, int controlId, int) {
    if (controlId == IDC_SAVE_NOW) {
        // Whatever the Save Game dialog ends with, this one stays open.
        gameDoor()->openDialog(DialogKind::kSaveGame);
    }
}

}  // namespace

const DialogHandlers nextLevelHandlers = {nullptr, closeDialog, closeDialog, otherControl};
