// The model's process-wide state: one of each for the whole run.
#pragma once

#include <cstdint>

#include "model/wall_of_fame.h"

// 1 while a level is set up and in play, 0 in the transitions: startLevel
// sets it, completeLevel, endGame and a game ending on its last life clear it.
extern int32_t gameRunning;

// The ten best games: read from the settings file while the Game is built,
// entered by addToWallOfFame, emptied by the Wall of Fame dialog's Clear.
extern WallOfFameTable wallOfFameTable;

// The player's name ("User" in the settings): read from the settings file,
// edited by the game-over dialog, copied into new Wall of Fame entries.
extern char userName[kNameBufferSize];
