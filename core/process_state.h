// The game's process-wide state: one of each for the whole run.
#pragma once

// The slot the overwrite warning shows: saveGame sets it just before it
// asks whether to replace that slot's saved game.
extern int overwriteSlot;
