#pragma once
#include "Game/Game.h"
#include "Game/Upgrade.h"
#include "Ui/View.h"
#include "engine/Singleton.h"

// The building where the worker takes the scythe to harvest.
// Not filled in yet: the game makes it, and it shows nothing.
class cMowBuilding : public cView, public cUpgrade, public cViewSingleton<cMowBuilding> {
public:
    explicit cMowBuilding(cView* _parent) : cView(_parent), cUpgrade(cGame::MOW_BUILDING, 31) {}

    void updateUpgrade() override {}
    void updateInstrumentView() {}
};
