#include "Game/Tutorial/TipConditions.h"

#include "Game/Tutorial/TipQuery.h"
#include "Game/Tutorial/TutorialManager.h"

#include <algorithm>

namespace {

using eView = iTipQuery::eView;

constexpr UInt CARRY_CAN = 1;
constexpr UInt CARRY_SPADE = 2;
constexpr UInt CARRY_SCYTHE = 6;
constexpr UInt CARRY_SEED_PACKAGE = 10;
constexpr Int JOB_PLOUGH_FIRST = 0;
constexpr Int JOB_PLOUGH_LAST = 3;
constexpr Int JOB_HARVEST_FIRST = 4;
constexpr Int JOB_HARVEST_LAST = 7;
constexpr Int JOB_SOW = 8;
constexpr Int JOB_WATER_CAN = 10;
constexpr UInt GRASS = 0;
constexpr Int LETTER_READ = 1;
constexpr Int FIELD_GROWING = 0;
// Bit 0 of a production building's flag word: it hangs on the cursor.
constexpr Int HOUSE_TAKEN = 1;

const iTipQuery* query()
{
    const cTutorialManager* tutorial = cTutorialManager::getInstance();
    return tutorial ? &tutorial->getQuery() : nullptr;
}

Bool jobBetween(const iTipQuery& _q, Int _first, Int _last)
{
    const Int job = _q.getJob();
    return _q.hasWorker() && job >= _first && job <= _last;
}

Bool carries(const iTipQuery& _q, UInt _carry)
{
    return _q.hasWorker() && _q.getCarry() == _carry;
}

Bool isFull(const iTipQuery::sField& _field)
{
    return _field.capacity > 0 && _field.water >= _field.capacity;
}

Bool slides(const iTipQuery& _q, eView _view)
{
    return _q.exists(_view) && _q.isSliding(_view);
}

// Each test, written over a query that exists.
Bool canFilled(const iTipQuery& _q, cControl*)
{
    const Float capacity = _q.getWaterSourceCapacity();
    return _q.getLevel(iTipQuery::WATER_SOURCE) == 0 && carries(_q, CARRY_CAN) && capacity >= 0 &&
           _q.getCanWater() >= capacity;
}

Bool fieldWatered(const iTipQuery& _q, cControl* _pointed)
{
    if (jobBetween(_q, JOB_WATER_CAN, JOB_WATER_CAN))
        return true;
    iTipQuery::sField pointed;
    if (_q.getField(_pointed, pointed) && isFull(pointed))
        return true;
    const std::vector<iTipQuery::sField> fields = _q.getUpgradedFields();
    return std::any_of(fields.begin(), fields.end(), isFull);
}

Bool scytheTaken(const iTipQuery& _q, cControl*)
{
    return _q.getLevel(iTipQuery::MOW_BUILDING) == 0 && carries(_q, CARRY_SCYTHE);
}

Bool harvesting(const iTipQuery& _q, cControl*)
{
    return jobBetween(_q, JOB_HARVEST_FIRST, JOB_HARVEST_LAST);
}

Bool grassStored(const iTipQuery& _q, cControl*)
{
    return _q.getStock(GRASS) > 0;
}

Bool marketAndFarmSlide(const iTipQuery& _q, cControl*)
{
    return slides(_q, iTipQuery::MARKET) && slides(_q, iTipQuery::FARM);
}

// Opening the shop starts its slide; a shop that shows at once counts as well.
Bool seedPanelSlides(const iTipQuery& _q, cControl*)
{
    return slides(_q, iTipQuery::SEED_PANEL) || (_q.exists(iTipQuery::SEED_PANEL) && _q.isShown(iTipQuery::SEED_PANEL));
}

Bool seedOnMouse(const iTipQuery& _q, cControl*)
{
    return _q.isSeedOnMouse();
}

Bool packageLaidDown(const iTipQuery& _q, cControl*)
{
    return _q.getFirstSeedPackageState() == 0;
}

Bool letterRead(const iTipQuery& _q, cControl* _pointed)
{
    return _q.getLetterState(_pointed) == LETTER_READ;
}

Bool contractLookedAt(const iTipQuery& _q, cControl*)
{
    return _q.isShown(iTipQuery::CONTRACT_CONFIRM) || _q.isShown(iTipQuery::CONTRACT_GOALS);
}

Bool spadeTaken(const iTipQuery& _q, cControl*)
{
    return carries(_q, CARRY_SPADE);
}

Bool ploughing(const iTipQuery& _q, cControl*)
{
    return jobBetween(_q, JOB_PLOUGH_FIRST, JOB_PLOUGH_LAST);
}

Bool packageTaken(const iTipQuery& _q, cControl*)
{
    return carries(_q, CARRY_SEED_PACKAGE);
}

Bool sown(const iTipQuery& _q, cControl* _pointed)
{
    iTipQuery::sField field;
    return (_q.getField(_pointed, field) && field.status == FIELD_GROWING) || jobBetween(_q, JOB_SOW, JOB_SOW);
}

Bool productionSlides(const iTipQuery& _q, cControl*)
{
    return slides(_q, iTipQuery::PRODUCTION);
}

Bool buildPanelSlides(const iTipQuery& _q, cControl*)
{
    return slides(_q, iTipQuery::BUILD_PANEL);
}

Bool noHouseLeft(const iTipQuery& _q, cControl*)
{
    return _q.getHouseCount() == 0;
}

Bool firstHouseUpgraded(const iTipQuery& _q, cControl*)
{
    return _q.getFirstHouseLevel() > 0;
}

Bool houseTaken(const iTipQuery& _q, cControl*)
{
    return _q.isHouseTaken();
}

Bool housePlaced(const iTipQuery& _q, cControl*)
{
    const Int flags = _q.getFirstHouseFlags();
    return flags >= 0 && (flags & HOUSE_TAKEN) == 0;
}

Bool journalShown(const iTipQuery& _q, cControl*)
{
    return _q.isShown(iTipQuery::JOURNAL);
}

Bool basketHasRoom(const iTipQuery& _q, cControl*)
{
    return _q.hasWorker() && (_q.getCarry() != CARRY_SCYTHE || _q.canBasketTakeMore());
}

Bool warehouseHasRoom(const iTipQuery& _q, cControl*)
{
    return _q.hasWorker() && (_q.getCarry() != CARRY_SCYTHE || _q.getFreeSpace() > 0 || slides(_q, iTipQuery::FARM));
}

Bool offerClosed(const iTipQuery& _q, cControl*)
{
    return _q.exists(iTipQuery::CONTRACT_DELIVERY) && !_q.isShown(iTipQuery::CONTRACT_DELIVERY);
}

Bool harvestGoesOn(const iTipQuery& _q, cControl*)
{
    return _q.hasWorker() && (_q.getCarry() != CARRY_SCYTHE || harvesting(_q, nullptr) || slides(_q, iTipQuery::FARM));
}

Bool grassOnSale(const iTipQuery& _q, cControl*)
{
    return _q.getOnSale(GRASS) > 0;
}

Bool houseLoaded(const iTipQuery& _q, cControl* _pointed)
{
    return _q.getLoadedInput(_pointed) > 0;
}

// What the state must allow for the tests above to be met at all.
Bool canStillFillCan(const iTipQuery& _q, cControl*)
{
    // From the first upgrade on the water source has a hose and keeps no can.
    return _q.getLevel(iTipQuery::WATER_SOURCE) == 0;
}

Bool canStillTakeFirstScythe(const iTipQuery& _q, cControl*)
{
    return _q.getLevel(iTipQuery::MOW_BUILDING) == 0;
}

// A workshop whose next level is not on sale yet gets it later.
Bool canUpgradeHouse(const iTipQuery& _q, cControl*)
{
    return _q.getFirstHouseLevel() == 0 && _q.canUpgradeFirstHouse();
}

// An empty barn fills again with the next harvest.
Bool haveGrassToBring(const iTipQuery& _q, cControl*)
{
    return _q.getStock(GRASS) > 0 || _q.getOnSale(GRASS) > 0;
}

// The plain function a tip view calls, bound to its test over the manager's query.
template <Bool (*Test)(const iTipQuery&, cControl*)>
Bool condition(cControl* _pointed)
{
    const iTipQuery* q = query();
    return q && Test(*q, _pointed);
}

const fTipsFunc CONDITIONS[TIPS_COUNT] = {
    nullptr,                                   // 0
    &condition<canFilled>,                     // 1
    &condition<fieldWatered>,                  // 2
    &condition<scytheTaken>,                   // 3
    &condition<harvesting>,                    // 4
    &condition<grassStored>,                   // 5
    &condition<marketAndFarmSlide>,            // 6
    &condition<marketAndFarmSlide>,            // 7
    nullptr, nullptr, nullptr, nullptr, nullptr, // 8..12
    &condition<seedPanelSlides>,               // 13
    nullptr,                                   // 14
    &condition<seedOnMouse>,                   // 15
    &condition<packageLaidDown>,               // 16
    &condition<letterRead>,                    // 17
    &condition<contractLookedAt>,              // 18
    nullptr,                                   // 19
    &condition<spadeTaken>,                    // 20
    &condition<ploughing>,                     // 21
    &condition<packageTaken>,                  // 22
    &condition<sown>,                          // 23
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, // 24..29
    &condition<productionSlides>,              // 30
    nullptr,                                   // 31
    &condition<buildPanelSlides>,              // 32
    &condition<noHouseLeft>,                   // 33
    &condition<firstHouseUpgraded>,            // 34
    nullptr,                                   // 35
    &condition<houseTaken>,                    // 36
    &condition<housePlaced>,                   // 37
    nullptr,                                   // 38
    &condition<journalShown>,                  // 39
    &condition<basketHasRoom>,                 // 40
    &condition<warehouseHasRoom>,              // 41
    &condition<offerClosed>,                   // 42
    nullptr,                                   // 43
    &condition<harvestGoesOn>,                 // 44
    &condition<grassOnSale>,                   // 45
    nullptr, nullptr,                          // 46, 47
    &condition<houseLoaded>,                   // 48
    nullptr,                                   // 49
};

} // namespace

fTipsFunc getTipCondition(eTips _n)
{
    return _n < TIPS_COUNT ? CONDITIONS[_n] : nullptr;
}

fTipsFunc getTipPossible(eTips _n)
{
    switch (_n) {
    case 1: return &condition<canStillFillCan>;
    case 3: return &condition<canStillTakeFirstScythe>;
    case 34: return &condition<canUpgradeHouse>;
    case 45: return &condition<haveGrassToBring>;
    default: return nullptr;
    }
}

Bool isTipLostWhenRuledOut(eTips _n)
{
    // The well, the scythe shed and a workshop never go back to level 0: a workshop upgraded
    // and paid for leaves the free upgrade nothing to give.
    if (_n == 34) {
        const iTipQuery* q = query();
        return q && q->getFirstHouseLevel() > 0;
    }
    return _n == 1 || _n == 3;
}
