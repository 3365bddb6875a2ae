// Time as the model sees it. The program gives it the real clock; tests
// give it one they drive by hand.
#pragma once

#include <cstdint>

class GameClock {
  public:
    virtual ~GameClock() = default;
    // Milliseconds since the program started.
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
