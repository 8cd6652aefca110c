#pragma once
#include "engine/Types.h"

class cControl;
class cView;
class iXML;

// A straight move at a constant speed, advanced by frame time. The last step lands exactly
// on the end, whatever remains of the time.
class cSlide {
public:
    enum eMode : Int {
        MODE_IDLE = 0,
        MODE_OUT = 1,   // the view hides at the end
        // any other value slides in: the view stays shown
    };

    static constexpr Float DEFAULT_SPEED = 2400.0f;

    // Mode 0 only stops the move where it is. Otherwise the move starts afresh at _from.
    void start(Int _mode, const Vector2& _from, const Vector2& _to);
    // One frame of _frameTime seconds from _position; true when the move ended: _position is
    // then the end, and the slide is idle again, so whatever the end sets off may start the
    // next one.
    Bool advance(Float _frameTime, Vector2& _position);

    // Units per second. A speed not above zero would never arrive, and would leave the view
    // disabled for good: it is refused.
    void setMoveSpeed(Float _speed);
    Float getMoveSpeed() const { return m_moveSpeed; }

    Int getMode() const { return m_moveMode; }
    Bool isMoving() const { return m_moveMode != MODE_IDLE; }
    const Vector2& getFrom() const { return m_from; }
    const Vector2& getTo() const { return m_to; }
    const Vector2& getVelocity() const { return m_velocity; }
    Float getTimeLeft() const { return m_timeLeft; }

private:
    Vector2 m_from{0, 0};
    Vector2 m_to{0, 0};
    Int m_moveMode = MODE_IDLE;
    Vector2 m_velocity{0, 0};
    Float m_moveSpeed = DEFAULT_SPEED;
    Float m_timeLeft = 0;
};

// Reads "MoveSpeed" of _xml into _slide; a missing or unreadable one keeps the speed.
void loadMoveSpeed(iXML* _xml, cSlide& _slide);

// The frame time, or nothing without a timer.
Float getSlideFrameTime();

// A bare control under _parent that carries the working controls of a sliding view: shown,
// enabled and absolutely enabled, and itself invisible.
cControl* makeSlideContent(cView* _parent);
