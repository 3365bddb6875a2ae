// The lines of a saved-game file: each split into its key and its value.
#pragma once

#include <cstddef>
#include <functional>

#include "persistence/saved_game.h"

// Called once a non-empty line with the key (the text before the first
// colon, or the whole line when it has none) and the value (the text after
// the colon, or again the whole line). A result other than kNone stops the
// reading.
using SavedGameLineHandler =
    std::function<SavedGameError(const char* key, const char* value, size_t valueLength)>;

// Goes through the lines of `data`, each ended by LF with a CR before it
// or not (a second CR before a marker's line end is dropped too); an empty line is skipped. Returns
// kLineTooLong for a line longer than kMaxSavedGameLineChars, the handler's first error, or kNone.
SavedGameError forEachSavedGameLine(const char* data, size_t size,
                                    const SavedGameLineHandler& onLine);
