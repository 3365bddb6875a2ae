// The dialogs live in the shell, above the game; the shell installs the
// function that runs one, and the game asks for dialogs only through here.
#pragma once

// Runs the dialog with the given resource id modally and returns 1 when it
// was accepted, otherwise 0.
using DialogRunner = int (*)(int dialogId);

void setDialogRunner(DialogRunner runner);
// 0 while no runner is installed.
int runDialog(int dialogId);
