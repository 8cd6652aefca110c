#include "Game/Farm/Buildings/DigBuilding.h"
#include "Game/Farm/Buildings/ElasticAnimation.h"
#include "Game/Farm/Buildings/MowBuilding.h"
#include "Game/Farm/Worker/PersonArrival.h"
#include "Game/Farm/Worker/Jobs/PersonCollecting.h"
#include "Game/Farm/Worker/Jobs/PersonDropToWarehouse.h"
#include "Game/Farm/Worker/Jobs/PersonGetTool.h"
#include "Game/Farm/Worker/PersonHarness.h"
#include "Game/Farm/Worker/Jobs/PersonIdle.h"
#include "Game/Farm/Worker/Jobs/PersonPloughting.h"
#include "Game/Farm/Worker/PersonTipGate.h"
#include "Game/Farm/Worker/Jobs/PersonWateringWithPot.h"
#include "Game/Farm/Worker/PersonWorkplace.h"
#include "Game/Farm/Buildings/WareHouse.h"

#include "Ui/texts/FlyText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class cPersonArrivalTest : public cPersonTest {
protected:
    // The name of the state the worker is in.
    std::string state()
    {
        if (task<cPersonPloughting>())
            return "plough";
        if (task<cPersonCollecting>())
            return "collect";
        if (task<cPersonWateringWithPot>())
            return "water";
        if (task<cPersonDropToWarehouse>())
            return "drop";
        if (task<cPersonGetSpade>())
            return "spade";
        if (task<cPersonGetScythe>())
            return "scythe";
        if (task<cPersonGetWBucket>())
            return "bucket";
        if (task<cPersonIdle>())
            return "idle";
        return "?";
    }
};

TEST_F(cPersonArrivalTest, WhatTheWorkerDoesOnArrivalFollowsTheAreaAndWhatItCarries)
{
    const Float full = workplace::canCapacity();
    const UInt basket = workplace::basketCapacity();
    struct sCase {
        const char* what;
        eActionAreaType kind;
        UInt carry;
        UInt status;
        Int money;
        Float water;
        UInt crop1, crop3;
        const char* result;
        Int moneyAfter;
    };
    // The field grows crop 1 (status 1 is ripe, 3 ploughed); its dig cost is 5.
    const sCase cases[] = {
        {"dig cost equals money", AAT_FIELD, 2, 0, 5, 0, 0, 0, "plough", 0},
        {"dig cost below money", AAT_FIELD, 2, 1, 12, 0, 0, 0, "plough", 7},
        {"money below dig cost", AAT_FIELD, 2, 0, 4, 0, 0, 0, "idle", 4},
        {"already ploughed", AAT_FIELD, 2, 3, 50, 0, 0, 0, "idle", 50},
        {"ripe field, room in the basket", AAT_FIELD, 6, 1, 0, 0, 1, 0, "collect", 0},
        {"unripe field", AAT_FIELD, 6, 0, 0, 0, 0, 0, "idle", 0},
        {"basket holds another crop", AAT_FIELD, 6, 1, 0, 0, 0, 1, "idle", 0},
        {"basket full", AAT_FIELD, 6, 1, 0, 0, basket, 0, "idle", 0},
        {"water in the can", AAT_FIELD, 1, 0, 0, 0.5f, 0, 0, "water", 0},
        {"empty can", AAT_FIELD, 1, 0, 0, 0, 0, 0, "idle", 0},
        {"empty hands", AAT_FIELD, 0, 0, 50, 0, 0, 0, "idle", 50},
        {"harvest to the warehouse", AAT_WAREHOUSE, 6, 0, 0, 0, 2, 1, "drop", 0},
        {"empty basket at the warehouse", AAT_WAREHOUSE, 6, 0, 0, 0, 0, 0, "idle", 0},
        {"spade at the warehouse", AAT_WAREHOUSE, 2, 0, 0, 0, 2, 0, "idle", 0},
        {"full can at the water source", AAT_WATER_SOURCE, 1, 0, 0, full, 0, 0, "idle", 0},
        {"empty hands at the water source", AAT_WATER_SOURCE, 0, 0, 0, 0, 0, 0, "bucket", 0},
        {"spade at the water source", AAT_WATER_SOURCE, 2, 0, 0, 0, 0, 0, "bucket", 0},
        {"scythe at the digging building", AAT_DIG_BUILDING, 6, 0, 0, 0, 0, 0, "spade", 0},
        {"can at the digging building", AAT_DIG_BUILDING, 1, 0, 0, 0, 0, 0, "spade", 0},
        {"spade at the digging building", AAT_DIG_BUILDING, 2, 0, 0, 0, 0, 0, "idle", 0},
        {"spade at the mowing building", AAT_MOW_BUILDING, 2, 0, 0, 0, 0, 0, "scythe", 0},
        {"scythe at the mowing building", AAT_MOW_BUILDING, 6, 0, 0, 0, 0, 0, "idle", 0},
        {"anything at a sprinkle", AAT_SPRINKLE, 1, 0, 0, 1, 0, 0, "idle", 0},
    };
    cFarmFieldTile* field = makeField(0, Vector2(300, 300));
    for (const sCase& c : cases) {
        cActionArea* area = c.kind == AAT_FIELD ? field : makeArea(c.kind, Vector2(100, 400));
        person().getDealer().setTask(new cPersonIdle());
        key::FFC[0] = 1;
        key::FFS[0] = c.status;
        key::Money() = c.money;
        cPerson::setCarryState(c.carry);
        cPerson::setWaterLevel(c.water);
        cPerson::setCarriedGood(1, c.crop1);
        cPerson::setCarriedGood(3, c.crop3);
        decideArrival(area);
        EXPECT_EQ(state(), c.result) << c.what;
        EXPECT_EQ(key::Money(), c.moneyAfter) << c.what;
    }
}

