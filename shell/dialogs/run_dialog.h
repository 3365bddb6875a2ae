// Runs the program's dialogs: one modal runner and one dialog procedure for
// all of them. While a dialog is up the game is paused; its earlier pause
// state comes back afterwards.
#pragma once

#include <windows.h>

namespace dialogs {

// The window that owns every dialog: the game view, taken on the first run.
extern HWND dialogOwner;
// The resource id of the dialog being run; the procedure picks the handlers
// by it. 0 while none runs.
extern int currentDialog;
// 1 once the running dialog was closed by its accept button.
extern int acceptedFlag;
// The innermost dialog on screen, null while none runs; a dialog run from
// a handler is owned by it.
extern HWND runningDialog;

// Runs the dialog from its resource id and returns 1 when it was accepted,
// otherwise 0. A handler may run another dialog; the outer one carries on
// afterwards with its own id and flag.
int runDialog(int dialogId);

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace dialogs
