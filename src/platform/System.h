#pragma once
#include <string>

namespace platform {

struct sLocalTime {
    int year = 0; // e.g. 2026
    int month = 0; // 1..12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

sLocalTime getLocalTime();

// The system's text for the calling thread's last error, or "" when there is none.
std::string getLastErrorText();

} // namespace platform
