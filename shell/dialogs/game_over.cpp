// The game is over and the score earns a place on the Wall of Fame: the
// player's name is asked for.
#include <cstdio>

#include "model/wall_of_fame.h"
#include "presentation/game_door.h"
#include "core/texts.h"
#include "resources/resource.h"
#include "shell/dialogs/common_handlers.h"
#include "shell/dialogs/dialog_handlers.h"
#include "shell/shell_texts.h"

namespace {

constexpr int kReasonCount = 3;

void initialise(HWND dialog, int) {
    char score[16];
    std::snprintf(score, sizeof score, shellTexts::kScoreFormat, gameDoor()->shownScore());
    SetDlgItemTextA(dialog, IDC_SCORE, score);
    const int reason = gameDoor()->lastEndReason();
    if (reason >= 0 && reason < kReasonCount) {
        SetDlgItemTextA(dialog, IDC_END_REASON, texts::kEndReasons[reason]);
    }
    SendDlgItemMessageA(dialog, IDC_USER_NAME, EM_LIMITTEXT, kNameBufferSize, 0);
    SetDlgItemTextA(dialog, IDC_USER_NAME, gameDoor()->playerName());
    // The name field comes first and takes the focus, its text selected, so
    // the player types a name over it and presses Enter.
    SendDlgItemMessageA(dialog, IDC_USER_NAME, EM_SETSEL, 0, -1);
}

int accept(HWND dialog, int) {
    // The buffer holds 29 characters and the terminator; longer names are cut.
    char name[kNameBufferSize] = {};
    GetDlgItemTextA(dialog, IDC_USER_NAME, name, kNameBufferSize);
    gameDoor()->setPlayerName(name);
    if (name[0] == '\0') {
        gameDoor()->showInfo(shellTexts::kNameMissing);
        return 0;
    }
    return 1;
}

}  // namespace

const DialogHandlers gameOverHandlers = {initialise, accept, closeDialog, nullptr};
