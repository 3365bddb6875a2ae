// The Wall of Fame in the settings file: "Size_Of_Wall_Of_Fame" in the
// section "General" and User_i, Score_i, Level_i in "WallOfFame".
#pragma once

#include "model/wall_of_fame.h"
#include "persistence/profile_store.h"

constexpr char kWallOfFameSection[] = "WallOfFame";

// Empties the table, then reads as many entries as the count says (none for
// a count of 0 or less or no number, ten at most). Entries are taken as they
// stand: a missing Score_i or Level_i reads as 0, names are cut to 29
// characters.
void readWallOfFame(ProfileStore& profile, WallOfFameTable& table);

// Writes the entries up to the first empty one, then the count written.
// Keys of entries past the new count are left in the file.
void writeWallOfFame(ProfileStore& profile, const WallOfFameTable& table);
