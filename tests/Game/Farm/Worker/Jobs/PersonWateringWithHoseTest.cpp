#include "Game/Farm/Water/HoseEffect.h"
#include "Game/Farm/Worker/PersonHarness.h"
#include "Game/Farm/Worker/Jobs/PersonIdle.h"
#include "Game/Farm/Worker/PersonMoveBasic.h"
#include "Game/Farm/Worker/Jobs/PersonStayWithHose.h"
#include "Game/Farm/Worker/Jobs/PersonTimedJob.h"
#include "Game/Farm/Worker/Jobs/PersonWateringWithHose.h"
#include "Game/Farm/Water/WaterSource.h"
#include "Ui/boxes/ProgressFloat.h"

#include <gtest/gtest.h>

namespace {

// The hand pump (level 1) gives 8 a second; fields hold 100.
class cHoseTest : public cPersonTest {
protected:
    cHoseTest()
    {
        key::upgradeLevel(33) = 1;
        source().updateUpgrade();
    }
    cWaterSource& source() { return *cWaterSource::getInstance(); }
    cHoseEffect& hose() { return *cFarm::getInstance()->getHoseEffect(); }
    void standWithHose()
    {
        person().getDealer().setTask(new cPersonStayWithHose());
        m_engine.frame();
    }
    // Runs frames until _done or a limit; the frames run.
    template <class F> int runUntil(F _done, int _limit = 3000)
    {
        int n = 0;
        while (!_done() && n < _limit) {
            m_engine.frame();
            ++n;
        }
        return n;
    }
};

TEST_F(cHoseTest, AtThePumpTheWorkerTakesTheHoseAndStandsBesideIt)
{
    key::PCarry() = cPerson::CARRY_SPADE;
    standAt(Vector2(500, 400));
    person().addActionArea(&source(), source().getNextClickPoint());
    source().addQueued();
    runUntil([&] { return task<cPersonStayWithHose>() != nullptr; });
    ASSERT_NE(task<cPersonStayWithHose>(), nullptr);
    EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_HOSE));
    EXPECT_TRUE(source().showsNoInstrument()) << "the hose is in the worker's hands";
    EXPECT_EQ(person().getPosition().x, source().getPosition().x + cPersonStayWithHose::STAND_X);
    EXPECT_EQ(person().getPosition().y, source().getPosition().y + cPersonStayWithHose::STAND_Y);
}

TEST_F(cHoseTest, TheWorkerWatersTheFieldThenKeepsStandingThroughSprinkleAndPumpJobs)
{
    cFarmFieldTile* field = makeField(0, Vector2(400, 300));
    cActionArea* sprinkle = makeArea(AAT_SPRINKLE, Vector2(450, 300));
    standWithHose();
    for (cActionArea* area : {static_cast<cActionArea*>(field), sprinkle, static_cast<cActionArea*>(&source())}) {
        person().addActionArea(area, area->getNextClickPoint());
        area->addQueued();
    }
    m_engine.frame();
    ASSERT_NE(task<cPersonWateringWithHose>(), nullptr);
    EXPECT_TRUE(hose().isActive()) << "the jet is on";
    const int frames = runUntil([&] { return task<cPersonWateringWithHose>() == nullptr; });
    // 100 at 8 a second: 12.5 s of 20 ms frames.
    EXPECT_NEAR(frames, 625, 2);
    EXPECT_FLOAT_EQ(field->getWater(), 100);
    EXPECT_FALSE(hose().isActive());
    ASSERT_NE(task<cPersonStayWithHose>(), nullptr);
    m_engine.frames(3);
    EXPECT_NE(task<cPersonStayWithHose>(), nullptr) << "the sprinkle and the pump send the worker nowhere";
    EXPECT_EQ(person().getCurrentJob().area, nullptr) << "the pump's job is done at once";
    EXPECT_TRUE(person().getQueue().empty());
    EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_HOSE));
}

TEST_F(cHoseTest, ASprinkleTakenLastStaysTheCurrentJob)
{
    cActionArea* sprinkle = makeArea(AAT_SPRINKLE, Vector2(450, 300));
    standWithHose();
    person().addActionArea(sprinkle, sprinkle->getNextClickPoint());
    sprinkle->addQueued();
    m_engine.frames(3);
    EXPECT_EQ(person().getCurrentJob().area, sprinkle);
    EXPECT_NE(task<cPersonStayWithHose>(), nullptr);
}

TEST_F(cHoseTest, AnyOtherAreaPutsTheHoseDownAndTheWorkerWalksThere)
{
    cActionArea* warehouse = makeArea(AAT_WAREHOUSE, Vector2(600, 300));
    standWithHose();
    person().addActionArea(warehouse, warehouse->getNextClickPoint());
    warehouse->addQueued();
    m_engine.frame();
    EXPECT_NE(task<cPersonMoveBasic>(), nullptr);
    EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_NOTHING));
    EXPECT_FALSE(source().showsNoInstrument()) << "the hose is back at the pump";
}

