#include "Game/Farm/Worker/Jobs/PersonIdle.h"
#include "Game/Farm/Worker/PersonFacing.h"
#include "Game/Farm/Worker/PersonHarness.h"
#include "Game/Farm/Worker/PersonWorkplace.h"
#include "Ui/controls/Picture.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

namespace {

using cPersonQueueTest = cPersonTest;

// The marks of the jobs waiting on _area, in queue order: offset from the area and depth above it.
std::vector<std::pair<Float, Float>> marks(const cPerson& _person, cActionArea* _area)
{
    std::vector<std::pair<Float, Float>> found;
    for (const cPerson::sJob& job : _person.getQueue())
        if (job.area == _area)
            found.push_back({job.mark->getPosition().x - _area->getPosition().x, job.mark->getDeep() - _area->getDeep()});
    return found;
}

TEST_F(cPersonQueueTest, MarksStandOnTheClickOffsetsAndMoveUpWhenAJobEnds)
{
    cFarmFieldTile* field = makeField(0, Vector2(300, 300));
    for (int i = 0; i < 3; ++i)
        field->goToNextParking();
    using tMarks = std::vector<std::pair<Float, Float>>;
    EXPECT_EQ(marks(person(), field), (tMarks{{-10, 100}, {0, 101}, {10, 102}}));
    EXPECT_EQ(person().acquireTask(), field);
    person().killCurrentTask();
    EXPECT_EQ(marks(person(), field), (tMarks{{-10, 100}, {0, 101}}));
    EXPECT_EQ(field->getQueued(), 2u);
}

TEST_F(cPersonQueueTest, ClearingTheQueueReturnsEveryCountToZero)
{
    cFarmFieldTile* field = makeField(0, Vector2(300, 300));
    cActionArea* warehouse = makeArea(AAT_WAREHOUSE, Vector2(100, 400));
    for (cActionArea* area : {static_cast<cActionArea*>(field), warehouse, static_cast<cActionArea*>(field)})
        area->goToNextParking();
    person().acquireTask();
    person().clearTaskList();
    person().setDropCurrentTask(true);
    EXPECT_TRUE(person().getQueue().empty());
    EXPECT_EQ(person().getCurrentJob().area, nullptr);
    EXPECT_EQ(field->getQueued(), 0u);
    EXPECT_EQ(warehouse->getQueued(), 0u);
    // A package whose count stayed up would refuse clicks for good: the next click counts from 0.
    field->goToNextParking();
    EXPECT_EQ(marks(person(), field).front().second, 100);
}

TEST_F(cPersonQueueTest, AUsedUpPackageTakesOnlyItsWaitingJobs)
{
    cActionArea* package = makeArea(AAT_SEED_PACKAGE, Vector2(200, 200));
    cFarmFieldTile* field = makeField(0, Vector2(300, 300));
    package->goToNextParking();
    field->goToNextParking();
    package->goToNextParking();
    person().removeTasksWithDestroyedPacket(package);
    ASSERT_EQ(person().getQueue().size(), 1u);
    EXPECT_EQ(person().getQueue().front().area, field);
}

TEST_F(cPersonQueueTest, MarksLeftBehindByTheWorkerGoWithTheirArea)
{
    cActionArea* warehouse = new cActionArea(ground(), AAT_WAREHOUSE);
    load("<Area Visible=\"1\" Enable=\"1\" position=\"100 400\"><ClickOffsetList><O Offset=\"0 0\" /></ClickOffsetList></Area>",
         *warehouse);
    const size_t own = warehouse->getChildren().size();
    warehouse->goToNextParking();
    warehouse->goToNextParking();
    delete cPerson::getInstance();
    EXPECT_EQ(warehouse->getChildren().size(), own + 2) << "both marks stay with their area";
    delete warehouse;
    m_engine.frames(2);
}

TEST(PersonFacing, WalkingTurnsByTheAngleFromStraightUp)
{
    struct sCase {
        Vector2 dir;
        UInt direction;
        Bool mirror;
    };
    for (const sCase& c : {sCase{{0, -1}, 0, false}, sCase{{1, 0}, 2, true}, sCase{{-1, 0}, 2, false}, sCase{{0, 1}, 4, false},
                           sCase{{-1, -1}, 1, false}, sCase{{1, -1}, 1, true}, sCase{{1, 1}, 3, true},
                           sCase{{0.2f, -1}, 0, true}, sCase{{-1, 0.3f}, 2, false}}) {
        const sPersonFacing facing = walkFacing(c.dir, {2, false});
        EXPECT_EQ(facing.direction, c.direction) << c.dir.x << "," << c.dir.y;
        EXPECT_EQ(facing.mirror, c.mirror) << c.dir.x << "," << c.dir.y;
    }
    EXPECT_EQ(walkFacing({0, 0}, {3, true}), (sPersonFacing{3, true}));
}

TEST(PersonFacing, VehiclesFaceAlongTheAxes)
{
    struct sCase {
        Vector2 dir;
        sPersonFacing expected;
    };
    for (const sCase& c : {sCase{{100, 0}, {2, true}}, sCase{{-100, 0}, {2, false}}, sCase{{0, 100}, {4, true}},
                           sCase{{0, -100}, {0, true}}, sCase{{0, 0}, {1, true}}})
        EXPECT_EQ(driveFacing(c.dir, {1, true}), c.expected) << c.dir.x << "," << c.dir.y;
}

TEST(PersonFacing, TheHoseTurnsFromStraightDownToStraightLeft)
{
    struct sCase {
        Vector2 dir;
        UInt frames;
        UInt frame;
    };
    for (const sCase& c : {sCase{{1, 0}, 8, 7}, sCase{{-1, 0}, 8, 7}, sCase{{0, 1}, 8, 0}, sCase{{0, -1}, 8, 7},
                           sCase{{-1, 1}, 8, 4}, sCase{{1, 1}, 8, 7}, sCase{{-1, 0}, 0, 0}})
        EXPECT_EQ(hoseFrame(c.dir, c.frames), c.frame) << c.dir.x << "," << c.dir.y;
}

TEST_F(cPersonQueueTest, TheHoseFrameStaysWithinTheLoadedEmitters)
{
    person().setPosition(Vector2(300, 300));
    person().playHoseAnimation(Vector2(400, 300));
    EXPECT_EQ(person().getHoseFrame(), 2u);
    EXPECT_FLOAT_EQ(person().getWaterEmitterPosition().x, 303);
}

TEST_F(cPersonQueueTest, TheBasketIsFullAtTheMowingLevelsCapacity)
{
    const UInt capacity = workplace::basketCapacity();
    struct sCase {
        UInt crop1, crop3;
        Bool more;
    };
    for (const sCase& c : {sCase{0, 0, true}, sCase{capacity - 1, 0, true}, sCase{capacity - 1, 1, false}, sCase{capacity, 0, false}}) {
        cPerson::setCarriedGood(1, c.crop1);
        cPerson::setCarriedGood(3, c.crop3);
        EXPECT_EQ(cPerson::canCollectMore(), c.more) << c.crop1 << "+" << c.crop3;
        EXPECT_EQ(cPerson::getCarriedCount(), c.crop1 + c.crop3);
        EXPECT_EQ(cPerson::hasOtherGoods(1), c.crop3 != 0);
    }
}

TEST_F(cPersonQueueTest, ACarryStateReadBackMustBeOneTheLooksKnow)
{
    struct sCase {
        UInt stored;
        UInt started;
    };
    cFarmFieldTile* field = makeField(0, Vector2(300, 300));
    // 10 without a package held: the level state that had it was lost.
    for (const sCase& c : {sCase{0, 0}, sCase{1, 1}, sCase{2, 2}, sCase{6, 6}, sCase{3, 0}, sCase{5, 0}, sCase{7, 0},
                           sCase{9, 0}, sCase{10, 0}}) {
        delete cPerson::getInstance();
        key::PCarry() = c.stored;
        new cPerson(ground());
        EXPECT_EQ(cPerson::getCarryState(), c.started) << c.stored;
        EXPECT_LT(cPerson::getLook(), cPerson::LOOK_COUNT);
        // Without a job left under way he stands idle, sideways as a new game's worker,
        // and the next click is his next order.
        EXPECT_EQ(person().getDirection(), cPerson::DIRECTION_SIDE) << c.stored;
        EXPECT_FALSE(person().getInverceX()) << c.stored;
        EXPECT_TRUE(person().isIdlePose() && person().getJob() == cPerson::NO_JOB) << c.stored;
        ASSERT_NE(task<cPersonIdle>(), nullptr) << c.stored;
        field->goToNextParking();
        m_engine.frame();
        EXPECT_EQ(task<cPersonIdle>(), nullptr) << c.stored << ": the order taken";
        person().clearTaskList();
    }
}

TEST_F(cPersonQueueTest, AWorkerWithoutSpeedIsRefused)
{
    for (const char* speed : {"0", "-5", "nan"}) {
        const std::string text = thrownText([&] { load("<Person Speed=\"" + std::string(speed) + "\" />", person()); });
        EXPECT_NE(text.find("Speed"), std::string::npos) << speed;
    }
}

TEST_F(cPersonQueueTest, TheWorkerStandsWhereTheVariablesSayRelativeToTheGround)
{
    person().setPos(Vector2(ground()->asControl()->getPosition().x + 120, ground()->asControl()->getPosition().y + 80), true);
    EXPECT_FLOAT_EQ(key::XPersPos(), 120);
    EXPECT_FLOAT_EQ(key::YPersPos(), 80);
    delete cPerson::getInstance();
    new cPerson(ground());
    EXPECT_FLOAT_EQ(person().getPosition().x, ground()->asControl()->getPosition().x + 120);
}

TEST_F(cPersonQueueTest, LoopingSoundsPlayUntilStoppedAndOthersFireAndForget)
{
    for (UInt type = 0; type < cPerson::SOUND_COUNT; ++type) {
        const auto sound = cPerson::eSoundType(type);
        person().playSound(sound);
        const Bool looping = type != cPerson::WORK_SEED && type != cPerson::WORK_WELL && type != cPerson::STUFF_WAREHOUSE;
        EXPECT_EQ(person().isLoopSoundPlaying(sound), looping) << type;
        person().stopLoopSound(sound);
        EXPECT_FALSE(person().isLoopSoundPlaying(sound)) << type;
    }
}

} // namespace
