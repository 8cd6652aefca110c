#include "Game/Contracts/ContractClock.h"

#include <algorithm>
#include <cmath>

void cContractClock::start(Float _total, Float _left)
{
    m_total = std::isfinite(_total) ? std::max(0.0f, _total) : 0.0f;
    m_left.setSeconds(std::isfinite(_left) ? std::clamp(_left, 0.0f, m_total) : m_total);
    m_fraction = 0;
}

Bool cContractClock::step(Float _dt)
{
    if (_dt > 0)
        m_fraction += _dt;
    if (m_fraction < 1.0f)
        return false;
    m_fraction -= 1.0f;
    if (m_left.seconds > 0) {
        --m_left.seconds;
    } else if (m_left.minutes > 0) {
        --m_left.minutes;
        m_left.seconds = 59;
    } else if (m_left.hours > 0) {
        --m_left.hours;
        m_left.minutes = 59;
        m_left.seconds = 59;
    }
    return true;
}

Float cContractClock::getPercent() const
{
    return m_total > 0 ? getLeft() / m_total * 100.0f : 0.0f;
}
