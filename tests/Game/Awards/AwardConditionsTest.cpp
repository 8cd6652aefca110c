#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/Awards/AwardConditions.h"
#include "Game/Awards/AwardQuery.h"

#include <gtest/gtest.h>

namespace {

// The game's answers as a test sets them.
struct sScriptedGame : iAwardQuery {
    UInt built = 0;
    UInt onSale = 0;
    Int emptyKind = -1;
    UInt getBuiltDepotCount() const override { return built; }
    UInt getQtyOfKind(UInt _kind) const override { return Int(_kind) == emptyKind ? 0 : onSale; }
    Bool isGameHeld() const override { return false; }
    Bool isScreenSliding() const override { return false; }
    Bool isDialogOpen() const override { return false; }
};

using fSetUp = void (*)(sScriptedGame& _game);

struct sCondition {
    UInt award;
    fSetUp earns;
    fSetUp misses;
};

void farmLevels(Int _mow, Int _ware, Int _water, Int _dig)
{
    key::FarmUpgrade[31] = _mow;
    key::FarmUpgrade[32] = _ware;
    key::FarmUpgrade[33] = _water;
    key::FarmUpgrade[34] = _dig;
}

void everyTypeBuiltBut(Int _missing)
{
    for (UInt t = 0; t < 11; ++t)
        key::awManDepotBuild[t] = Int(t) != _missing;
}

void awardsWonBut(Int _missing)
{
    for (UInt a = 0; a < 20; ++a)
        key::Award[a] = Int(a) != _missing;
}

// Each award at its threshold, and just short of it.
const sCondition CONDITIONS[] = {
    {0, [](sScriptedGame&) { key::awQCollect() = 100; }, [](sScriptedGame&) { key::awQCollect() = 99; }},
    {1, [](sScriptedGame&) { key::awQProcess() = 100; }, [](sScriptedGame&) { key::awQProcess() = 99; }},
    {2, [](sScriptedGame&) { key::awQCollect() = 1000; }, [](sScriptedGame&) { key::awQCollect() = 999; }},
    {3, [](sScriptedGame&) { key::awQProcess() = 1000; }, [](sScriptedGame&) { key::awQProcess() = 999; }},
    {4, [](sScriptedGame&) { key::awQTask() = 20; }, [](sScriptedGame&) { key::awQTask() = 19; }},
    {5, [](sScriptedGame&) { key::awQTask() = 40; }, [](sScriptedGame&) { key::awQTask() = 39; }},
    {6, [](sScriptedGame&) { key::awEarn() = true; }, [](sScriptedGame&) { key::awEarn() = false; }},
    {7, [](sScriptedGame&) { farmLevels(3, 3, 2, 3); }, [](sScriptedGame&) { farmLevels(2, 3, 2, 3); }},
    {7, [](sScriptedGame&) { farmLevels(3, 3, 2, 3); }, [](sScriptedGame&) { farmLevels(3, 3, 3, 3); }},
    {8, [](sScriptedGame&) { everyTypeBuiltBut(-1); }, [](sScriptedGame&) { everyTypeBuiltBut(10); }},
    {9, [](sScriptedGame& _g) { _g.built = 7; }, [](sScriptedGame& _g) { _g.built = 8; }},
    {9, [](sScriptedGame& _g) { _g.built = 7; }, [](sScriptedGame& _g) { _g.built = 6; }},
    {10, [](sScriptedGame&) { key::awQDestroy() = 20; }, [](sScriptedGame&) { key::awQDestroy() = 19; }},
    {11, [](sScriptedGame&) { key::awGrowType() = 255; }, [](sScriptedGame&) { key::awGrowType() = 127; }},
    {12, [](sScriptedGame&) { key::awNoDryTime() = 1200.0f; }, [](sScriptedGame&) { key::awNoDryTime() = 1199.9f; }},
    {13, [](sScriptedGame&) { key::RunTime() = 1800.0f; }, [](sScriptedGame&) { key::RunTime() = 1799.9f; }},
    {14, [](sScriptedGame&) { key::RunTime() = 10800.0f; }, [](sScriptedGame&) { key::RunTime() = 10799.0f; }},
    {15, [](sScriptedGame&) { key::awHighSold() = true; }, [](sScriptedGame&) { key::awHighSold() = false; }},
    {16, [](sScriptedGame&) { key::Money() = 1000; }, [](sScriptedGame&) { key::Money() = 999; }},
    {17, [](sScriptedGame&) { key::Money() = 10000; }, [](sScriptedGame&) { key::Money() = 9999; }},
    {18, [](sScriptedGame& _g) { _g.onSale = 1; }, [](sScriptedGame& _g) { _g.onSale = 1, _g.emptyKind = 18; }},
    {19, [](sScriptedGame&) { key::awAdecvClick() = 30; }, [](sScriptedGame&) { key::awAdecvClick() = 29; }},
    {20, [](sScriptedGame&) { awardsWonBut(-1); }, [](sScriptedGame&) { awardsWonBut(19); }},
};

class AwardConditions : public ::testing::Test {
protected:
    AwardConditions() { reset(); }
    ~AwardConditions() override { clearProperties(); }
    void reset()
    {
        clearProperties();
        cGame::onInitProfile();
        m_game = sScriptedGame();
    }
    sScriptedGame m_game;
};

TEST_F(AwardConditions, EachAwardIsEarnedAtItsThresholdAndNotJustShortOfItNorPastTheLast)
{
    for (const sCondition& condition : CONDITIONS) {
        reset();
        EXPECT_FALSE(isAwardEarned(condition.award, m_game)) << "a fresh game earns award " << condition.award;
        condition.misses(m_game);
        EXPECT_FALSE(isAwardEarned(condition.award, m_game)) << "short of award " << condition.award;
        reset();
        condition.earns(m_game);
        EXPECT_TRUE(isAwardEarned(condition.award, m_game)) << "award " << condition.award;
    }
    // No award past the last is ever earned, even with every other one.
    reset();
    for (const sCondition& condition : CONDITIONS)
        condition.earns(m_game);
    EXPECT_TRUE(isAwardEarned(20, m_game));
    EXPECT_FALSE(isAwardEarned(21, m_game));
}

// The game's own answers read the production slots and the market's goods.
TEST_F(AwardConditions, TheGameCountsPlacedBuildingsAndGoodsOnSale)
{
    const cGameAwardQuery game;
    EXPECT_EQ(game.getBuiltDepotCount(), 0u);
    key::SlotUpgrade[0] = 0;
    key::SlotUpgrade[7] = 3;
    key::MGoodCount[18] = 4;
    EXPECT_EQ(game.getBuiltDepotCount(), 2u);
    EXPECT_EQ(game.getQtyOfKind(18), 4u);
    EXPECT_EQ(game.getQtyOfKind(19), 0u);
}

} // namespace
