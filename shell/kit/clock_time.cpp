#include "shell/kit/clock_time.h"

#include <cstdio>
#include <ctime>

ClockTime ClockTime::now() {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    if (localtime_s(&local, &seconds) != 0) {
        return ClockTime{};
    }
    return ClockTime{local.tm_hour, local.tm_min, local.tm_sec};
}

std::string ClockTime::text() const {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", hour, minute, second);
    return buffer;
}
