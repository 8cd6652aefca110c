#include "Game/Farm/Worker/PersonArrival.h"

#include "Game/Farm/ActionArea.h"
#include "Game/Farm/Buildings/DigBuilding.h"
#include "Game/Farm/Buildings/ElasticAnimation.h"
#include "Game/Farm/Buildings/MowBuilding.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Worker/Jobs/PersonCollecting.h"
#include "Game/Farm/Worker/Jobs/PersonDropToWarehouse.h"
#include "Game/Farm/Worker/Jobs/PersonGetTool.h"
#include "Game/Farm/Worker/Jobs/PersonIdle.h"
#include "Game/Farm/Worker/Jobs/PersonPloughting.h"
#include "Game/Farm/Worker/Jobs/PersonSowing.h"
#include "Game/Farm/Worker/Jobs/PersonStayWithHose.h"
#include "Game/Farm/Worker/Jobs/PersonWateringWithPot.h"
#include "Game/Farm/Worker/PersonWorkplace.h"
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Farm/Water/WaterSource.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/Tutorial/TutorialManager.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"

#include <initializer_list>
#include <string>

namespace {

// How an arrival ends, for the award of well-aimed clicking.
enum eOutcome {
    // A job state was installed.
    STARTED,
    // Served at once (the can refilled); the worker waits again.
    SERVED,
    // Nothing to do here: the click was wasted.
    REFUSED,
};

constexpr eTips TAKE_TO_WAREHOUSE_TIP = 40;
constexpr eTips WAREHOUSE_FULL_TIP = 41;
constexpr eTips OTHER_CROP_TIP = 44;
// The tips during which the warehouse still takes the harvest.
// The lessons that keep the worker to what they teach: the harvest into the barn waits for them.
constexpr std::initializer_list<eTips> LESSON_TIPS = {1, 2, 3, 4, 20, 21, 22, 23};
// A run of this many queued clicks starts counting well-aimed ones.
constexpr size_t ADEQUATE_QUEUE = 30;
constexpr UInt TOP_MOW_LEVEL = 3;

cPerson& person()
{
    return *cPerson::getInstance();
}

eOutcome start(cTask* _job)
{
    person().getDealer().setTask(_job);
    return STARTED;
}

// None of _tips is the tutorial's current one.
Bool tipsClear(std::initializer_list<eTips> _tips)
{
    const cTutorialManager* tutorial = farm::tutorial();
    if (!tutorial)
        return true;
    for (eTips tip : _tips)
        if (tutorial->isCurrentTip(tip))
            return false;
    return true;
}

Bool isCurrent(eTips _tip)
{
    const cTutorialManager* tutorial = farm::tutorial();
    return tutorial && tutorial->isCurrentTip(_tip);
}

// The hints that come past the tutorial's own order: only while the tutorial is on.
void runTip(eTips _tip, cControl* _pointed)
{
    const cTutorialManager* tutorial = farm::tutorial();
    if (tutorial && tutorial->isTutorialEnabled())
        farm::runActionTip(_tip, _pointed);
}

// The warehouse as the tips point at it: its area, when it has one.
cControl* warehouseControl(cActionArea* _area)
{
    if (_area)
        return _area;
    cWareHouse* warehouse = cWareHouse::getInstance();
    return warehouse ? warehouse->asControl() : nullptr;
}

void tipTakeToWarehouse()
{
    if (farm::isOnScreen() && farm::canRunTip(TAKE_TO_WAREHOUSE_TIP))
        farm::runActionTip(TAKE_TO_WAREHOUSE_TIP, warehouseControl(nullptr));
}

// What the other crop's tip is about: the crops in the basket and the bed's crop. Another
// pair is another trouble, told without waiting for the tip's rest.
UInt otherCropTrouble(UInt _bedCrop)
{
    UInt basket = 0;
    for (UInt crop = 0; crop < key::CROP_COUNT; ++crop)
        if (cPerson::getCarriedGood(crop) != 0)
            basket |= 1u << crop;
    return basket << 8 | _bedCrop;
}

void fly(cControl* _to, cElasticAnimation::eElasticAnimation _type, cView* _object)
{
    cElasticAnimation* flight = cElasticAnimation::getInstance();
    if (flight && _to)
        flight->makeFly(person().getPosition(), _to->getPosition(), _type, _object);
}

// Puts down what the worker holds before it takes something else: a tool flies home, a
// package flies back to where it lay.
void returnHeldItem()
{
    switch (cPerson::getCarryState()) {
    case cPerson::CARRY_SPADE:
        fly(cDigBuilding::getInstance(),
            cElasticAnimation::eElasticAnimation(cElasticAnimation::EA_SPADE + Int(workplace::digLevel())), nullptr);
        break;
    case cPerson::CARRY_SCYTHE:
        fly(cMowBuilding::getInstance(),
            cElasticAnimation::eElasticAnimation(cElasticAnimation::EA_SCYTHE + Int(workplace::mowLevel())), nullptr);
        break;
    case cPerson::CARRY_SEED_PACKAGE:
        if (cSeedPackage* package = person().getCarriedPackage()) {
            package->setState(cSeedPackage::LYING);
            fly(package, cElasticAnimation::EA_SEED_PACKAGE, package);
        }
        person().setCarriedPackage(nullptr);
        break;
    case cPerson::CARRY_CAN:
        // From the first upgrade on the water source has a hose and keeps no can.
        if (workplace::waterSourceLevel() == 0)
            fly(cWaterSource::getInstance(), cElasticAnimation::EA_WATER_CAN, nullptr);
        break;
    default:
        break;
    }
}

eOutcome arriveAtField(cActionArea* _area)
{
    auto* field = dynamic_cast<cFarmFieldTile*>(_area);
    if (!field)
        return REFUSED;
    const UInt status = field->getStatus();
    switch (cPerson::getCarryState()) {
    case cPerson::CARRY_SPADE: {
        const Int cost = field->getDigCost();
        if (status == cFarmFieldTile::FS_PLOUGHED || cost > key::Money())
            return REFUSED;
        // The money goes on arrival, before the work: the player sees what ploughing costs.
        cGame::setMoney(key::Money() - cost);
        return start(new cPersonPloughting(field));
    }
    case cPerson::CARRY_SCYTHE: {
        if (status != cFarmFieldTile::FS_READY)
            return REFUSED;
        if (!cPerson::canCollectMore()) {
            tipTakeToWarehouse();
            return REFUSED;
        }
        const UInt crop = field->getCultivationType();
        if (workplace::mowLevel() < TOP_MOW_LEVEL && cPerson::hasOtherGoods(crop)) {
            // The basket has room: the full basket's tip would say what is not so (and close
            // at once, its wish met), so only the other crop's tip speaks here.
            if (farm::isOnScreen() && person().getOtherCropGate().attempt(key::RunTime(), otherCropTrouble(crop)) &&
                !isCurrent(OTHER_CROP_TIP))
                runTip(OTHER_CROP_TIP, field);
            return REFUSED;
        }
        return start(new cPersonCollecting(field));
    }
    case cPerson::CARRY_CAN:
        if (cPerson::getWaterLevel() > 0)
            return start(new cPersonWateringWithPot(field));
        // Standing at the bed with nothing to pour would look like watering.
        person().say("UI/FlyTextCanEmpty.xml");
        return REFUSED;
    case cPerson::CARRY_SEED_PACKAGE:
        if (status != cFarmFieldTile::FS_PLOUGHED || !person().getCarriedPackage())
            return REFUSED;
        return start(new cPersonSowing(field, person().getCarriedPackage()));
    default:
        return REFUSED;
    }
}

eOutcome arriveAtSeedPackage(cActionArea* _area)
{
    if (!tipsClear({20, 21}))
        return REFUSED;
    returnHeldItem();
    auto* package = static_cast<cSeedPackage*>(_area);
    package->setState(cSeedPackage::TAKEN);
    cPerson::setCarryState(cPerson::CARRY_SEED_PACKAGE);
    person().setCarriedPackage(package);
    return SERVED;
}

eOutcome arriveAtWarehouse(cActionArea* _area)
{
    if (cPerson::getCarryState() != cPerson::CARRY_SCYTHE)
        return REFUSED;
    cWareHouse* warehouse = cWareHouse::getInstance();
    const UInt carried = cPerson::getCarriedCount();
    const UInt free = warehouse ? warehouse->getFreeSpace() : 0;
    if (carried > 0 && free > 0) {
        // A tip about something else (the contract, the journal) leaves the basket to be
        // emptied: the worker would stand by ripe grass with a full basket meanwhile.
        if (!tipsClear(LESSON_TIPS))
            return REFUSED;
        return start(new cPersonDropToWarehouse());
    }
    if (free < carried && farm::isOnScreen() && person().getWarehouseFullGate().attempt(key::RunTime()) &&
        !isCurrent(WAREHOUSE_FULL_TIP))
        runTip(WAREHOUSE_FULL_TIP, warehouseControl(_area));
    return REFUSED;
}

eOutcome arriveAtWaterSource(cActionArea* /*_area*/)
{
    if (!tipsClear({4, 3, 5, 20, 21, 22, 23}))
        return REFUSED;
    switch (cPerson::getCarryState()) {
    case cPerson::CARRY_CAN:
        if (cPerson::getWaterLevel() >= workplace::canCapacity())
            return REFUSED;
        cPerson::setWaterLevel(workplace::canCapacity());
        person().playSound(cPerson::WORK_WELL);
        return SERVED;
    case cPerson::CARRY_NOTHING:
    case cPerson::CARRY_SPADE:
    case cPerson::CARRY_SCYTHE:
    case cPerson::CARRY_SEED_PACKAGE: {
        const Int level = workplace::waterSourceLevel();
        if (level <= 0) {
            returnHeldItem();
            return start(new cPersonGetWBucket());
        }
        if (level > 2) {
            // The water source refuses such a level when it loads; a damaged profile must
            // still not end the game.
            getLog("error")->print("The water source's level " + std::to_string(level) + " gives neither can nor hose.");
            return REFUSED;
        }
        returnHeldItem();
        return start(new cPersonStayWithHose());
    }
    default:
        return REFUSED;
    }
}

eOutcome arriveAtMowBuilding(cActionArea* /*_area*/)
{
    if (!tipsClear({1, 5, 2, 20, 21, 22, 23}) || cPerson::getCarryState() == cPerson::CARRY_SCYTHE)
        return REFUSED;
    returnHeldItem();
    return start(new cPersonGetScythe());
}

eOutcome arriveAtDigBuilding(cActionArea* /*_area*/)
{
    if (!tipsClear({4, 3, 1, 5, 2, 22, 23}) || cPerson::getCarryState() == cPerson::CARRY_SPADE)
        return REFUSED;
    returnHeldItem();
    return start(new cPersonGetSpade());
}

eOutcome arriveNowhere(cActionArea* /*_area*/)
{
    return REFUSED;
}

struct sArrival {
    eActionAreaType type;
    eOutcome (*arrive)(cActionArea* _area);
};
// Sprinkles give the worker nothing to do on arrival.
constexpr sArrival ARRIVALS[] = {
    {AAT_FIELD, &arriveAtField},
    {AAT_WAREHOUSE, &arriveAtWarehouse},
    {AAT_WATER_SOURCE, &arriveAtWaterSource},
    {AAT_MOW_BUILDING, &arriveAtMowBuilding},
    {AAT_DIG_BUILDING, &arriveAtDigBuilding},
    {AAT_SEED_PACKAGE, &arriveAtSeedPackage},
};

void countAdequateClick(eOutcome _outcome)
{
    if (_outcome == REFUSED) {
        key::awAdecvStart() = false;
        return;
    }
    if (key::awAdecvStart())
        key::awAdecvClick() += 1;
    else if (person().getQueue().size() >= ADEQUATE_QUEUE) {
        key::awAdecvStart() = true;
        key::awAdecvClick() = 1;
    }
}

} // namespace

void decideArrival(cActionArea* _area)
{
    GUARD_BEGIN
    auto arrive = &arriveNowhere;
    for (const sArrival& row : ARRIVALS)
        if (row.type == _area->getAreaType())
            arrive = row.arrive;
    const eOutcome outcome = arrive(_area);
    countAdequateClick(outcome);
    if (outcome != STARTED)
        person().getDealer().setTask(new cPersonIdle());
    GUARD_END("void decideArrival(cActionArea* _area)")
}
