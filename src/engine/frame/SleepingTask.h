#pragma once
#include "engine/Types.h"

#include <cstdint>

// A call made once its delay has passed, counted in game time (the timer's frame steps), so
// a paused or inactive game does not run it. The argument is pointer-sized: callers hand
// over objects as well as numbers.
class cSleepingTask {
public:
    using tArgument = std::uintptr_t;
    using fCallback = void (*)(tArgument _argument);

    cSleepingTask(Float _delay, fCallback _callback, tArgument _argument)
        : m_delay(_delay), m_callback(_callback), m_argument(_argument)
    {
    }

    // Adds this frame's time; true once the call was made and the task is done.
    Bool process();

    Float getElapsed() const { return m_elapsed; }
    Float getDelay() const { return m_delay; }

private:
    Float m_elapsed = 0;
    Float m_delay;
    fCallback m_callback;
    tArgument m_argument;
};
