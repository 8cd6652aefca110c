#pragma once
#include "Game/Task.h"
#include "engine/Types.h"

// A job that plays its animation and sound for a fixed time, then changes the game and hands
// the worker back to waiting. It is never cut short by clicks: they only queue.
class cPersonTimedJob : public cTask {
public:
    cPersonTimedJob() : cTask(nullptr, 0) {}

    void onStart() override;
    Bool onProcess() override;
    void onEnd() override;

    Float getRemainingTime() const { return m_time; }

protected:
    virtual Float duration() const = 0;
    // The animation and sound of the work.
    virtual void begin() {}
    // What the work leaves behind.
    virtual void finish() = 0;

private:
    Float m_time = 0;
};
