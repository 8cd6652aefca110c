#include "Game/Awards/AwardQuery.h"

#include "Game/Contracts/ContractAim.h"
#include "Game/Contracts/ContractFail.h"
#include "Game/Contracts/ContractPassConfirm.h"
#include "Game/Contracts/ContractProvide.h"
#include "Game/Farm/Seeds/BuySeeds.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Manufacture/BuyBuilding.h"

namespace {

template <class T>
Bool isShown()
{
    const T* view = T::getInstance();
    return view && view->isVisible();
}

} // namespace

// A slot's level is -1 from the purchase until the building is first put down, and stays at
// 0 or above from then on, saved games included.
UInt cGameAwardQuery::getBuiltDepotCount() const
{
    UInt count = 0;
    for (UInt slot = 0; slot < key::SLOT_COUNT; ++slot)
        if (key::SlotUpgrade[slot] >= 0)
            ++count;
    return count;
}

UInt cGameAwardQuery::getQtyOfKind(UInt _kind) const
{
    return _kind < key::PRODUCT_COUNT ? key::MGoodCount[_kind] : 0;
}

Bool cGameAwardQuery::isGameHeld() const
{
    const cGame* game = cGame::getInstance();
    if (!game || !game->isEnabled() || !game->isAbsoluteEnabled())
        return true;
    cGameMenu* menu = cGameMenu::getInstance();
    return menu && (menu->getEnableHold().isHeld() || menu->getAbsoluteHold().isHeld());
}

Bool cGameAwardQuery::isScreenSliding() const
{
    return cGameMenu::isAnyScreenSliding();
}

Bool cGameAwardQuery::isDialogOpen() const
{
    return isShown<cContractProvide>() || isShown<cContractFail>() || isShown<cContractPassConfirm>() ||
           isShown<cBuySeeds>() || isShown<cBuyBuilding>() || isShown<cContractAim>();
}