// Standing at a bed with an empty can looked like watering: the worker says the can is empty.
TEST_F(cPersonArrivalTest, AnEmptyCanAtABedIsSaidOverTheWorker)
{
    cFarmFieldTile* field = makeField(0, Vector2(300, 300));
    cPerson::setCarryState(cPerson::CARRY_CAN);
    for (const Float water : {0.5f, 0.0f}) {
        person().getDealer().setTask(new cPersonIdle());
        cPerson::setWaterLevel(water);
        decideArrival(field);
        const std::vector<cFlyText*> words = flyTexts();
        if (water > 0) {
            EXPECT_TRUE(words.empty()) << "water in the can";
            continue;
        }
        ASSERT_EQ(words.size(), 1u);
        EXPECT_EQ(words[0]->getTextColor(), SAY_COLOR);
        words[0]->process();
        EXPECT_FLOAT_EQ(words[0]->getPosition().x, person().getPosition().x) << "over the worker";
    }
}

TEST_F(cPersonArrivalTest, ACanNotFullIsRefilledAtOnceAndAFullOneBreaksTheRunOfGoodClicks)
{
    cActionArea* well = makeArea(AAT_WATER_SOURCE, Vector2(100, 400));
    cPerson::setCarryState(cPerson::CARRY_CAN);
    struct sCase {
        Float water;
        Bool runBefore;
        Bool runAfter;
        UInt clicksAfter;
    };
    for (const sCase& c : {sCase{1, true, true, 6}, sCase{workplace::canCapacity(), true, false, 5}}) {
        cPerson::setWaterLevel(c.water);
        key::awAdecvStart() = c.runBefore;
        key::awAdecvClick() = 5;
        decideArrival(well);
        EXPECT_FLOAT_EQ(cPerson::getWaterLevel(), workplace::canCapacity()) << c.water;
        EXPECT_EQ(key::awAdecvStart(), c.runAfter) << c.water;
        EXPECT_EQ(key::awAdecvClick(), c.clicksAfter) << c.water;
        EXPECT_NE(task<cPersonIdle>(), nullptr);
    }
}

