// Runs the program's dialogs: one modal runner and one dialog procedure for
// all of them. The game opens them through its door, which pauses it while
// a dialog is up.
#pragma once

#include <windows.h>

#include "shell/process_state.h"

namespace dialogs {

// Runs the dialog from its resource id and returns 1 when it was accepted,
// otherwise 0. A handler may run another dialog; the outer one carries on
// afterwards with its own id and flag.
int runDialog(int dialogId);
// The innermost dialog on screen; null while none runs.
HWND innermostDialog();

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace dialogs
