#include "Game/Tutorial/TipQuery.h"

#include "Game/Contracts/ContractAim.h"
#include "Game/Contracts/ContractFail.h"
#include "Game/Contracts/ContractPassConfirm.h"
#include "Game/Contracts/ContractProvide.h"
#include "Game/Farm/Seeds/BuySeeds.h"
#include "Game/Farm/Letters/ContractLetterSlot.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/Letters/Journal.h"
#include "Game/Farm/Buildings/MowBuilding.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Farm/Water/WaterSource.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/Manufacture/BuyBuilding.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Manufacture/ProductionHouse.h"
#include "Game/Market/Market.h"
#include "Game/Awards/AwardManager.h"
#include "Ui/screens/MovableBack.h"
#include "Ui/screens/MovableUnion.h"

#include <iterator>

namespace {

template <class T>
cView* instance()
{
    return T::getInstance();
}

// The singleton behind each view a tip asks about, in the order of eView.
cView* (*const VIEWS[iTipQuery::VIEW_COUNT])() = {
    &instance<cFarm>,        &instance<cMarket>,  &instance<cManufacture>,
    &instance<cBuySeeds>,    &instance<cBuyBuilding>, &instance<cJournal>,
    &instance<cContractPassConfirm>, &instance<cContractAim>, &instance<cContractProvide>,
};

cView* viewOf(iTipQuery::eView _view)
{
    return _view < iTipQuery::VIEW_COUNT ? VIEWS[_view]() : nullptr;
}

// Screens slide whole; panels slide themselves.
const cSlide* slideOf(const cView* _view)
{
    if (const auto* screen = dynamic_cast<const cMovableBack*>(_view))
        return &screen->getSlide();
    if (const auto* panel = dynamic_cast<const cMovableUnion*>(_view))
        return &panel->getSlide();
    return nullptr;
}

template <class T>
Bool isShownView()
{
    const T* view = T::getInstance();
    return view && view->isVisible();
}

// A farm building both as a view and with its level.
struct sBuilding {
    cView* view = nullptr;
    const cUpgrade* upgrade = nullptr;
};

template <class T>
sBuilding building()
{
    T* found = T::getInstance();
    return {found, found};
}

// In the order of eBuilding.
sBuilding (*const BUILDINGS[])() = {&building<cWaterSource>, &building<cMowBuilding>, &building<cWareHouse>};

sBuilding buildingOf(iTipQuery::eBuilding _building)
{
    return _building < std::size(BUILDINGS) ? BUILDINGS[_building]() : sBuilding{};
}

iTipQuery::sField fieldOf(cFarmFieldTile* _tile)
{
    return {_tile, _tile->getWater(), _tile->getWaterCapacity(), UInt(_tile->getStatus())};
}

cProductionHouse* firstHouse()
{
    const cManufacture* screen = cManufacture::getInstance();
    if (!screen)
        return nullptr;
    std::vector<cProductionHouse*> houses;
    screen->getDepots(houses);
    return houses.empty() ? nullptr : houses.front();
}

} // namespace

Bool cGameTipQuery::exists(eView _view) const
{
    return viewOf(_view) != nullptr;
}

Bool cGameTipQuery::isShown(eView _view) const
{
    const cView* view = viewOf(_view);
    return view && view->isVisible();
}

Bool cGameTipQuery::isSliding(eView _view) const
{
    const cSlide* slide = slideOf(viewOf(_view));
    return slide && slide->isMoving();
}

Bool cGameTipQuery::isGameHeld() const
{
    const cGame* game = cGame::getInstance();
    if (!game || !game->isEnabled() || !game->isAbsoluteEnabled())
        return true;
    const cAwardManager* awards = cAwardManager::getInstance();
    if (awards && awards->getPresented())
        return true;
    return isShownView<cContractProvide>() || isShownView<cContractFail>() || isShownView<cContractPassConfirm>() ||
           isShownView<cContractAim>();
}

Float cGameTipQuery::getGameTime() const
{
    return key::GameTime();
}

Bool cGameTipQuery::isProductionComplete() const
{
    return key::TProdCompl();
}