TEST_F(cHoseTest, SprayingEndsEvenWhenTheFieldDrinksAsFastAsTheHoseGives)
{
    struct sRun {
        const char* what;
        Float start;
        Float drink;  // a second, taken back each step
        Float seconds;
    };
    // Dry it takes 100 / 8 = 12.5 s; a field that drinks all of it stops at twice that.
    for (const sRun& run : {sRun{"dry", 0, 0, 12.5f}, sRun{"half full", 50, 0, 6.25f}, sRun{"drinking", 0, 8, 25.0f},
                            sRun{"drinking more", 0, 20, 25.0f}}) {
        cFarmFieldTile* field = makeField(0, Vector2(400, 300));
        field->setWater(run.start);
        cPersonWateringWithHose job(field);
        job.onStart();
        EXPECT_FLOAT_EQ(job.getFlow(), 8.0f);
        Float elapsed = 0;
        for (int i = 0; i < 10000; ++i) {
            elapsed += 0.02f;
            if (job.pour(0.02f))
                break;
            field->setWater(std::max(0.0f, field->getWater() - run.drink * 0.02f));
        }
        EXPECT_NEAR(elapsed, run.seconds, 0.03f) << run.what;
        cFarm::getInstance()->hideHose();
        person().stopLoopSound(cPerson::WORK_HOSE);
        delete field;
    }
}

TEST_F(cHoseTest, ARightClickTakesTheWorkerOffTheField)
{
    cFarmFieldTile* field = makeField(0, Vector2(400, 300));
    standWithHose();
    person().addActionArea(field, field->getNextClickPoint());
    field->addQueued();
    m_engine.frames(10);
    ASSERT_NE(task<cPersonWateringWithHose>(), nullptr);
    person().clearTaskList();
    person().setDropCurrentTask(true);
    m_engine.frame();
    EXPECT_NE(task<cPersonStayWithHose>(), nullptr);
    EXPECT_LT(field->getWater(), 100.0f);
    EXPECT_FALSE(person().isLoopSoundPlaying(cPerson::WORK_HOSE));
}

TEST_F(cHoseTest, UpgradingFromTheWellTakesTheCanAndTheNextClickGivesTheHose)
{
    key::upgradeLevel(33) = 0;
    key::upgradeAvail(cGame::WATER_SOURCE) = 2;
    // Below the thousand that would stop the game for an award.
    key::Money() = 900;
    source().updateUpgrade();
    key::PCarry() = cPerson::CARRY_CAN;
    cPerson::setWaterLevel(3);
    source().buyUpgrade();
    EXPECT_EQ(source().getUpgrade(), 1);
    EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_NOTHING));
    EXPECT_FALSE(person().getWaterBar()->isOwnVisible());
    m_engine.frame();
    EXPECT_NE(task<cPersonIdle>(), nullptr);
    person().addActionArea(&source(), source().getNextClickPoint());
    source().addQueued();
    runUntil([&] { return task<cPersonStayWithHose>() != nullptr; });
    EXPECT_NE(task<cPersonStayWithHose>(), nullptr);
}

// A farm of one bed, 10 of 100 water in it, with the worker left by the pump as the case says
// and the game then come back to.
class cHoseReturnTest : public cPersonTest {
protected:
    cHoseReturnTest()
        : cPersonTest({{"UI/gameUI/farm.xml", makeXml16("<Farm Visible=\"1\" Enable=\"1\"><FieldArray>"
                                                        "<F UpgradeIndex=\"0\" Center=\"400 300\" /></FieldArray></Farm>")}})
    {
    }
    cFarmFieldTile& bed() { return *cFarm::getInstance()->getFields().at(0); }
    template <class T> bool is() { return task<T>() != nullptr; }
};

// Left standing with the hose, the worker stands by the pump again; left spraying, he sprays on
// for the time the spraying still had (3 s of the hand pump's 8 a second) and is then done with
// it; where the hose can spray no more (no hose in hand, a well where the pump stood), the bed
// keeps the water the spraying would have given it.
TEST_F(cHoseReturnTest, AWorkerLeftWithTheHoseGoesOnWhereHeStood)
{
    enum eThen { STANDS, SPRAYS, WAITS };
    struct sCase {
        const char* what;
        UInt carry;
        Int pump;
        UInt job;
        eThen then;
        Float water;
    };
    constexpr UInt HOSE = cPerson::CARRY_HOSE;
    const sCase cases[] = {
        {"standing with the hose", HOSE, 1, cPersonTimedJob::NO_KIND, STANDS, 10},
        {"spraying", HOSE, 1, cPersonTimedJob::WATER_WITH_HOSE, SPRAYS, 10 + 3 * 8},
        {"spraying, the hose no longer in hand", cPerson::CARRY_NOTHING, 1, cPersonTimedJob::WATER_WITH_HOSE, WAITS, 100},
        {"spraying, a well where the pump stood", HOSE, 0, cPersonTimedJob::WATER_WITH_HOSE, STANDS, 100},
    };
    for (const sCase& c : cases) {
        key::upgradeLevel(33) = c.pump;
        cWaterSource::getInstance()->updateUpgrade();
        key::PCarry() = c.carry;
        key::PJob() = c.job;
        key::PJobField() = 0;
        key::PJobLeft() = 3;
        bed().setWater(10);
        delete cPerson::getInstance();
        new cPerson(ground());
        EXPECT_EQ(is<cPersonWateringWithHose>(), c.then == SPRAYS) << c.what;
        if (c.then == SPRAYS) {
            for (int i = 0; i < 1000 && is<cPersonWateringWithHose>(); ++i)
                m_engine.frame();
            EXPECT_EQ(key::PJob(), UInt(cPersonTimedJob::NO_KIND)) << "a spraying done is not taken up again";
        }
        EXPECT_EQ(is<cPersonStayWithHose>(), c.then != WAITS) << c.what;
        EXPECT_NEAR(bed().getWater(), c.water, 0.2f) << c.what;
    }
}

} // namespace
