// Every dialog of the program runs through one runner and one dialog
// procedure; the procedure picks the dialog's handlers by the current
// dialog id.
#pragma once

#include <windows.h>

struct DialogHandlers {
    // After the dialog is centred on the desktop.
    void (*initialise)(HWND dialog, int dialogId);
    // The accept button (id 1): 1 closes the dialog, anything else keeps it.
    int (*accept)(HWND dialog, int dialogId);
    // Cancel, Escape or the close box: always closes (returns 1).
    int (*cancel)(HWND dialog, int dialogId);
    // Any other control, with its id and notification code.
    void (*otherControl)(HWND dialog, int dialogId, int controlId, int notification);
};

// The handlers of a dialog id, or null for an unknown id (the dialog then
// only closes).
const DialogHandlers* dialogHandlersFor(int dialogId);

// The handler sets, one per dialog, each defined in its own file.
extern const DialogHandlers displayOptionsHandlers;  // 103
extern const DialogHandlers gameOptionsHandlers;     // 109
extern const DialogHandlers gameOverHandlers;        // 106
extern const DialogHandlers nextLevelHandlers;       // 145
extern const DialogHandlers helpHandlers;            // 131
extern const DialogHandlers aboutHandlers;           // 105
extern const DialogHandlers wallOfFameHandlers;      // 107
extern const DialogHandlers saveGameHandlers;        // 144
extern const DialogHandlers openGameHandlers;        // 150
extern const DialogHandlers overwriteHandlers;       // 153
