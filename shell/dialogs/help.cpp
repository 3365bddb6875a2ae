// Help: how the game is played. Its texts are all in the template.
#include "shell/dialogs/common_handlers.h"
#include "shell/dialogs/dialog_handlers.h"

const DialogHandlers helpHandlers = {nullptr, closeDialog, closeDialog, nullptr};
