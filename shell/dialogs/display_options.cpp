// Display Options: grid lines, sound, theme and speed.
#include "presentation/game.h"
#include "resources/resource.h"
#include "shell/dialogs/common_handlers.h"
#include "shell/dialogs/dialog_handlers.h"
#include "shell/shell_texts.h"

namespace {

constexpr int kSpeedCount = 3;

void initialise(HWND dialog, int) {
    Game& game = *theGame;
    CheckDlgButton(dialog, IDC_GRID, game.level->GRID == 1 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_SOUND, game.soundOn == 1 ? BST_CHECKED : BST_UNCHECKED);
    fillList(dialog, IDC_THEME, shellTexts::kThemes, kThemeCount);
    SendDlgItemMessageA(dialog, IDC_THEME, CB_SETCURSEL, game.themeIndex, 0);
    fillList(dialog, IDC_SPEED, shellTexts::kSpeeds, kSpeedCount);
    SendDlgItemMessageA(dialog, IDC_SPEED, CB_SETCURSEL, game.level->SPEED, 0);
}

int accept(HWND dialog, int) {
    Game& game = *theGame;
    game.level->GRID = IsDlgButtonChecked(dialog, IDC_GRID) == BST_CHECKED ? 1 : 0;
    game.soundOn = IsDlgButtonChecked(dialog, IDC_SOUND) == BST_CHECKED ? 1 : 0;
    // A theme or speed from a hand-edited settings file leaves its list
    // without a selection; the value then stays as it was.
    const int theme = selectedPosition(dialog, IDC_THEME);
    if (theme >= 0) {
        game.themeIndex = theme;
    }
    game.applyTheme(game.themeIndex);
    const int speed = selectedPosition(dialog, IDC_SPEED);
    if (speed >= 0) {
        game.level->SPEED = speed;
    }
    game.startGameTimer(1);
    return 1;
}

}  // namespace

const DialogHandlers displayOptionsHandlers = {initialise, accept, closeDialog, nullptr};
