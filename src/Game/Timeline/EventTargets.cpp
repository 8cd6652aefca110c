#include "Game/Timeline/EventTargets.h"

#include "Game/Farm/Buildings/DigBuilding.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Buildings/MowBuilding.h"
#include "Game/Farm/Buildings/WareDetail.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Farm/Water/WaterSource.h"
#include "Game/Game.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Manufacture/ProductionHouse.h"
#include "Game/Market/Market.h"

namespace {

Bool onView(const cView* _view)
{
    return _view && _view->isVisible() && _view->isEnabled();
}

void keepLevel(cUpgrade* _upgrade)
{
    if (_upgrade)
        _upgrade->setUpgrade(_upgrade->getUpgrade(), false);
}

} // namespace

void cGameEventTargets::addNote(const WString& _note)
{
    if (cGameMenu* menu = cGameMenu::getInstance())
        menu->addNote(_note, false);
}

void cGameEventTargets::setMoney(Int _money)
{
    cGame::setMoney(_money);
}

Bool cGameEventTargets::haveLetterRoom()
{
    cFarm* farm = cFarm::getInstance();
    return farm && farm->haveLetterRoom();
}

void cGameEventTargets::addLetter(sContractEvent* _event)
{
    if (cFarm* farm = cFarm::getInstance())
        farm->addLetter(_event);
}

void cGameEventTargets::destroyFields(Int _count, Float _randomFactor)
{
    if (cFarm* farm = cFarm::getInstance())
        farm->destroyFields(_count, _randomFactor);
}

void cGameEventTargets::setFieldsUpgradeAvail(Int _level)
{
    if (cFarm* farm = cFarm::getInstance())
        farm->setFieldsUpgradeAvail(_level);
}

void cGameEventTargets::updateSeedsButton()
{
    if (cFarm* farm = cFarm::getInstance())
        farm->updateSeedsButton();
}

void cGameEventTargets::refreshMarketLines()
{
    cMarket* market = cMarket::getInstance();
    if (onView(market))
        market->updateProductStatus();
}

void cGameEventTargets::refreshWareDetail()
{
    cWareDetail* detail = cWareDetail::getInstance();
    if (onView(detail))
        detail->updateWareInfo();
}

void cGameEventTargets::onChangeEffectivePrice()
{
    if (cMarket* market = cMarket::getInstance())
        market->onChangeEffectivePrice();
}

void cGameEventTargets::refreshUpgradeItem(UInt _item)
{
    switch (_item) {
    case cGame::MOW_BUILDING: keepLevel(cMowBuilding::getInstance()); return;
    case cGame::WARE_HOUSE: keepLevel(cWareHouse::getInstance()); return;
    case cGame::WATER_SOURCE: keepLevel(cWaterSource::getInstance()); return;
    case cGame::DIG_BUILDING: keepLevel(cDigBuilding::getInstance()); return;
    default: break;
    }
    cManufacture* manufacture = cManufacture::getInstance();
    cProductionHouse* house = manufacture ? manufacture->getSelected() : nullptr;
    if (!house)
        return;
    keepLevel(house);
    manufacture->selectDepot(nullptr, true);
    manufacture->selectDepot(house, true);
}

void cGameEventTargets::updateMenuButtons()
{
    if (cGameMenu* menu = cGameMenu::getInstance()) {
        menu->updateManufactureButton();
        menu->updateMarketButton();
    }
}
