#include "Game/Tutorial/OkPulse.h"

#include "Ui/controls/Control.h"

#include <algorithm>
#include <cmath>

void cOkPulse::start()
{
    if (!isRunning())
        m_size = m_button->getSize();
    m_left = LENGTH;
}

void cOkPulse::step(Float _dt)
{
    if (!isRunning())
        return;
    m_left = std::max(0.0f, m_left - _dt);
    if (!isRunning()) {
        stop();
        return;
    }
    // Half a sine: up and down again in one smooth swell.
    const Float swell = 1.0f + SWELL * std::sin(3.14159265f * (LENGTH - m_left) / LENGTH);
    m_button->setSize(Vector2(m_size.x * swell, m_size.y * swell));
}

void cOkPulse::stop()
{
    if (m_size != Vector2(0, 0))
        m_button->setSize(m_size);
    m_left = 0;
}
