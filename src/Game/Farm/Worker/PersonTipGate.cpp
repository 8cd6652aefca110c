#include "Game/Farm/Worker/PersonTipGate.h"

Bool cPersonTipGate::attempt(Float _now)
{
    if (m_last >= 0 && _now - m_last < WINDOW && ++m_attempts >= ATTEMPTS) {
        m_attempts = 0;
        m_last = _now;
        return true;
    }
    m_last = _now;
    return false;
}
