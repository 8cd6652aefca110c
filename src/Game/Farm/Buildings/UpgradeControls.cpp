#include "Game/Farm/Buildings/UpgradeControls.h"

#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/TextMoney.h"
#include "Game/Game.h"
#include "Game/Upgrade.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/TextConvert.h"
#include "engine/files/XML.h"

#include <string>

cUpgradeControls::cUpgradeControls(cView* _parent, fButtonEvent _onClick)
    : m_button(new cButton(_parent)), m_costText(new cTextMoney(_parent))
{
    m_button->setOnClick(_onClick);
}

void cUpgradeControls::loadXML(iXML* _xml)
{
    GUARD_BEGIN
    iXML* child = nullptr;
    if (_xml->get("UpgradeButton", child))
        m_button->loadXML(child);
    if (_xml->get("CostText", child))
        m_costText->loadXML(child);
    GUARD_END("void cUpgradeControls::loadXML(iXML* _xml)")
}

void cUpgradeControls::update(const cUpgrade& _building)
{
    GUARD_BEGIN
    const Int level = _building.getUpgrade();
    const cGame* game = cGame::getInstance();
    if (level + 1 >= Int(_building.getLevelCount()) || !game) {
        // Nothing more to buy: a button left there would offer what does not exist, and a
        // hidden one would still take the presses meant for the building under it.
        m_costText->hide();
        m_button->hideAll();
        m_button->disable();
        return;
    }
    const UInt cost = game->getUpgradeCost(cGame::eUpgradeItem(_building.getItem()), UInt(level + 1));
    m_costText->setString(toWString(std::to_string(cost)));
    m_costText->show();
    m_button->show();
    if (_building.canUpgrade(true, true)) {
        m_button->enable();
        m_costText->enable();
        return;
    }
    m_button->disable();
    m_costText->disable();
    if (!_building.canUpgrade(false, true)) {
        m_button->hideAll();
        m_costText->hide();
    }
    GUARD_END("void cUpgradeControls::update(const cUpgrade& _building)")
}

void cUpgradeControls::pointTip(UInt _tip) const
{
    farm::runArrowTipAtButton(_tip, m_button);
}

Bool cUpgradeControls::buyNextLevel(cUpgrade& _building)
{
    GUARD_BEGIN
    // A level past the data has no price to ask.
    if (_building.getUpgrade() + 1 >= Int(_building.getLevelCount()) || !_building.canUpgrade(true, true))
        return false;
    const cGame* game = cGame::getInstance();
    const UInt next = UInt(_building.getUpgrade() + 1);
    cGame::setMoney(cGame::getMoney() - Int(game->getUpgradeCost(cGame::eUpgradeItem(_building.getItem()), next)));
    _building.setUpgrade(next, true);
    cGame::requestSave();
    return true;
    GUARD_END("Bool cUpgradeControls::buyNextLevel(cUpgrade& _building)")
}
