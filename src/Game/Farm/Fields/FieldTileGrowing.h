#pragma once
#include "Game/Task.h"
#include "engine/Types.h"

class cFarmFieldTile;

// A growing crop (or grass). It grows at its own speed while it has what it needs; without
// water (and, for a crop, fertility) it wilts back to its not-grow frame and gives the lost
// growth back in time. Ripe, it turns to the ripe state, or dies when it is dry or doomed.
class cFieldTileGrowing : public cTask {
public:
    // The slowest and fastest a field grows against the crop's growing time.
    static constexpr Float MIN_SPEED = 0.9f;
    static constexpr Float SPEED_SPREAD = 0.2f;
    // The tutorial's fast growth.
    static constexpr Float FAST_FACTOR = 10.0f;

    cFieldTileGrowing(cFarmFieldTile* _tile, Float _time);

    void onStart() override;
    Bool onProcess() override;
    void onEnd() override;

    Float getSpeed() const { return m_speed; }
    Float getGap() const { return m_gap; }

    // The growing look's clock after _elapsed seconds of growth: each stage plays in turn and
    // a pause of _gap seconds follows the first two, so the last frame comes exactly when the
    // growth is complete.
    static Float growthClock(Float _elapsed, const Float (&_stages)[3], Float _gap);
    // The growth time at which the look's clock first reaches _clock.
    static Float elapsedForClock(Float _clock, const Float (&_stages)[3], Float _gap);

private:
    // One frame of growth; true when ripe.
    Bool grow(Float _step);
    void wilt(Float _step);
    void runTutorial();

    cFarmFieldTile* m_tile;
    Float m_time;
    Float m_gap = 0;
    Float m_speed = 1;
};
