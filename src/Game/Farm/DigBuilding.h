#pragma once
#include "Game/Game.h"
#include "Game/Upgrade.h"
#include "Ui/View.h"
#include "engine/Singleton.h"

// The building where the worker takes the spade to plough.
// Not filled in yet: the game makes it, and it shows nothing.
class cDigBuilding : public cView, public cUpgrade, public cViewSingleton<cDigBuilding> {
public:
    explicit cDigBuilding(cView* _parent) : cView(_parent), cUpgrade(cGame::DIG_BUILDING, 34) {}

    void updateUpgrade() override {}
    void updateInstrumentView() {}
};
