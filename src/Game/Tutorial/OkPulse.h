#pragma once
#include "engine/Types.h"

class cControl;

// A button swelling once and settling back, to draw the eye to it: the answer a tip that holds
// the game gives a click that missed its Ok.
class cOkPulse {
public:
    static constexpr Float LENGTH = 0.5f;
    // How much larger the button is at the height of the pulse.
    static constexpr Float SWELL = 0.25f;

    explicit cOkPulse(cControl* _button) : m_button(_button) {}

    // From the start again; the size the button has when no pulse runs is kept.
    void start();
    // Advances by _dt seconds; the button is back at its size when the pulse ends.
    void step(Float _dt);
    // Back at its size at once.
    void stop();
    Bool isRunning() const { return m_left > 0; }

private:
    cControl* m_button;
    Vector2 m_size;
    Float m_left = 0;
};
