#pragma once
#include "Game/SwitchHold.h"
#include "Ui/View.h"
#include "engine/Singleton.h"

// The bar that stays on screen during a game: screen switches, money, journal, warehouse
// gauge and running contracts; its absolute pass is the game clock.
// Not filled in yet: the game makes it and calls its refreshes, which have nothing to show.
class cGameMenu : public cView, public cViewSingleton<cGameMenu> {
public:
    explicit cGameMenu(cView* _parent) : cView(_parent) {}

    void updateMoneyText() {}
    void updateManufactureButton() {}
    void updateMarketButton() {}
    void showFarmFast() {}

    // The game clock stands while a tutorial action tip waits for the player.
    void setHold(Bool _hold) { m_hold = _hold; }
    Bool getHold() const { return m_hold; }
    // Whoever must stop the bar (a dialog, a tutorial tip, the build panel) holds it off here,
    // never by switching it directly.
    cSwitchHold& getEnableHold() { return m_enableHold; }
    cSwitchHold& getAbsoluteHold() { return m_absoluteHold; }

private:
    Bool m_hold = false;
    cSwitchHold m_enableHold{*this, cSwitchHold::ENABLE};
    cSwitchHold m_absoluteHold{*this, cSwitchHold::ABSOLUTE_ENABLE};
};
