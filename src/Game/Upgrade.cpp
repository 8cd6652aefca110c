#include "Game/Upgrade.h"

#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/TextConvert.h"
#include "engine/files/XML.h"

#include <algorithm>

Int cUpgrade::getUpgrade() const
{
    GUARD_BEGIN
    return key::upgradeLevel(m_index);
    GUARD_END("Int cUpgrade::getUpgrade()")
}

Int cUpgrade::getUpgradesCost() const
{
    GUARD_BEGIN
    const cGame* game = cGame::getInstance();
    const Int level = std::min(getUpgrade(), Int(MAX_LEVELS));
    LongLong sum = 0;
    for (Int k = 1; game && k < level; ++k)
        sum += game->getUpgradeCost(cGame::eUpgradeItem(m_item), UInt(k));
    return Int(std::min<LongLong>(sum, 0x7FFFFFFF));
    GUARD_END("Int cUpgrade::getUpgradesCost()")
}

Bool cUpgrade::canUpgrade(Bool _checkMoney, Bool _checkAvail) const
{
    GUARD_BEGIN
    const Int next = getUpgrade() + 1;
    if (_checkAvail && Int(key::upgradeAvail(m_item)) < next)
        return false;
    if (!_checkMoney)
        return true;
    cGame* game = cGame::getInstance();
    if (!game)
        throw "Game not created.";
    const UInt cost = game->getUpgradeCost(cGame::eUpgradeItem(m_item), UInt(next));
    return LongLong(cGame::getMoney()) >= LongLong(cost);
    GUARD_END("Bool cUpgrade::canUpgrade(Bool _checkMoney, Bool _checkAvail)")
}

void cUpgrade::setUpgrade(UInt _level, Bool _playSound)
{
    GUARD_BEGIN
    // Clamping into no levels at all would make the building unbuilt.
    if (m_levelCount > 0) {
        const Int level = std::min(Int(_level), Int(m_levelCount) - 1);
        if (level != getUpgrade()) {
            key::upgradeLevel(m_index) = level;
            cGame* game = cGame::getInstance();
            if (_playSound && game)
                game->playUpgradeSound();
        }
    }
    updateUpgrade();
    GUARD_END("void cUpgrade::setUpgrade(UInt _upgrade)")
}

void cUpgrade::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    iXML* upgrades = nullptr;
    if (!_xml_doc->get("Upgrades", upgrades))
        return;
    m_levelCount = 0;
    const UInt count = std::min(upgrades->getNodeCount(), MAX_LEVELS);
    for (UInt i = 0; i < count; ++i) {
        iXML* level = nullptr;
        // A level left out is passed over; the count is of the levels found.
        if (!upgrades->get(makeKey("Up", i), level))
            continue;
        loadUpgrade(i, level);
        ++m_levelCount;
    }
    GUARD_END("void cUpgrade::loadXML(iXML* xml_doc)")
}
