#pragma once
#include "Game/Task.h"
#include "engine/Types.h"

class cFarmFieldTile;

// Bare ploughed ground: grass comes back after its time, unless the field is sown first.
class cFieldTilePloughted : public cTask {
public:
    cFieldTilePloughted(cFarmFieldTile* _tile, Float _time);

    void onStart() override;
    Bool onProcess() override;
    void onEnd() override;

private:
    cFarmFieldTile* m_tile;
    // Seconds left until grass returns.
    Float m_time;
};
