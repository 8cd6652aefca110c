#include "Game/Game.h"

#include "engine/logs/ErrorStack.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GameMenu.h"

namespace {

constexpr Int CHEAT_MONEY = 1000;
constexpr UInt CHEAT_LEVEL = 3;
// The water source has no level 3 to offer.
constexpr UInt CHEAT_WATER_LEVEL = 2;
constexpr UInt CHEAT_GOODS = 2;

} // namespace

void cGame::cheatAddMoney()
{
    GUARD_BEGIN
    addMoney(CHEAT_MONEY);
    GUARD_END("void cGame::cheatAddMoney()")
}

void cGame::cheatAddUpgrades()
{
    GUARD_BEGIN
    for (UInt item = 0; item < UPGRADE_ITEM_COUNT; ++item)
        key::upgradeAvail(item) = item == WATER_SOURCE ? CHEAT_WATER_LEVEL : CHEAT_LEVEL;
    updateUpgradeControls();
    if (cGameMenu* menu = cGameMenu::getInstance())
        menu->updateManufactureButton();
    GUARD_END("void cGame::cheatAddUpgrades()")
}

void cGame::cheatAddSeeds()
{
    for (UInt crop = 0; crop < CULTIVATION_COUNT; ++crop)
        key::SeedAvail[crop] = 1;
}

void cGame::cheatAddProduction(cView* /*_caller*/)
{
    GUARD_BEGIN
    if (cWareHouse* warehouse = cWareHouse::getInstance())
        for (UInt kind = 0; kind < OVERALL_PROD_COUNT; ++kind)
            warehouse->addGoods(kind, CHEAT_GOODS, true, false);
    if (cGameMenu* menu = cGameMenu::getInstance())
        menu->updateMarketButton();
    GUARD_END("void cGame::cheatAddProduction(cView* _caller)")
}
