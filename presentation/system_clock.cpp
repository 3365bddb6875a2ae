#include "presentation/system_clock.h"

#include <ctime>

const std::chrono::steady_clock::time_point SystemClock::programStart =
    std::chrono::steady_clock::now();

int32_t SystemClock::nowMs() {
    auto since = std::chrono::steady_clock::now() - programStart;
    // Counted modulo 2^32, as the model takes its differences.
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

int64_t SystemClock::calendarSeconds() {
    return static_cast<int64_t>(std::time(nullptr));
}
