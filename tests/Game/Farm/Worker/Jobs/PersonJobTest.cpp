#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Worker/Jobs/PersonCollecting.h"
#include "Game/Farm/Worker/Jobs/PersonDropToWarehouse.h"
#include "Game/Farm/Worker/Jobs/PersonGetTool.h"
#include "Game/Farm/Worker/PersonHarness.h"
#include "Game/Farm/Worker/Jobs/PersonIdle.h"
#include "Game/Farm/Worker/Jobs/PersonPloughting.h"
#include "Game/Farm/Worker/Jobs/PersonWateringWithPot.h"
#include "Game/Farm/Worker/PersonWorkplace.h"
#include "Game/Farm/Buildings/WareHouse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

class cPersonJobTest : public cPersonTest {
protected:
    // Runs frames until the worker waits again; the seconds that took.
    Float workTime()
    {
        Float elapsed = 0;
        for (int i = 0; i < 1000 && !task<cPersonIdle>(); ++i) {
            m_engine.frame();
            elapsed += farm::frameTime();
        }
        return elapsed;
    }
    // The game left and come back to: the worker is made anew from the variables.
    void comeBack()
    {
        delete cPerson::getInstance();
        new cPerson(ground());
    }
};

TEST_F(cPersonJobTest, EachJobWorksItsTimeWithItsSoundThenLeavesItsMarkAndWaits)
{
    cFarmFieldTile* field = makeField(0, Vector2(300, 300));
    constexpr int NO_LOOP = -1;
    struct sCase {
        const char* what;
        std::function<cTask*()> make;
        Float duration;
        int loop;
        std::function<void()> check;
    };
    const sCase cases[] = {
        {"plough", [&] { return new cPersonPloughting(field); }, workplace::digTime(), cPerson::WORK_SHOVEL,
         [&] {
             EXPECT_EQ(key::FFC[0], 0u);
             EXPECT_EQ(key::FFS[0], UInt(cFarmFieldTile::FS_PLOUGHED));
             EXPECT_FLOAT_EQ(key::FFF[0], 50);
         }},
        {"take the spade", [] { return new cPersonGetSpade(); }, 0.4f, NO_LOOP,
         [] { EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_SPADE)); }},
        {"take the scythe", [] { return new cPersonGetScythe(); }, 0.6f, NO_LOOP,
         [] { EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_SCYTHE)); }},
        {"fill the can", [] { return new cPersonGetWBucket(); }, 0.8f, NO_LOOP,
         [] {
             EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_CAN));
             EXPECT_FLOAT_EQ(cPerson::getWaterLevel(), workplace::canCapacity());
         }},
        {"water 40 into a field with 30 free", [&] {
             key::FFW[0] = 70;
             cPerson::setWaterLevel(40);
             return new cPersonWateringWithPot(field);
         }, 2, cPerson::WORK_WATERING_CAN,
         [] {
             EXPECT_FLOAT_EQ(key::FFW[0], 100);
             EXPECT_FLOAT_EQ(cPerson::getWaterLevel(), 10);
         }},
        {"harvest", [&] {
             key::FFC[0] = 2;
             key::FFS[0] = cFarmFieldTile::FS_READY;
             cPerson::setCarriedGood(2, 1);
             key::awGrowType() = 0b1100;
             return new cPersonCollecting(field);
         }, workplace::mowTime(), cPerson::WORK_SCYTHE,
         [&] {
             EXPECT_EQ(cPerson::getCarriedGood(2), 2u);
             EXPECT_EQ(key::awQCollect(), 1u);
             EXPECT_NE(key::FFS[0], UInt(cFarmFieldTile::FS_READY));
             EXPECT_EQ(person().getJob(), cPerson::NO_JOB);
             EXPECT_EQ(key::awGrowType(), 0b1000) << "the last ripe field of its crop clears its grow bit";
         }},
        {"take the scythe, taken up again at a return with 0.2 s of it left", [this] {
             key::PJob() = cPersonTimedJob::GET_SCYTHE;
             key::PJobLeft() = 0.2f;
             comeBack();
             return person().getDealer().getTask();
         }, 0.2f, NO_LOOP, [] { EXPECT_EQ(cPerson::getCarryState(), UInt(cPerson::CARRY_SCYTHE)); }},
        {"fill the can, then the game left and come back to", [] { return new cPersonGetWBucket(); }, 0.8f, NO_LOOP,
         [this] {
             comeBack();
             EXPECT_NE(task<cPersonIdle>(), nullptr) << "a job done is not done again";
         }},
    };
    for (const sCase& c : cases) {
        // A case may make the worker anew.
        cTask* job = c.make();
        person().getDealer().setTask(job);
        if (c.loop != NO_LOOP) {
            EXPECT_TRUE(person().isLoopSoundPlaying(cPerson::eSoundType(c.loop))) << c.what;
        }
        EXPECT_NEAR(workTime(), c.duration, 0.03f) << c.what;
        if (c.loop != NO_LOOP) {
            EXPECT_FALSE(person().isLoopSoundPlaying(cPerson::eSoundType(c.loop))) << c.what;
        }
        c.check();
    }
}

TEST_F(cPersonJobTest, TheWarehouseTakesLowerCropsFirstAndTheRestStaysInTheBasket)
{
    cWareHouse& warehouse = *cWareHouse::getInstance();
    warehouse.addGoods(8, warehouse.getFreeSpace() - 6, false, false);
    ASSERT_EQ(warehouse.getFreeSpace(), 6u);
    cPerson::setCarriedGood(1, 5);
    cPerson::setCarriedGood(3, 4);
    person().getDealer().setTask(new cPersonDropToWarehouse());
    EXPECT_NEAR(workTime(), 0.5f, 0.03f);
    EXPECT_EQ(warehouse.getGoodCount(1), 5u);
    EXPECT_EQ(warehouse.getGoodCount(3), 1u);
    EXPECT_EQ(cPerson::getCarriedGood(1), 0u);
    EXPECT_EQ(cPerson::getCarriedGood(3), 3u);
}

} // namespace
