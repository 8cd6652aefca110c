#pragma once
#include "engine/Types.h"

// A tutorial hint that should not nag: it fires only on the third attempt within a few
// seconds of the one before, and once it has fired it rests: the same trouble brings it back
// only after a pause long enough to have read it, another trouble sooner.
class cPersonTipGate {
public:
    static constexpr Float WINDOW = 3;
    static constexpr UInt ATTEMPTS = 2;
    static constexpr Float REST = 30;

    // One attempt at _now (seconds) about _trouble (what the hint would speak of); true when
    // the hint may show.
    Bool attempt(Float _now, UInt _trouble = 0);

private:
    Float m_last = -1;
    UInt m_attempts = 0;
    Float m_fired = -1;
    UInt m_firedTrouble = 0;
};
