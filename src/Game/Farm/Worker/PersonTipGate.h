#pragma once
#include "engine/Types.h"

// A tutorial hint that should not nag: it fires only on the third attempt within a few
// seconds of the one before.
class cPersonTipGate {
public:
    static constexpr Float WINDOW = 3;
    static constexpr UInt ATTEMPTS = 2;

    // One attempt at _now (seconds); true when the hint may show.
    Bool attempt(Float _now);

private:
    Float m_last = -1;
    UInt m_attempts = 0;
};
