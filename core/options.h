// The option records through which the dialogs read and change the Game.
#pragma once

#include "core/themes.h"
#include "model/field_sizes.h"

// Display Options: grid lines, sound, theme and speed. A theme or speed of
// a hand-edited settings file may lie outside the lists; it is kept as it is.
constexpr int kSpeedCount = 3;

struct DisplayOptions {
    bool grid = true;
    bool sound = true;
    int theme = 0;
    int speed = 0;  // 0 slow, 1 normal, 2 fast

    // What the game plays with such values, and the lists show: Classic
    // for a theme beyond the seven, normal for a speed beyond the three.
    int shownTheme() const { return theme >= 0 && theme < kThemeCount ? theme : 0; }
    int shownSpeed() const { return speed >= 0 && speed < kSpeedCount ? speed : 1; }
};

// Game Options: the share of the field to release and the field's size.
// A change starts a new game.
struct GameOptions {
    int percentToComplete = kDefaultPercentToComplete;
    int rows = kFieldRows[kDefaultFieldSize];
    int cols = kFieldCols[kDefaultFieldSize];

    bool operator==(const GameOptions& other) const {
        return percentToComplete == other.percentToComplete && rows == other.rows &&
               cols == other.cols;
    }
    bool operator!=(const GameOptions& other) const { return !(*this == other); }
};
