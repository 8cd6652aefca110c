#include "Game/Farm/PersonWorkplace.h"

#include "Game/Farm/WaterSource.h"
#include "Game/GameKeys.h"

#include <algorithm>

namespace workplace {

namespace {

constexpr UInt MOW_LEVEL_INDEX = 31;
constexpr UInt WATER_SOURCE_LEVEL_INDEX = 33;
constexpr UInt DIG_LEVEL_INDEX = 34;
constexpr UInt LEVELS = 4;

// Not filled in yet: the tool buildings keep these in their own level records; until they read
// them, the worker works with these demo values.
constexpr Float DIG_TIME[LEVELS] = {3.0f, 2.2f, 1.6f, 1.0f};
constexpr Float MOW_TIME[LEVELS] = {2.5f, 2.0f, 1.5f, 1.0f};
constexpr UInt BASKET_CAPACITY[LEVELS] = {4, 6, 10, 16};

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
    return DIG_TIME[digLevel()];
}

Float mowTime()
{
    return MOW_TIME[mowLevel()];
}

UInt basketCapacity()
{
    return BASKET_CAPACITY[mowLevel()];
}

Float canCapacity()
{
    const cWaterSource* source = cWaterSource::getInstance();
    return source ? source->getCapacity() : 0.0f;
}

} // namespace workplace
