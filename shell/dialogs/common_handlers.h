// Handlers that several dialogs share.
#pragma once

#include <windows.h>

// Accept or cancel that only closes the dialog.
int closeDialog(HWND dialog, int dialogId);

// Fills a drop-down list with the texts in order.
void fillList(HWND dialog, int listId, const char* const* texts, int count);
// The selected position of a drop-down list, or -1 when none is selected.
int selectedPosition(HWND dialog, int listId);
