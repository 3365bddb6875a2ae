// How a saved-game slot is shown: its date, its level and its description.
#pragma once

#include <windows.h>

#include "persistence/slots.h"

// Sets the three statics to the slot's date ("5-Dec-2026"), level and
// description; a null slot blanks them.
void showSlot(HWND dialog, const SavedGameSlot* slot, int dateId, int levelId, int descriptionId);
