#pragma once
#include "Game/Task.h"

class cFarmFieldTile;

// The worker sprays a field from the pump until it is full, then stands by with the hose again.
// A field that drinks as fast as the hose gives would never fill: the spraying also ends after
// twice the time a dry field takes, and a right click ends it at once. The game variables keep
// it like a timed job, with the time left to that bound, so that a game left meanwhile sprays on.
class cPersonWateringWithHose : public cTask {
public:
    // Full enough: the last drop of a float sum may never quite reach the brim.
    static constexpr Float FULL_MARGIN = 1e-3f;

    explicit cPersonWateringWithHose(cFarmFieldTile* _field) : cTask(nullptr, 0), m_field(_field) {}

    void onStart() override;
    Bool onProcess() override;
    void onEnd() override;

    // Taken up again after a return: the spraying has _left seconds at most still to go.
    void resumeWith(Float _left) { m_resumedLeft = _left; }
    // One step of spraying; true when the job is done.
    Bool pour(Float _dt);

    cFarmFieldTile* getField() const { return m_field; }
    Float getFlow() const { return m_flow; }
    Float getTimeLimit() const { return m_limit; }

private:
    cFarmFieldTile* m_field;
    // Water units a second.
    Float m_flow = 0;
    Float m_elapsed = 0;
    Float m_limit = 0;
    Float m_resumedLeft = 0;
};
