// The dialogs live in the shell, above the game; the shell installs the
// function that runs one, and the game asks for dialogs only through here.
#pragma once

// Runs the dialog with the given resource id modally and returns 1 when it
// was accepted, otherwise 0: the shell's dialogs::runDialog.
using DialogRunner = int (*)(int dialogId);

void setDialogRunner(DialogRunner runner);
// Opens a dialog through the installed runner; 0 while none is installed.
int openDialog(int dialogId);
