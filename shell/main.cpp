// The entry routine of zembal.exe.
#include <windows.h>

#include "presentation/dialog_runner.h"
#include "shell/dialogs/run_dialog.h"
#include "shell/frame.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR, int showCommand) {
    setDialogRunner(dialogs::runDialog, dialogs::innermostDialog);
    return runProgram(instance, previousInstance, showCommand);
}
