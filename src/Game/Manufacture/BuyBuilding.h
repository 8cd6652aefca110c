#pragma once
#include "Game/SwitchHold.h"
#include "Ui/View.h"
#include "engine/Singleton.h"

// The panel from which production buildings are bought.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cBuyBuilding : public cView, public cViewSingleton<cBuyBuilding> {
public:
    explicit cBuyBuilding(cView* _parent) : cView(_parent) {}

    // A tutorial tip holds the panel off while it is shown.
    cSwitchHold& getEnableHold() { return m_enableHold; }

private:
    cSwitchHold m_enableHold{*this, cSwitchHold::ENABLE};
};
