// The real time the game runs on: milliseconds since the program started
// and the calendar time.
#pragma once

#include <chrono>

#include "model/game_clock.h"

class SystemClock : public GameClock {
  public:
    int32_t nowMs() override;
    int64_t calendarSeconds() override;

  private:
    // The start of the program, taken when the first clock is made.
    static const std::chrono::steady_clock::time_point programStart;
};
