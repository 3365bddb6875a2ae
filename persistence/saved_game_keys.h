// The markers and the block keys of the saved-game file, shared by the
// writer and the reader. The tables list the keys in the order the writer
// writes them.
#pragma once

#include <cstdint>

#include "model/level.h"

constexpr char kHeadMarker[] = "<HEAD>";
constexpr char kBodyMarker[] = "<BODY>";
constexpr char kBodyEndMarker[] = "</BODY>";
constexpr char kBallMarker[] = "<BALL>";
constexpr char kBarMarker[] = "<BAR>";

struct BallKey {
    const char* name;
    int32_t Ball::*field;
};

constexpr BallKey kBallKeys[] = {
    {"XOLD", &Ball::XOLD}, {"YOLD", &Ball::YOLD}, {"X", &Ball::X},
    {"Y", &Ball::Y},       {"ROLD", &Ball::ROLD}, {"COLD", &Ball::COLD},
    {"R", &Ball::R},       {"C", &Ball::C},       {"DRCT", &Ball::DRCT},
};
constexpr int kBallKeyCount = sizeof kBallKeys / sizeof kBallKeys[0];

struct BarKey {
    const char* name;
    int32_t Bar::*field;
};

constexpr BarKey kBarKeys[] = {
    {"SIZE", &Bar::SIZE}, {"XSTART", &Bar::XSTART}, {"YSTART", &Bar::YSTART}, {"XEND", &Bar::XEND},
    {"YEND", &Bar::YEND}, {"RSTART", &Bar::RSTART}, {"CSTART", &Bar::CSTART}, {"REND", &Bar::REND},
    {"CEND", &Bar::CEND}, {"ACTIVE", &Bar::ACTIVE}, {"DRCT", &Bar::DRCT},
};
constexpr int kBarKeyCount = sizeof kBarKeys / sizeof kBarKeys[0];

constexpr bool sameKey(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

// The position of a key in its table, or -1.
template <typename Key, int N>
constexpr int keyIndex(const char* name, const Key (&keys)[N]) {
    for (int i = 0; i < N; ++i) {
        if (sameKey(keys[i].name, name)) {
            return i;
        }
    }
    return -1;
}

// The staging's mark for a block key that the file set.
constexpr uint32_t ballBit(const char* name) {
    return 1u << keyIndex(name, kBallKeys);
}
constexpr uint32_t barBit(const char* name) {
    return 1u << keyIndex(name, kBarKeys);
}

// The block keys that hold pixel positions, which move with the field:
// those across it start with X, those down it with Y.
constexpr uint32_t kBallPixelKeys = ballBit("XOLD") | ballBit("YOLD") | ballBit("X") | ballBit("Y");
constexpr uint32_t kBarPixelKeys =
    barBit("XSTART") | barBit("YSTART") | barBit("XEND") | barBit("YEND");
constexpr bool isAcross(const char* pixelKey) {
    return pixelKey[0] == 'X';
}
