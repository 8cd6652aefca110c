#pragma once
#include "Game/Timeline/TimeObject.h"

// The time a running contract has left, counted down in whole game seconds: at most one
// second a frame, however long the frame, so a slow frame never skips the hand-over offer.
class cContractClock {
public:
    // _total seconds allowed, _left of them still to run (both clamped to 0).
    void start(Float _total, Float _left);
    // Adds _dt to the fraction of a second; answers whether a second was taken off.
    Bool step(Float _dt);

    Float getTotal() const { return m_total; }
    Float getLeft() const { return m_left.toSeconds(); }
    // 0 to 100; 0 when no time was allowed at all.
    Float getPercent() const;
    Bool isOver() const { return getLeft() <= 0.0f; }
    // "mm:ss", the hours left out.
    WString getText() const { return m_left.toString(true); }

private:
    sTimeObject m_left;
    Float m_total = 0;
    Float m_fraction = 0;
};
