#pragma once
#include "Game/Game.h"
#include "Game/Upgrade.h"
#include "Ui/View.h"
#include "engine/Singleton.h"

// The farm's warehouse: every good that enters or leaves the game's stock passes through it.
// Not filled in yet: the game makes it, and it shows nothing.
class cWareHouse : public cView, public cUpgrade, public cViewSingleton<cWareHouse> {
public:
    explicit cWareHouse(cView* _parent) : cView(_parent), cUpgrade(cGame::WARE_HOUSE, 32) {}

    void updateUpgrade() override {}

    // Stores what fits and answers how much that was: nothing yet.
    UInt addGoods(UInt /*_type*/, UInt /*_count*/, Bool /*_updateMarket*/, Bool /*_first*/) { return 0; }
};
