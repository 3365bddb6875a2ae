// The dialogs live in the shell, above the game; the shell installs the
// function that runs one, and the game asks for dialogs only through here.
#pragma once

#include <windows.h>

#include "core/front_end.h"

// Runs the dialog with the given resource id modally and returns 1 when it
// was accepted, otherwise 0: the shell's dialogs::runDialog.
using DialogRunner = int (*)(int dialogId);
// The innermost dialog on screen, null while none runs.
using DialogOnScreen = HWND (*)();

void setDialogRunner(DialogRunner runner, DialogOnScreen onScreen = nullptr);
// Runs a dialog through the installed runner; 0 while none is installed.
int runShellDialog(int dialogId);
// The innermost dialog the installed runner shows; null when none.
HWND dialogOnScreen();
// The resource id of each dialog of the game.
int dialogResourceId(DialogKind dialog);
