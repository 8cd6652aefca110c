#include "Game/Farm/Worker/PersonHarness.h"
#include "Game/Farm/Worker/Jobs/PersonIdle.h"
#include "Game/Farm/Worker/PersonMoveBasic.h"
#include "Game/Farm/Worker/PersonMoveTech.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class cPersonMoveTest : public cPersonTest {
protected:
    // A warehouse area whose goal (30 px below it) lies at _goal; one job queued on it.
    cActionArea* queueTo(const Vector2& _goal)
    {
        cActionArea* area = makeArea(AAT_WAREHOUSE, Vector2(_goal.x, _goal.y - 30));
        area->goToNextParking();
        return area;
    }
    Vector2 hotSpot() { return person().getHotSpotPosition(); }
};

TEST_F(cPersonMoveTest, AGoalWithinTwoPixelsEndsTheWalkAtItsFirstStep)
{
    standAt(Vector2(300, 300));
    queueTo(Vector2(301.5f, 298));
    const Vector2 before = person().getPosition();
    m_engine.frame();
    ASSERT_NE(task<cPersonMoveBasic>(), nullptr);
    EXPECT_TRUE(task<cPersonMoveBasic>()->isArrived());
    m_engine.frame();
    EXPECT_NE(task<cPersonIdle>(), nullptr);
    EXPECT_FLOAT_EQ(person().getPosition().x, before.x);
    EXPECT_FLOAT_EQ(person().getPosition().y, before.y);
}

TEST_F(cPersonMoveTest, AWalkTakesItsDistanceOverTheSpeedAndEndsWithTheHotSpotOnTheGoal)
{
    struct sCase {
        Vector2 goal;
        UInt direction;
    };
    // From (300, 300): 150 px to the right, 200 up, 120 down-left.
    for (const sCase& c : {sCase{{450, 300}, 2}, sCase{{300, 100}, 0}, sCase{{300 - 72, 300 + 96}, 3}}) {
        person().getDealer().setTask(new cPersonIdle());
        standAt(Vector2(300, 300));
        queueTo(c.goal);
        m_engine.frame();
        auto* walk = task<cPersonMoveBasic>();
        ASSERT_NE(walk, nullptr);
        const Vector2 start = hotSpot();
        const Float distance = std::hypot(c.goal.x - start.x, c.goal.y - start.y);
        EXPECT_NEAR(walk->getRemainingTime(), distance / 100, 1e-4) << c.goal.x;
        EXPECT_EQ(person().getDirection(), c.direction) << c.goal.x;
        m_engine.frames(int(distance / 100 / 0.02f) + 2);
        EXPECT_NE(task<cPersonIdle>(), nullptr) << c.goal.x;
        EXPECT_FLOAT_EQ(hotSpot().x, c.goal.x);
        EXPECT_FLOAT_EQ(hotSpot().y, c.goal.y);
    }
}

TEST_F(cPersonMoveTest, VehiclesDriveOneLegWhenNearlyInLineAndElseVerticalFirst)
{
    struct sCase {
        Vector2 offset;
        Bool oneLeg;
    };
    for (const sCase& c : {sCase{{9, 200}, true}, sCase{{-200, 9}, true}, sCase{{10, 10}, false}, sCase{{-120, -80}, false},
                           sCase{{150, 60}, false}}) {
        person().getDealer().setTask(new cPersonIdle());
        cPerson::setCarryState(cPerson::CARRY_SCYTHE);
        standAt(Vector2(300, 300));
        const Vector2 goal(hotSpot().x + c.offset.x, hotSpot().y + c.offset.y);
        queueTo(goal);
        m_engine.frame();
        auto* drive = task<cPersonMoveTech>();
        ASSERT_NE(drive, nullptr) << c.offset.x;
        EXPECT_EQ(drive->isOneLeg(), c.oneLeg) << c.offset.x;
        if (!c.oneLeg) {
            // Up or down first.
            EXPECT_EQ(person().getDirection(), c.offset.y > 0 ? cPerson::DIRECTION_DOWN : cPerson::DIRECTION_UP);
            const Float x = person().getPosition().x;
            m_engine.frame();
            EXPECT_FLOAT_EQ(person().getPosition().x, x) << "only y moves first";
        }
        m_engine.frames(300);
        EXPECT_NE(task<cPersonIdle>(), nullptr) << c.offset.x;
        EXPECT_NEAR(hotSpot().x, goal.x, 1e-3) << c.offset.x;
        EXPECT_NEAR(hotSpot().y, goal.y, 1e-3) << c.offset.y;
    }
}

TEST_F(cPersonMoveTest, ARightClickDuringAWalkStopsTheWorkerWhereItIs)
{
    standAt(Vector2(300, 300));
    cActionArea* area = queueTo(Vector2(500, 300));
    m_engine.frames(10);
    const Vector2 stopped = person().getPosition();
    person().clearTaskList();
    person().setDropCurrentTask(true);
    m_engine.frames(3);
    EXPECT_NE(task<cPersonIdle>(), nullptr);
    EXPECT_FALSE(person().isDropCurrentTask());
    EXPECT_NEAR(person().getPosition().x, stopped.x, 1e-3);
    EXPECT_EQ(area->getQueued(), 0u);
}

TEST_F(cPersonMoveTest, JobsAreServedInClickOrder)
{
    standAt(Vector2(300, 300));
    cActionArea* first = queueTo(Vector2(340, 300));
    cActionArea* second = queueTo(Vector2(340, 360));
    m_engine.frame();
    EXPECT_EQ(person().getCurrentJob().area, first);
    m_engine.frames(40);
    EXPECT_EQ(person().getCurrentJob().area, second);
    EXPECT_EQ(first->getQueued(), 0u);
}

} // namespace
