#pragma once
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
};
