#pragma once
#include "Game/Task.h"
#include "engine/Types.h"

class cFarmFieldTile;

// A dying crop: its growth plays backwards to the first frame, then the field is bare grass.
class cFieldTileDie : public cTask {
public:
    explicit cFieldTileDie(cFarmFieldTile* _tile);

    void onStart() override;
    Bool onProcess() override;
    void onEnd() override;

private:
    cFarmFieldTile* m_tile;
    // Animation seconds per second.
    Float m_speed = 0;
};
