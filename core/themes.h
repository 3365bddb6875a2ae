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

// Classic keeps the colours it always had; in the other six both bars, like
// the balls, have a contrast ratio of at least 3:1 with the field, so a
// growing bar never melts into it.
inline constexpr Theme kThemes[kThemeCount] = {
    {0, 8, {0xC0C0C0, 0x000000, 0xFF0000, 0x0000FF}},   // Classic: images 110 to 117
    {16, 3, {0xE6CF9A, 0x7A4A1E, 0xC8321E, 0x2850A0}},  // Desert: 126 to 128
    {8, 8, {0x9CCB86, 0x2E4A1E, 0x9B4E16, 0x5A2D82}},   // Forest: 118 to 125
    {19, 4, {0xD9A07A, 0x5A1E0A, 0x635400, 0x1E3C78}},  // Mars: 129 to 132
    {23, 3, {0x46507A, 0x0A0A1E, 0xFFC83C, 0x78DCFF}},  // Night: 133 to 135
    {26, 1, {0x8CC8E6, 0x0A3264, 0xAB4322, 0x0E7255}},  // Ocean: 136
    {27, 3, {0xC8E6FF, 0x5A6E8C, 0xBA6600, 0x6A3CC8}},  // Sky: 137 to 139
};

// Any index outside the list (a hand-edited settings file) gives Classic.
const Theme& themeAt(int index);
