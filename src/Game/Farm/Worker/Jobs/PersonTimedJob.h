#pragma once
#include "Game/Task.h"
#include "engine/Types.h"

class cFarmFieldTile;

// A job that plays its animation and sound for a fixed time, then changes the game and hands
// the worker back to waiting. It is never cut short by clicks: they only queue. While it runs
// the game variables say which job it is, on which field, and how long it still needs, so
// that a game left in the middle of it takes it up again (see PersonKeptJob.h).
class cPersonTimedJob : public cTask {
public:
    // The jobs as the variables name them; the hose's spraying, which is not timed, is kept
    // the same way (PersonKeptJob.h).
    enum eKind : UInt {
        NO_KIND,
        PLOUGH,
        SOW,
        COLLECT,
        DROP_TO_WAREHOUSE,
        WATER_WITH_POT,
        GET_SPADE,
        GET_SCYTHE,
        GET_BUCKET,
        WATER_WITH_HOSE,
        KIND_COUNT
    };

    cPersonTimedJob() : cTask(nullptr, 0) {}

    void onStart() override;
    Bool onProcess() override;
    void onEnd() override;

    Float getRemainingTime() const { return m_time; }
    // Taken up again after a return: the job lasts the _left seconds it still needed.
    void resumeWith(Float _left) { m_resumedTime = _left; }
    virtual eKind kind() const = 0;
    // The field the job works on, if any.
    virtual const cFarmFieldTile* field() const { return nullptr; }

protected:
    virtual Float duration() const = 0;
    // The animation and sound of the work.
    virtual void begin() {}
    // What the work leaves behind.
    virtual void finish() = 0;

private:
    Float m_time = 0;
    Float m_resumedTime = 0;
};
