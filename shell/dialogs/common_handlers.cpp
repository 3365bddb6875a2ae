#include "shell/dialogs/common_handlers.h"

int closeDialog(HWND, int) {
    return 1;
}

void fillList(HWND dialog, int listId, const char* const* texts, int count) {
    for (int i = 0; i < count; ++i) {
        SendDlgItemMessageA(dialog, listId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts[i]));
    }
}

int selectedPosition(HWND dialog, int listId) {
    LRESULT position = SendDlgItemMessageA(dialog, listId, CB_GETCURSEL, 0, 0);
    return position == CB_ERR ? -1 : static_cast<int>(position);
}
