// The time of day the status bar's clock pane shows.
#pragma once

#include <string>

struct ClockTime {
    int hour = 0;  // 0 to 23
    int minute = 0;
    int second = 0;

    // The current local time.
    static ClockTime now();

    // "hh:mm:ss", 24-hour form, two digits each.
    std::string text() const;
};
