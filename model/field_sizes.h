// The four field sizes and the five percentages to complete that the
// rules, the settings, the options dialog and the saved games know.
#pragma once

#include <cstdint>

constexpr int kFieldSizeCount = 4;
constexpr int32_t kFieldRows[kFieldSizeCount] = {15, 20, 25, 30};
constexpr int32_t kFieldCols[kFieldSizeCount] = {20, 30, 35, 40};
// The size a game starts with when the settings name none of the table.
constexpr int kDefaultFieldSize = 1;

constexpr int kPercentCount = 5;
constexpr int32_t kPercentsToComplete[kPercentCount] = {70, 75, 80, 85, 90};
constexpr int32_t kDefaultPercentToComplete = 75;

// The first index of the table whose rows and cols both match, or -1. A
// row count and a column count of different sizes never make a pair.
inline int fieldSizeIndex(int32_t rows, int32_t cols) {
    for (int i = 0; i < kFieldSizeCount; ++i) {
        if (kFieldRows[i] == rows && kFieldCols[i] == cols) {
            return i;
        }
    }
    return -1;
}

inline bool isPercentToComplete(int32_t percent) {
    for (int32_t allowed : kPercentsToComplete) {
        if (allowed == percent) {
            return true;
        }
    }
    return false;
}
