// The themes: which ball frames and which four colours the field is drawn
// with, in the order the Display Options dialog lists them: Classic,
// Desert, Forest, Mars, Night, Ocean, Sky.
#pragma once

#include <cstdint>

constexpr int kThemeCount = 7;

// Colours are 0x00RRGGBB, as the composed pictures hold them.
struct FieldColours {
    uint32_t field;      // the background of free cells
    uint32_t wall;       // finished bars and released cells
    uint32_t firstBar;   // the bar growing up or left
    uint32_t secondBar;  // the bar growing down or right
};

struct Theme {
    int firstFrame;  // the index of its first ball image (see ball_images.h)
    int frameCount;
    FieldColours colours;
};

// Any index outside the list (a hand-edited settings file) gives Classic.
const Theme& themeAt(int index);
