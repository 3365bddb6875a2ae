// Display Options: grid lines, sound, theme and speed.
#include "presentation/game_door.h"
#include "resources/resource.h"
#include "shell/dialogs/common_handlers.h"
#include "shell/dialogs/dialog_handlers.h"
#include "shell/shell_texts.h"

namespace {

void initialise(HWND dialog, int) {
    const DisplayOptions options = gameDoor()->displayOptions();
    CheckDlgButton(dialog, IDC_GRID, options.grid ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_SOUND, options.sound ? BST_CHECKED : BST_UNCHECKED);
    fillList(dialog, IDC_THEME, shellTexts::kThemes, kThemeCount);
    SendDlgItemMessageA(dialog, IDC_THEME, CB_SETCURSEL, options.shownTheme(), 0);
    fillList(dialog, IDC_SPEED, shellTexts::kSpeeds, kSpeedCount);
    SendDlgItemMessageA(dialog, IDC_SPEED, CB_SETCURSEL, options.shownSpeed(), 0);
}

int accept(HWND dialog, int) {
    DisplayOptions options = gameDoor()->displayOptions();
    options.grid = IsDlgButtonChecked(dialog, IDC_GRID) == BST_CHECKED;
    options.sound = IsDlgButtonChecked(dialog, IDC_SOUND) == BST_CHECKED;
    // A theme or speed from a hand-edited settings file is shown as what
    // the game plays; it stays as it was unless the player chose another.
    const int theme = selectedPosition(dialog, IDC_THEME);
    if (theme >= 0 && theme != options.shownTheme()) {
        options.theme = theme;
    }
    const int speed = selectedPosition(dialog, IDC_SPEED);
    if (speed >= 0 && speed != options.shownSpeed()) {
        options.speed = speed;
    }
    gameDoor()->applyDisplayOptions(options);
    return 1;
}

}  // namespace

const DialogHandlers displayOptionsHandlers = {initialise, accept, closeDialog, nullptr};
