#pragma once
#include "Game/Task.h"
#include "engine/Types.h"

class cFarmFieldTile;

// A ripe field: it waits for the harvest, and ends when it is harvested, ploughed over or runs
// dry, or when a doomed crop dies.
class cFieldTileGrowUp : public cTask {
public:
    explicit cFieldTileGrowUp(cFarmFieldTile* _tile);

    void onStart() override;
    Bool onProcess() override;
    void onEnd() override;

private:
    // The lesson's first step: fetch the scythe for the ripe grass.
    void startScytheTip();

    cFarmFieldTile* m_tile;
};
