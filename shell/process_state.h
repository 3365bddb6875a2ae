// The shell's process-wide state: one of each for the whole run.
#pragma once

#include <windows.h>

// The one game view: the frame sets it when it creates the view on its own
// creation, and clears it when it is destroyed; null until then.
extern HWND gameViewWindow;

namespace dialogs {
// The window that owns every dialog: runDialog takes the game view on its
// first run and keeps it.
extern HWND dialogOwner;
// The resource id of the dialog being run, set by runDialog; the dialog
// procedure picks the handlers by it. 0 while none runs.
extern int currentDialog;
// Set to 1 by the dialog procedure once the running dialog was closed by
// its accept button; runDialog clears it before each dialog.
extern int acceptedFlag;
}  // namespace dialogs
