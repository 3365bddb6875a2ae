// Game Options: the percentage of the field to release and the field size.
// A change starts a new game, so the player is asked first.
#include <cstdio>

#include "model/field_sizes.h"
#include "presentation/game_door.h"
#include "resources/resource.h"
#include "shell/dialogs/common_handlers.h"
#include "shell/dialogs/dialog_handlers.h"
#include "shell/shell_texts.h"

namespace {

// The list offers the percentages but the last, 90, which only a settings
// file can ask for.
constexpr int kListedPercents = kPercentCount - 1;

int percentPosition(int percent) {
    for (int position = 0; position < kListedPercents; ++position) {
        if (kPercentsToComplete[position] == percent) {
            return position;
        }
    }
    return -1;
}

void initialise(HWND dialog, int) {
    const GameOptions options = gameDoor()->gameOptions();
    // In ascending order the sorted list keeps every entry at its position.
    for (int i = 0; i < kListedPercents; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, shellTexts::kPercentFormat, kPercentsToComplete[i]);
        SendDlgItemMessageA(dialog, IDC_PERCENT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SendDlgItemMessageA(dialog, IDC_PERCENT, CB_SETCURSEL,
                        percentPosition(options.percentToComplete), 0);
    for (int i = 0; i < kFieldSizeCount; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, shellTexts::kFieldSizeFormat, kFieldRows[i],
                      kFieldCols[i]);
        SendDlgItemMessageA(dialog, IDC_FIELD_SIZE, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(text));
    }
    SendDlgItemMessageA(dialog, IDC_FIELD_SIZE, CB_SETCURSEL,
                        fieldSizeIndex(options.rows, options.cols), 0);
}

// A list opens without a selection when the settings hold 90 % or a size
// outside the table; the choice then stays what it was (and 90 % stays
// 90 %), never a value computed from "no selection".
int chosenPercent(HWND dialog, int current) {
    const int position = selectedPosition(dialog, IDC_PERCENT);
    if (position >= 0 && position < kListedPercents) {
        return kPercentsToComplete[position];
    }
    return isPercentToComplete(current) ? current : kDefaultPercentToComplete;
}

int accept(HWND dialog, int) {
    const GameOptions current = gameDoor()->gameOptions();
    GameOptions chosen = current;
    chosen.percentToComplete = chosenPercent(dialog, current.percentToComplete);
    const int size = selectedPosition(dialog, IDC_FIELD_SIZE);
    if (size >= 0 && size < kFieldSizeCount) {
        chosen.rows = kFieldRows[size];
        chosen.cols = kFieldCols[size];
    }
    // Refused, the dialog stays open with the player's choices.
    return gameDoor()->changeGameOptions(chosen) ? 1 : 0;
}

}  // namespace

const DialogHandlers gameOptionsHandlers = {initialise, accept, closeDialog, nullptr};
