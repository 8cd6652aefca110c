#pragma once
#include "Game/SwitchHold.h"
#include "Ui/View.h"
#include "engine/Singleton.h"

// The seed shop panel.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cBuySeeds : public cView, public cViewSingleton<cBuySeeds> {
public:
    explicit cBuySeeds(cView* _parent) : cView(_parent) {}

    // A tutorial tip holds the panel off while it is shown.
    cSwitchHold& getEnableHold() { return m_enableHold; }

private:
    cSwitchHold m_enableHold{*this, cSwitchHold::ENABLE};
};
