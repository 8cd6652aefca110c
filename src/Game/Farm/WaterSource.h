#pragma once
#include "Game/Game.h"
#include "Game/Upgrade.h"
#include "Ui/View.h"
#include "engine/Singleton.h"

// Where the worker fills the can or works with the hose.
// Not filled in yet: the game makes it, and it shows nothing.
class cWaterSource : public cView, public cUpgrade, public cViewSingleton<cWaterSource> {
public:
    explicit cWaterSource(cView* _parent) : cView(_parent), cUpgrade(cGame::WATER_SOURCE, 33) {}

    void updateUpgrade() override {}
    // Shows the can at the source, or not, by what the worker carries.
    void updateInstrumentView() {}
};
