#pragma once
#include "Game/Farm/Worker/PersonMoveBasic.h"

// A vehicle drives only along the axes: one straight leg when the goal is nearly in line,
// else up or down first and then sideways, so the side-facing hot spot ends on the goal.
class cPersonMoveTech : public cPersonMoveBasic {
public:
    // Closer than this in one axis counts as in line.
    static constexpr Float IN_LINE = 10;

    explicit cPersonMoveTech(cActionArea* _area) : cPersonMoveBasic(_area) {}

    void onStart() override;
    Bool onProcess() override;

    Bool isOneLeg() const { return m_oneLeg; }
    Float getVerticalTime() const { return m_verticalTime; }
    Float getHorizontalTime() const { return m_horizontalTime; }

private:
    void startStraight(const Vector2& _facing);
    Bool step(Float& _time, const Vector2& _velocity, Float _dt);

    Bool m_oneLeg = true;
    Float m_horizontalTime = 0;
    Vector2 m_horizontalVelocity{0, 0};
    Float m_verticalTime = 0;
    Vector2 m_verticalVelocity{0, 0};
};
