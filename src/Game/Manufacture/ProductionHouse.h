#pragma once
#include "Game/Upgrade.h"
#include "Ui/View.h"

// A production building in one of the twenty slots of the production screen.
// Not filled in yet: none is ever built, so none is ever selected.
class cProductionHouse : public cView, public cUpgrade {
public:
    cProductionHouse(UInt _type, UInt _slot, cView* _parent) : cView(_parent), cUpgrade(_type, _slot) {}

    void updateUpgrade() override {}
};
