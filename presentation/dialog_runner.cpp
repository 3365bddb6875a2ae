#include "presentation/dialog_runner.h"

namespace {
DialogRunner currentRunner = nullptr;
}

void setDialogRunner(DialogRunner runner) {
    currentRunner = runner;
}

int openDialog(int dialogId) {
    return currentRunner != nullptr ? currentRunner(dialogId) : 0;
}
