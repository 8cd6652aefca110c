#pragma once
#include "Game/Task.h"
#include "engine/Types.h"

class cActionArea;

// The worker walks straight to where it stands to work at its area, and on arrival decides
// what to do there.
class cPersonMoveBasic : public cTask {
public:
    // Closer than this in both axes is there already.
    static constexpr Float ARRIVAL_DISTANCE = 2;

    explicit cPersonMoveBasic(cActionArea* _area) : cTask(nullptr, 0), m_area(_area) {}

    void onStart() override;
    Bool onProcess() override;
    // The arrival decision.
    void onEnd() override;

    Float getRemainingTime() const { return m_time; }
    const Vector2& getVelocity() const { return m_velocity; }
    Bool isArrived() const { return m_arrived; }

protected:
    // The goal on the screen, and the hot spot seen from it; true when already there.
    Bool takeGoal();
    // An early end: a right click, arrival, or the package taken up by the pointer.
    Bool endsEarly();
    // The hot spot put exactly on the goal.
    void placeOnGoal();
    static Bool isNear(const Vector2& _a, const Vector2& _b);

    cActionArea* m_area;
    Vector2 m_goal{0, 0};
    Vector2 m_velocity{0, 0};
    Float m_time = 0;
    Bool m_arrived = false;
    // The goal from the ground's origin, which slides with the farm.
    Vector2 m_groundGoal{0, 0};
};