TEST_F(cPersonArrivalTest, AWaterSourceLevelWithoutCanOrHoseLeavesTheWorkerWaiting)
{
    cActionArea* well = makeArea(AAT_WATER_SOURCE, Vector2(100, 400));
    key::upgradeLevel(33) = 3;
    cPerson::setCarryState(cPerson::CARRY_NOTHING);
    decideArrival(well);
    EXPECT_NE(task<cPersonIdle>(), nullptr);
    EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_NOTHING));
}

TEST_F(cPersonArrivalTest, ThirtyQueuedClicksStartARunOfGoodClicks)
{
    cActionArea* dig = makeArea(AAT_DIG_BUILDING, Vector2(100, 400));
    struct sCase {
        int queued;
        Bool run;
        UInt clicks;
    };
    for (const sCase& c : {sCase{29, false, 0}, sCase{30, true, 1}}) {
        person().clearTaskList();
        for (int i = 0; i < c.queued; ++i)
            dig->goToNextParking();
        key::awAdecvStart() = false;
        key::awAdecvClick() = 0;
        cPerson::setCarryState(cPerson::CARRY_NOTHING);
        decideArrival(dig);
        EXPECT_EQ(key::awAdecvStart(), c.run) << c.queued;
        EXPECT_EQ(key::awAdecvClick(), c.clicks) << c.queued;
    }
}

TEST_F(cPersonArrivalTest, AToolPutDownFliesHomeAndTheNewOneLeavesItsBuildingEmpty)
{
    cActionArea* well = makeArea(AAT_WATER_SOURCE, Vector2(100, 400));
    key::upgradeLevel(33) = 0;
    cDigBuilding* dig = cDigBuilding::getInstance();
    cMowBuilding* mow = cMowBuilding::getInstance();
    struct sCase {
        cActionArea* area;
        UInt carry;
        Int flight;
        const char* result;
        cToolBuilding* emptied;
    };
    for (const sCase& c : {sCase{dig, 6, cElasticAnimation::EA_SCYTHE + Int(workplace::mowLevel()), "spade", dig},
                           sCase{mow, 2, cElasticAnimation::EA_SPADE + Int(workplace::digLevel()), "scythe", mow},
                           sCase{well, 2, cElasticAnimation::EA_SPADE + Int(workplace::digLevel()), "bucket", nullptr},
                           sCase{dig, 1, cElasticAnimation::EA_WATER_CAN, "spade", dig}}) {
        person().getDealer().setTask(new cPersonIdle());
        cPerson::setCarryState(c.carry);
        person().setPos(Vector2(500, 500), true);
        decideArrival(c.area);
        EXPECT_EQ(state(), c.result);
        cElasticAnimation& flight = *cElasticAnimation::getInstance();
        EXPECT_TRUE(flight.isFlying()) << c.result;
        EXPECT_EQ(Int(flight.getFlightType()), c.flight) << c.result;
        m_engine.frames(100);
        if (c.emptied) {
            EXPECT_TRUE(c.emptied->isShowingNoTool()) << c.result;
        }
    }
}

// Once shown, a hint comes back for the same trouble only after a rest a player can read in;
// another trouble brings it sooner.
TEST(PersonTipGate, AHintFiresOnlyOnTheThirdQuickAttempt)
{
    struct sCase {
        std::vector<Float> times;
        std::vector<Bool> fired;
        // What each attempt is about; none given: all the same.
        std::vector<UInt> troubles;
    };
    for (const sCase& c : {sCase{{0, 1, 2, 3, 4, 5}, {false, false, true, false, false, false}, {}},
                           sCase{{0, 4, 8, 12}, {false, false, false, false}, {}},
                           sCase{{0, 1, 5, 6, 7}, {false, false, false, true, false}, {}},
                           sCase{{0, 1, 2, 3, 4, 5}, {false, false, true, false, true, false}, {1, 1, 1, 2, 2, 2}},
                           sCase{{0, 1, 2, 33, 34, 35}, {false, false, true, false, false, true}, {}}}) {
        cPersonTipGate gate;
        for (size_t i = 0; i < c.times.size(); ++i)
            EXPECT_EQ(gate.attempt(c.times[i], c.troubles.empty() ? 0 : c.troubles[i]), c.fired[i]) << c.times[i];
    }
}

} // namespace
