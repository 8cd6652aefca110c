#include "Game/Farm/PersonWorkplace.h"

#include "Game/Farm/DigBuilding.h"
#include "Game/Farm/MowBuilding.h"
#include "Game/GameKeys.h"

#include <algorithm>

namespace workplace {

namespace {

constexpr UInt MOW_LEVEL_INDEX = 31;
constexpr UInt WATER_SOURCE_LEVEL_INDEX = 33;
constexpr UInt DIG_LEVEL_INDEX = 34;
constexpr UInt LEVELS = 4;

// The tool buildings keep these in their own level records; these serve while a building is
// not there (a game being built or taken down).
constexpr Float DIG_TIME[LEVELS] = {3.0f, 2.2f, 1.6f, 1.0f};
constexpr Float MOW_TIME[LEVELS] = {2.5f, 2.0f, 1.5f, 1.0f};
constexpr UInt BASKET_CAPACITY[LEVELS] = {4, 6, 10, 16};
// Not filled in yet: the water source keeps these in its own level records; until it reads
// them, the worker works with these demo values.
constexpr Float CAN_CAPACITY[LEVELS] = {40.0f, 60.0f, 80.0f, 100.0f};

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
    const cDigBuilding* dig = cDigBuilding::getInstance();
    return dig ? dig->getDigTime() : DIG_TIME[digLevel()];
}

Float mowTime()
{
    const cMowBuilding* mow = cMowBuilding::getInstance();
    return mow ? mow->getMowTime() : MOW_TIME[mowLevel()];
}

UInt basketCapacity()
{
    const cMowBuilding* mow = cMowBuilding::getInstance();
    return mow ? mow->getProductionNum() : BASKET_CAPACITY[mowLevel()];
}

Float canCapacity()
{
    return CAN_CAPACITY[level(WATER_SOURCE_LEVEL_INDEX)];
}

} // namespace workplace
