#include "presentation/dialog_runner.h"

#include "resources/resource.h"

namespace {
DialogRunner currentRunner = nullptr;
DialogOnScreen currentOnScreen = nullptr;
}  // namespace

void setDialogRunner(DialogRunner runner, DialogOnScreen onScreen) {
    currentRunner = runner;
    currentOnScreen = onScreen;
}

int runShellDialog(int dialogId) {
    return currentRunner != nullptr ? currentRunner(dialogId) : 0;
}

HWND dialogOnScreen() {
    return currentOnScreen != nullptr ? currentOnScreen() : nullptr;
}

int dialogResourceId(DialogKind dialog) {
    switch (dialog) {
        case DialogKind::kNextLevel:
            return IDD_NEXT_LEVEL;
        case DialogKind::kGameOver:
            return IDD_GAME_OVER;
        case DialogKind::kOverwrite:
            return IDD_OVERWRITE;
        case DialogKind::kSaveGame:
            return IDD_SAVE_GAME;
        case DialogKind::kOpenGame:
            return IDD_OPEN_GAME;
        case DialogKind::kDisplayOptions:
            return IDD_DISPLAY_OPTIONS;
        case DialogKind::kGameOptions:
            return IDD_GAME_OPTIONS;
        case DialogKind::kHelp:
            return IDD_HELP;
        case DialogKind::kAbout:
            return IDD_ABOUT;
        case DialogKind::kWallOfFame:
        default:
            return IDD_WALL_OF_FAME;
    }
}
