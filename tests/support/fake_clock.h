// The one clock of the tests: `now` in milliseconds and `calendar` in
// seconds are what the model reads, set by hand.
#pragma once

#include <cstdint>

#include "model/game_clock.h"

class ManualClock : public GameClock {
  public:
    int32_t nowMs() override { return now; }
    int64_t calendarSeconds() override { return calendar; }
    int32_t now = 0;
    int64_t calendar = 1000;
};
