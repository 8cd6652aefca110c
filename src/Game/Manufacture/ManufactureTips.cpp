// The tutorial's steps on the production screen.
#include "Game/Manufacture/Manufacture.h"

#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Game.h"
#include "Game/Manufacture/ProductionHouse.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/texts/PriceText.h"
#include "Ui/boxes/ScrollBox.h"
#include "engine/logs/ErrorStack.h"

namespace {

constexpr eTips TIP_WELCOME = 31;
constexpr eTips TIP_BUILD = 32;
constexpr eTips TIP_DESTROY = 33;
constexpr eTips TIP_FREE_UPGRADE = 34;
constexpr eTips TIP_LOAD_GAUGE = 38;
constexpr eTips TIP_LOAD_UNIT = 48;

// The tip asks the player to load a unit: the warehouse must hold one, and makes room for it
// by giving up one unit of the lowest kind it stocks.
void provideInput(UInt _kind)
{
    cWareHouse* ware = cWareHouse::getInstance();
    if (!ware || ware->getGoodCount(_kind) > 0)
        return;
    if (ware->getFreeSpace() == 0)
        for (UInt kind = 0; kind < OVERALL_PROD_COUNT; ++kind)
            if (ware->getGoodCount(kind) > 0) {
                ware->removeGoods(kind, 1, true, false);
                break;
            }
    ware->addGoods(_kind, 1, true, false);
}

} // namespace

void cManufacture::selectFirstBuilt()
{
    for (cProductionHouse* house : m_slots)
        if (house && house->isBuilt()) {
            selectDepot(house, false);
            house->showPanel();
            return;
        }
}

Bool cManufacture::hasFreeSlot() const
{
    for (UInt slot = 0; slot < SLOT_COUNT; ++slot)
        if (!m_slots[slot])
            return true;
    return false;
}

void cManufacture::process()
{
    GUARD_BEGIN
    if (!getSlide().isMoving())
        startTips();
    cMovableBack::process();
    GUARD_END("void cManufacture::process()")
}

void cManufacture::startTips()
{
    cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (!tutorial)
        return;
    if (tutorial->canRunTip(TIP_WELCOME)) {
        tutorial->runCommonHelpTip(TIP_WELCOME, nullptr);
        return;
    }
    if (tutorial->canRunTip(TIP_BUILD)) {
        tutorial->runActionTip(TIP_BUILD, m_buildButton);
        return;
    }
    // The building lesson goes on with the building it stood at, chosen again after a return.
    if (!m_selected && (tutorial->canRunTip(TIP_LOAD_GAUGE) || tutorial->canRunTip(TIP_LOAD_UNIT) ||
                        tutorial->canRunTip(TIP_FREE_UPGRADE)))
        selectFirstBuilt();
    if (!m_selected)
        return;
    if (tutorial->canRunTip(TIP_LOAD_GAUGE)) {
        tutorial->runArrowHelpTip(TIP_LOAD_GAUGE, m_selected->getLoaded());
    } else if (tutorial->canRunTip(TIP_LOAD_UNIT)) {
        provideInput(m_selected->getInputKind());
        // Loading is the button beside the gauge, one unit a click.
        tutorial->runActionTip(TIP_LOAD_UNIT, m_selected->getAddDepotButton());
    } else if (tutorial->canRunTip(TIP_FREE_UPGRADE) &&
               tutorial->getTipChance(TIP_FREE_UPGRADE) != cTutorialManager::TIP_LATER) {
        // Without a next level on sale yet the tip waits for it; a workshop upgraded already
        // leaves it nothing to give, and it is passed over.
        tutorial->runActionTip(TIP_FREE_UPGRADE, m_upgradeButton);
        if (tutorial->isCurrentTip(TIP_FREE_UPGRADE))
            selectDepot(m_selected, false);
    } else if (tutorial->canRunTip(TIP_DESTROY) && !hasFreeSlot()) {
        // Taking a workshop down makes room: a newcomer with room to spare is not asked to
        // pull down the only workshop just built.
        tutorial->runActionTip(TIP_DESTROY, m_destroyButton);
    }
}
