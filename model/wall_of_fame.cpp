// The ten best games, best first.
#include "model/wall_of_fame.h"

#include "model/game_model.h"

WallOfFameTable wallOfFameTable;
char userName[kNameBufferSize] = {};

void copyName(char* target, int capacity, const char* source) {
    if (capacity <= 0) {
        return;
    }
    int i = 0;
    if (source != nullptr) {
        for (; i < capacity - 1 && source[i] != '\0'; ++i) {
            target[i] = source[i];
        }
    }
    target[i] = '\0';
}

int addToWallOfFame(WallOfFameTable& table, GameModel& asker, int32_t score, int32_t level) {
    WallOfFameEntry* entries = table.entries;
    // An equal score goes below the one already there.
    int place = 0;
    while (place < kWallOfFameSize && entries[place].score > 0 && entries[place].score >= score) {
        ++place;
    }
    if (place == kWallOfFameSize) {
        return place;
    }
    char name[kNameBufferSize] = {};
    if (asker.askPlayerName(name, place) != 1) {
        return place;
    }
    name[kNameChars] = '\0';
    // An entry in use moves down; an empty or zero entry is overwritten.
    if (entries[place].score > 0) {
        for (int i = kWallOfFameSize - 1; i > place; --i) {
            entries[i] = entries[i - 1];
        }
    }
    WallOfFameEntry& entry = entries[place];
    copyName(entry.name, kNameBufferSize, name);
    entry.score = score;
    entry.level = level;
    return place;
}

void clearWallOfFame(WallOfFameTable& table) {
    for (WallOfFameEntry& entry : table.entries) {
        entry.name[0] = '\0';
        entry.score = -1;
        entry.level = 0;
    }
}
