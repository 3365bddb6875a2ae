// Runs the program's dialogs: one modal runner and one dialog procedure for
// all of them. While a dialog is up the game is paused; its earlier pause
// state comes back afterwards.
#pragma once

#include <windows.h>

#include "shell/process_state.h"

namespace dialogs {

// Runs the dialog from its resource id and returns 1 when it was accepted,
// otherwise 0. A handler may run another dialog; the outer one carries on
// afterwards with its own id and flag.
int runDialog(int dialogId);

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace dialogs
