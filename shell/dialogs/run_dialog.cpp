#include "shell/dialogs/run_dialog.h"

#include "presentation/game_door.h"
#include "presentation/process_state.h"
#include "shell/dialogs/dialog_handlers.h"

namespace dialogs {

HWND dialogOwner = nullptr;
int currentDialog = 0;
int acceptedFlag = 0;

namespace {

// The innermost dialog on screen, null while none runs; a dialog run from
// a handler is owned by it.
HWND runningDialog = nullptr;

constexpr int kDialogAccepted = 1;
constexpr int kDialogCancelled = 2;

void centreOnDesktop(HWND dialog) {
    RECT box{};
    if (!GetWindowRect(dialog, &box)) {
        return;
    }
    RECT desktop{};
    GetClientRect(GetDesktopWindow(), &desktop);
    int x = ((desktop.right - desktop.left) - (box.right - box.left)) / 2;
    int y = ((desktop.bottom - desktop.top) - (box.bottom - box.top)) / 2;
    SetWindowPos(dialog, nullptr, x < 0 ? 0 : x, y < 0 ? 0 : y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void onInitDialog(HWND dialog) {
    runningDialog = dialog;
    centreOnDesktop(dialog);
    const DialogHandlers* handlers = dialogHandlersFor(currentDialog);
    if (handlers != nullptr && handlers->initialise != nullptr) {
        handlers->initialise(dialog, currentDialog);
    }
}

void onAccept(HWND dialog) {
    const DialogHandlers* handlers = dialogHandlersFor(currentDialog);
    int answer = 1;
    if (handlers != nullptr && handlers->accept != nullptr) {
        answer = handlers->accept(dialog, currentDialog);
    }
    if (answer == 1) {
        EndDialog(dialog, kDialogAccepted);
        acceptedFlag = 1;
    }
}

void onCancel(HWND dialog) {
    const DialogHandlers* handlers = dialogHandlersFor(currentDialog);
    if (handlers != nullptr && handlers->cancel != nullptr) {
        handlers->cancel(dialog, currentDialog);
    }
    EndDialog(dialog, kDialogCancelled);
}

void onCommand(HWND dialog, WPARAM wParam) {
    const int control = LOWORD(wParam);
    if (control == IDOK) {
        onAccept(dialog);
    } else if (control == IDCANCEL) {
        onCancel(dialog);
    } else {
        const DialogHandlers* handlers = dialogHandlersFor(currentDialog);
        if (handlers != nullptr && handlers->otherControl != nullptr) {
            handlers->otherControl(dialog, currentDialog, control, HIWORD(wParam));
        }
    }
}

}  // namespace

HWND innermostDialog() {
    return runningDialog != nullptr && IsWindow(runningDialog) ? runningDialog : nullptr;
}

int runDialog(int dialogId) {
    if (gameDoor() == nullptr) {
        return 0;
    }
    // The owner is kept once taken; a view built anew (only tests build a
    // second one) takes over from one that is gone.
    if (dialogOwner == nullptr || !IsWindow(dialogOwner)) {
        dialogOwner = gameViewOfDoor();
    }
    const int savedDialog = currentDialog;
    const int savedAccepted = acceptedFlag;
    const HWND savedRunning = runningDialog;
    // A dialog run from another one belongs to it: the outer dialog stays
    // disabled meanwhile and gets the focus back when the inner one closes.
    const HWND owner =
        runningDialog != nullptr && IsWindow(runningDialog) ? runningDialog : dialogOwner;
    currentDialog = dialogId;
    acceptedFlag = 0;
    DialogBoxParamA(programInstance, MAKEINTRESOURCEA(dialogId), owner, dialogProc, 0);
    runningDialog = savedRunning;
    const int result = acceptedFlag;
    acceptedFlag = savedAccepted;
    currentDialog = savedDialog;
    return result;
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            onInitDialog(dialog);
            return TRUE;  // the platform sets the default focus
        case WM_COMMAND:
            onCommand(dialog, wParam);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace dialogs
