// The information lines under the field.
#pragma once

constexpr int kInfoLines = 3;
constexpr int kInfoTextChars = 64;

// The texts of the information area, per line the one at the left and the
// one from the middle on; an empty text is not written.
struct InfoTexts {
    char text[kInfoLines][2][kInfoTextChars];
};
