// The table of the ten best games, best first: how a game's score enters
// it under the name the player gives, and how it is emptied.
#pragma once

#include <cstdint>

constexpr int kWallOfFameSize = 10;
// Names hold at most 29 characters and the terminating zero.
constexpr int kNameBufferSize = 30;
constexpr int kNameChars = kNameBufferSize - 1;

struct WallOfFameEntry {
    char name[kNameBufferSize] = {};
    int32_t score = -1;  // negative: empty entry, and the list ends here
    int32_t level = 0;
};

struct WallOfFameTable {
    WallOfFameEntry entries[kWallOfFameSize];
};

class GameModel;

// Enters a finished game. Returns the place taken (0 to 9), or 10 when the
// score earns none. The name is asked of `asker` through askPlayerName; a
// cancelled question leaves the table as it was but still returns the place.
int addToWallOfFame(WallOfFameTable& table, GameModel& asker, int32_t score, int32_t level);

// Every entry becomes empty: no name, score -1.
void clearWallOfFame(WallOfFameTable& table);

// Copies at most `capacity` - 1 characters of `source` and terminates.
void copyName(char* target, int capacity, const char* source);
