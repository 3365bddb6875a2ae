// Time as the model sees it. The program gives it the real clock; tests
// give it one they drive by hand.
#pragma once

#include <cstdint>

// The millisecond clock counts modulo 2^32: it turns negative after 24.8
// days of uptime and wraps to 0 after 49.7. Every difference of two
// readings is taken modulo 2^32, right for any two readings less than 24.8
// days apart, whichever side of a wrap they are.
inline int32_t clockDifference(int32_t later, int32_t earlier) {
    return static_cast<int32_t>(static_cast<uint32_t>(later) - static_cast<uint32_t>(earlier));
}

class GameClock {
  public:
    virtual ~GameClock() = default;
    // Milliseconds since the program started, modulo 2^32.
    virtual int32_t nowMs() = 0;
    // Calendar time in seconds; seeds the ball placement.
    virtual int64_t calendarSeconds() = 0;
};

// A clock that never moves; the model uses it until it is given another.
class StoppedClock : public GameClock {
  public:
    int32_t nowMs() override { return 0; }
    int64_t calendarSeconds() override { return 0; }
};
