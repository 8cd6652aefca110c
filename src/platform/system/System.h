#pragma once
#include "engine/Types.h"

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

// Time and the last word to the player: what differs between a real machine and a test. The
// headless backend scripts the clock, so a test decides how long every frame took.
class iSystem {
public:
    virtual ~iSystem() = default;
    // Monotonic milliseconds from an arbitrary start; wraps after 49 days like the Windows
    // counter the timer was written against, so callers subtract as unsigned numbers.
    virtual UInt getTicks() = 0;
    virtual void sleep(UInt _milliseconds) = 0;
    virtual platform::sLocalTime getLocalTime() = 0;
    // Shows a fatal report to the person at the machine. The report has already gone to
    // stderr and the error log; this never blocks a run that nobody watches.
    virtual void showFatalMessage(const String& _title, const String& _text) = 0;
    // True while the player's current keyboard layout types a right-to-left script (Hebrew),
    // so a text field can put its caret on the side the letters grow from.
    virtual Bool isRightToLeftKeyboard() = 0;
};
