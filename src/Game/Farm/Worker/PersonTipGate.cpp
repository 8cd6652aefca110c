#include "Game/Farm/Worker/PersonTipGate.h"

Bool cPersonTipGate::attempt(Float _now, UInt _trouble)
{
    const Bool quick = m_last >= 0 && _now - m_last < WINDOW;
    m_last = _now;
    if (!quick || ++m_attempts < ATTEMPTS)
        return false;
    m_attempts = 0;
    if (m_fired >= 0 && _now - m_fired < REST && _trouble == m_firedTrouble)
        return false;
    m_fired = _now;
    m_firedTrouble = _trouble;
    return true;
}
