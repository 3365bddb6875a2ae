// A known game and the exact file the writer makes of it.
#pragma once

#include <string>

#include "tests/host/persistence/test_support.h"

// A 15 by 20 game at level 2: walls in two corners, a growing bar, a cell
// of -1, two balls, the clock at 6000.
void setUpSampleGame(RecordingGame& game);

// The file of that game, byte for byte.
std::string sampleSavedGame();

// The text with the first line equal to `line` replaced (or removed when
// `replacement` is empty); fails the test when no line matches.
std::string replaceLine(const std::string& text, const std::string& line,
                        const std::string& replacement);
// The text with `lines` inserted after the first line equal to `after`.
std::string insertAfter(const std::string& text, const std::string& after,
                        const std::string& lines);