std::vector<iTipQuery::sField> cGameTipQuery::getUpgradedFields() const
{
    std::vector<sField> fields;
    const cFarm* farm = cFarm::getInstance();
    if (!farm)
        return fields;
    FARM_FIELD_HOLDER tiles;
    farm->getUpgradedFieldList(tiles);
    for (cFarmFieldTile* tile : tiles)
        fields.push_back(fieldOf(tile));
    return fields;
}

Bool cGameTipQuery::getField(const cControl* _control, sField& _field) const
{
    const cFarm* farm = cFarm::getInstance();
    if (!farm || !_control)
        return false;
    for (cFarmFieldTile* tile : farm->getFields())
        if (tile == _control) {
            _field = fieldOf(tile);
            return true;
        }
    return false;
}

Bool cGameTipQuery::hasWorker() const
{
    return cPerson::exists();
}

UInt cGameTipQuery::getCarry() const
{
    return cPerson::getCarryState();
}

Int cGameTipQuery::getJob() const
{
    cPerson* worker = cPerson::getInstance();
    if (!worker)
        return -1;
    const UInt job = worker->getJob();
    return job == cPerson::NO_JOB ? -1 : Int(job);
}

Float cGameTipQuery::getCanWater() const
{
    return cPerson::getWaterLevel();
}

Bool cGameTipQuery::canBasketTakeMore() const
{
    return cPerson::exists() && cPerson::canCollectMore();
}

Int cGameTipQuery::getLevel(eBuilding _building) const
{
    const cUpgrade* upgrade = buildingOf(_building).upgrade;
    return upgrade ? upgrade->getUpgrade() : -1;
}

Float cGameTipQuery::getWaterSourceCapacity() const
{
    const cWaterSource* source = cWaterSource::getInstance();
    return source ? source->getCapacity() : -1;
}

cControl* cGameTipQuery::getControl(eBuilding _building) const
{
    cView* view = buildingOf(_building).view;
    return view ? view->asControl() : nullptr;
}

Int cGameTipQuery::getStock(UInt _kind) const
{
    const cWareHouse* warehouse = cWareHouse::getInstance();
    return warehouse ? Int(warehouse->getGoodCount(_kind)) : -1;
}

Int cGameTipQuery::getFreeSpace() const
{
    const cWareHouse* warehouse = cWareHouse::getInstance();
    return warehouse ? Int(warehouse->getFreeSpace()) : -1;
}

Int cGameTipQuery::getOnSale(UInt _kind) const
{
    return cMarket::exists() && _kind < key::PRODUCT_COUNT ? Int(key::MGoodCount[_kind]) : -1;
}

Bool cGameTipQuery::isSeedOnMouse() const
{
    return cFarm::s_seedOnMouse;
}

Int cGameTipQuery::getFirstSeedPackageState() const
{
    std::vector<cSeedPackage*> packages;
    if (const cFarm* farm = cFarm::getInstance())
        farm->getSeedPackageList(packages);
    return packages.empty() ? -1 : Int(packages.front()->getState());
}

Int cGameTipQuery::getLetterState(const cControl* _control) const
{
    const auto* slot = dynamic_cast<const cContractLetterSlot*>(_control);
    return slot ? slot->getLetterState() : -1;
}

Int cGameTipQuery::getHouseCount() const
{
    const cManufacture* screen = cManufacture::getInstance();
    return screen ? Int(screen->getCount()) : -1;
}

Int cGameTipQuery::getFirstHouseLevel() const
{
    const cProductionHouse* house = firstHouse();
    return house ? house->getUpgrade() : -1;
}

Int cGameTipQuery::getFirstHouseFlags() const
{
    const cProductionHouse* house = firstHouse();
    return house ? Int(house->getFlags()) : -1;
}

Bool cGameTipQuery::canUpgradeFirstHouse() const
{
    return cManufacture::canOfferUpgrade(firstHouse());
}

Int cGameTipQuery::getLoadedInput(const cControl* _control) const
{
    for (const cView* view = _control; view; view = view->getParent())
        if (const auto* house = dynamic_cast<const cProductionHouse*>(view))
            return Int(house->getProdCount());
    return -1;
}

Bool cGameTipQuery::isHouseTaken() const
{
    return cProductionHouse::isHouseTaken();
}
