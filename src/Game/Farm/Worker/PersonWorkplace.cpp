#include "Game/Farm/Worker/PersonWorkplace.h"

#include "Game/Farm/Buildings/DigBuilding.h"
#include "Game/Farm/Buildings/MowBuilding.h"
#include "Game/Farm/Water/WaterSource.h"
#include "Game/GameKeys.h"

#include <algorithm>

namespace workplace {

namespace {

constexpr UInt MOW_LEVEL_INDEX = 31;
constexpr UInt WATER_SOURCE_LEVEL_INDEX = 33;
constexpr UInt DIG_LEVEL_INDEX = 34;
constexpr UInt LEVELS = 4;


UInt level(UInt _index)
{
    return UInt(std::clamp(key::upgradeLevel(_index), 0, Int(LEVELS) - 1));
}

} // namespace

UInt digLevel()
{
    return level(DIG_LEVEL_INDEX);
}

UInt mowLevel()
{
    return level(MOW_LEVEL_INDEX);
}

Int waterSourceLevel()
{
    return key::upgradeLevel(WATER_SOURCE_LEVEL_INDEX);
}

Float digTime()
{
    const cDigBuilding* building = cDigBuilding::getInstance();
    return building ? building->getDigTime() : 0;
}

Float mowTime()
{
    const cMowBuilding* building = cMowBuilding::getInstance();
    return building ? building->getMowTime() : 0;
}

UInt basketCapacity()
{
    const cMowBuilding* building = cMowBuilding::getInstance();
    return building ? building->getProductionNum() : 0;
}

void refreshToolViews()
{
    if (cDigBuilding* dig = cDigBuilding::getInstance())
        dig->updateInstrumentView();
    if (cMowBuilding* mow = cMowBuilding::getInstance())
        mow->updateInstrumentView();
    if (cWaterSource* water = cWaterSource::getInstance())
        water->updateInstrumentView();
}

Float canCapacity()
{
    const cWaterSource* source = cWaterSource::getInstance();
    return source ? source->getCapacity() : 0.0f;
}

} // namespace workplace
