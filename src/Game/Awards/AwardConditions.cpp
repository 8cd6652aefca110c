#include "Game/Awards/AwardConditions.h"

#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/Awards/AwardQuery.h"

namespace {

using fCondition = Bool (*)(const iAwardQuery& _game);

// Every crop kind's bit: all eight growing at once.
constexpr Int ALL_CROPS_GROWING = 0xFF;
// The keys' names promise more than the conditions ask; the names are only storage.
constexpr UInt BUILT_DEPOTS = 7;
constexpr UInt DESTROYED_DEPOTS = 20;

Int farmLevel(cGame::eUpgradeItem _item)
{
    return key::upgradeLevel(20 + _item);
}

Bool allFarmBuildingsUp(const iAwardQuery&)
{
    return farmLevel(cGame::WARE_HOUSE) == 3 && farmLevel(cGame::DIG_BUILDING) == 3 &&
           farmLevel(cGame::WATER_SOURCE) == 2 && farmLevel(cGame::MOW_BUILDING) == 3;
}

Bool everyDepotTypeBuilt(const iAwardQuery&)
{
    for (UInt type = 0; type <= cGame::MILL; ++type)
        if (!key::awManDepotBuild[type])
            return false;
    return true;
}

Bool everyProductOnSale(const iAwardQuery& _game)
{
    for (UInt kind = 0; kind < OVERALL_PROD_COUNT; ++kind)
        if (_game.getQtyOfKind(kind) == 0)
            return false;
    return true;
}

Bool everyOtherAwardWon(const iAwardQuery&)
{
    for (UInt award = 0; award + 1 < AWARD_COUNT; ++award)
        if (!key::Award[award])
            return false;
    return true;
}

const fCondition CONDITIONS[AWARD_COUNT] = {
    [](const iAwardQuery&) { return key::awQCollect() >= 100; },
    [](const iAwardQuery&) { return key::awQProcess() >= 100; },
    [](const iAwardQuery&) { return key::awQCollect() >= 1000; },
    [](const iAwardQuery&) { return key::awQProcess() >= 1000; },
    [](const iAwardQuery&) { return key::awQTask() >= 20; },
    [](const iAwardQuery&) { return key::awQTask() >= 40; },
    [](const iAwardQuery&) { return key::awEarn(); },
    allFarmBuildingsUp,
    everyDepotTypeBuilt,
    [](const iAwardQuery& _game) { return _game.getBuiltDepotCount() == BUILT_DEPOTS; },
    [](const iAwardQuery&) { return key::awQDestroy() >= DESTROYED_DEPOTS; },
    [](const iAwardQuery&) { return key::awGrowType() == ALL_CROPS_GROWING; },
    [](const iAwardQuery&) { return key::awNoDryTime() >= 1200.0f; },
    [](const iAwardQuery&) { return key::RunTime() >= 1800.0f; },
    [](const iAwardQuery&) { return key::RunTime() >= 10800.0f; },
    [](const iAwardQuery&) { return key::awHighSold(); },
    [](const iAwardQuery&) { return key::Money() >= 1000; },
    [](const iAwardQuery&) { return key::Money() >= 10000; },
    everyProductOnSale,
    [](const iAwardQuery&) { return key::awAdecvClick() >= 30; },
    everyOtherAwardWon,
};

} // namespace

Bool isAwardEarned(UInt _index, const iAwardQuery& _game)
{
    return _index < AWARD_COUNT && CONDITIONS[_index](_game);
}
