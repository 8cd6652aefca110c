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

    // No level data is read yet: the warehouse holds nothing and has no room.
    UInt getCapacity() const { return 0; }
    UInt getFreeSpace() const { return 0; }
    UInt getGoodCount(UInt /*_type*/) const { return 0; }
    // Stores what fits and answers how much that was: nothing yet.
    UInt addGoods(UInt /*_type*/, UInt /*_count*/, Bool /*_updateMarket*/, Bool /*_first*/) { return 0; }
    // Takes what is there, up to the count, and answers how much that was: nothing yet.
    UInt removeGoods(UInt /*_type*/, UInt /*_count*/, Bool /*_updateMarket*/, Bool /*_first*/) { return 0; }
};
