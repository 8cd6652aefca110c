#include "Game/Game.h"

#include "engine/resources/Channel.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "Game/Farm/Buildings/DigBuilding.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Buildings/MowBuilding.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Farm/Water/WaterSource.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/GameMenu/MoneySum.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Manufacture/ProductionHouse.h"
#include "Game/Market/Market.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/texts/FlyText.h"

#include <algorithm>
#include <string>

namespace {

constexpr Float EARNINGS_WINDOW = 60.0f;
constexpr UInt EARNINGS_AWARD = 1000;
// The upgrade is free while this tip shows it, and the panel must not be rebuilt under it.
constexpr UInt TIP_FREE_UPGRADE = 34;

// The level stays and no sound plays: the building's upgrade control follows the money.
void refreshUpgrade(cUpgrade* _upgrade)
{
    if (_upgrade)
        _upgrade->setUpgrade(_upgrade->getUpgrade(), false);
}

cUpgrade* farmBuildingOf(UInt _item)
{
    switch (_item) {
    case cGame::MOW_BUILDING: return cMowBuilding::getInstance();
    case cGame::WARE_HOUSE: return cWareHouse::getInstance();
    case cGame::WATER_SOURCE: return cWaterSource::getInstance();
    case cGame::DIG_BUILDING: return cDigBuilding::getInstance();
    default: return nullptr;
    }
}

void refreshSelectedDepot()
{
    cManufacture* manufacture = cManufacture::getInstance();
    cProductionHouse* house = manufacture ? manufacture->getSelected() : nullptr;
    if (!house)
        return;
    refreshUpgrade(house);
    cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (tutorial && tutorial->isCurrentTip(TIP_FREE_UPGRADE))
        return;
    manufacture->selectDepot(nullptr, true);
    manufacture->selectDepot(house, false);
}

} // namespace

Int cGame::getMoney()
{
    return key::Money();
}

void cGame::setMoney(Int _money)
{
    GUARD_BEGIN
    const Int old = key::Money();
    const Int stored = std::max(_money, 0);
    key::Money() = stored;
    updateUpgradeControls();
    if (cGameMenu* menu = cGameMenu::getInstance())
        menu->updateMoneyText();
    // Their upgrade buttons are enabled by what the purse now holds.
    for (cUpgrade* building : {static_cast<cUpgrade*>(cDigBuilding::getInstance()),
             static_cast<cUpgrade*>(cMowBuilding::getInstance()), static_cast<cUpgrade*>(cWareHouse::getInstance()),
             static_cast<cUpgrade*>(cWaterSource::getInstance())})
        refreshUpgrade(building);
    if (cFarm* farm = cFarm::getInstance())
        farm->updateUpgradeButton();
    // Both amounts are 0 or more, so either difference fits.
    if (cGame* game = getInstance()) {
        if (old > stored)
            game->startFlyExpense(UInt(old - stored));
        else if (old < stored)
            game->startFlyIncome(UInt(stored - old));
    }
    GUARD_END("void cGame::setMoney(Int _money)")
}

void cGame::addMoney(LongLong _amount)
{
    setMoney(moneyPlus(getMoney(), _amount));
}

void cGame::startFlyExpense(UInt _money)
{
    m_expenseFlight.fly(this, _money);
}

void cGame::startFlyIncome(UInt _money)
{
    m_incomeFlight.fly(this, _money);
}

void cGame::startFlyProduct(UInt _type)
{
    cMarket* market = cMarket::getInstance();
    if (_type >= OVERALL_PROD_COUNT || !market)
        return;
    // The goods rise among the stall's controls, which are hidden while the market slides and
    // left behind with it. A flight the player cannot see would never move on, and never end.
    cControl* stall = market->getContent();
    if (stall->isVisible() && stall->isEffectivelyEnabled())
        startFly(stall, "UI/FlyProductExpence.xml", u"1", &m_products[_type].Icon);
}

void cGame::startFly(cView* _parent, const char* _xml, const WString& _text, const cState* _icon)
{
    GUARD_BEGIN
    // It discards itself when it has flown, or goes with its parent.
    cFlyText* fly = new cFlyText(_parent, _xml);
    fly->setString(_text);
    if (_icon)
        fly->setIcon(*_icon);
    GUARD_END("void cGame::startFly(cView* _parent, const char* _xml, const WString& _text, const cState* _icon)")
}

void cGame::addEarnedFromMarket(UInt _money, Float _time)
{
    // The times are of a clock of play, which never goes back. One that did (an earlier build
    // timed sales by the game clock, which the time-line's loop sets back) tells nothing of how
    // long ago the sales kept were: none of them is known to be of the last minute. Without
    // this, every sale after a loop would stay in the window for good.
    if (!m_earnings.empty() && _time < m_earnings.back().time)
        clearEarnings();
    m_earnedWindowStart = _time - EARNINGS_WINDOW;
    while (!m_earnings.empty() && m_earnings.front().time < m_earnedWindowStart) {
        m_earnedSum -= m_earnings.front().money;
        m_earnings.pop_front();
    }
    // Sales of one moment are one entry: the window holds at most one a frame.
    if (!m_earnings.empty() && m_earnings.back().time == _time)
        m_earnings.back().money += _money;
    else
        m_earnings.push_back({_time, _money});
    m_earnedSum += _money;
    if (m_earnedSum >= EARNINGS_AWARD)
        key::awEarn() = true;
}

void cGame::clearEarnings()
{
    m_earnings.clear();
    m_earnedSum = 0;
}

void cGame::updateUpgradeControls()
{
    GUARD_BEGIN
    // Every production kind shares the one selected building: it is refreshed once.
    refreshSelectedDepot();
    for (UInt item = MOW_BUILDING; item < UPGRADE_ITEM_COUNT; ++item)
        refreshUpgrade(farmBuildingOf(item));
    GUARD_END("void cGame::updateUpgradeControls()")
}

void cGame::playUpgradeSound()
{
    GUARD_BEGIN
    m_upgradeChannel.reset();
    cSoundManager* sound = cSoundManager::getInstance();
    if (m_upgradeSound && sound)
        m_upgradeChannel.reset(sound->playSound(m_upgradeSound.get(), false, true));
    GUARD_END("void cGame::playUpgradeSound()")
}
