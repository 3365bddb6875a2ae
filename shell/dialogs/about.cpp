// About: the version and the credits. Its texts are all in the template.
#include "shell/dialogs/common_handlers.h"
#include "shell/dialogs/dialog_handlers.h"

const DialogHandlers aboutHandlers = {nullptr, closeDialog, closeDialog, nullptr};
