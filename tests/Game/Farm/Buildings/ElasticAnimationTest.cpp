#include "Game/Farm/Buildings/ElasticAnimation.h"
#include "Game/Farm/Farm.h"
#include "Ui/controls/Picture.h"
#include "Game/GameHarness.h"
#include "platform/headless/HeadlessSoundLibrary.h"

#include <cmath>

namespace {

class cElasticAnimationTest : public cGameTest {
protected:
    cElasticAnimation& flight() { return *cElasticAnimation::getInstance(); }
    cView* ground() { return cFarm::getInstance()->getSlidingPicture(); }
};

struct sFlightTime {
    Float speed;
    Float accelerate;
    Float distance;
    Float seconds;
};

TEST_F(cElasticAnimationTest, AFlightTakesTheTimeThatCoversItsDistance)
{
    const sFlightTime cases[] = {
        {0, 200, 100, 1.0f},                       // from rest: sqrt(2 d / A)
        {0, 50, 400, 4.0f},
        {100, 200, 200, 1.0f},                     // 100 + 100
        {60, 900, 300, (std::sqrt(3600.0f + 540000.0f) - 60.0f) / 900.0f},
    };
    for (const sFlightTime& c : cases) {
        const Float t = cElasticAnimation::getFlightTime(c.speed, c.accelerate, c.distance);
        EXPECT_FLOAT_EQ(t, c.seconds) << c.speed << " " << c.accelerate << " " << c.distance;
        EXPECT_NEAR(c.speed * t + c.accelerate * t * t / 2, c.distance, 1e-3f);
    }
}

TEST_F(cElasticAnimationTest, TheToolFliesFromTheWorkerAndLandsOnTheBuilding)
{
    // 200 px from 100 px/s under 200 px/s²: one second.
    flight().makeFly(Vector2(100, 400), Vector2(100, 200), cElasticAnimation::EA_SCYTHE, nullptr);
    EXPECT_TRUE(flight().isOwnVisible());
    EXPECT_EQ(flight().getPosition(), Vector2(100, 400));
    EXPECT_EQ(flight().getAnimColumns(), 6u) << "the look of type 5";
    EXPECT_FLOAT_EQ(flight().getRemainingTime(), 1.0f);
    m_engine.frames(25);
    EXPECT_TRUE(flight().isFlying());
    // Half the time covers less than half the way: it speeds up.
    EXPECT_LT(flight().getPosition().y, 400.0f - 60.0f);
    EXPECT_GT(flight().getPosition().y, 300.0f);
    EXPECT_NEAR(flight().getAngle(), 90.0f * (1.0f - flight().getRemainingTime()), 1e-3f) << "a quarter turn a second";
    m_engine.frames(30);
    EXPECT_FALSE(flight().isFlying());
    EXPECT_FALSE(flight().isOwnVisible());
    EXPECT_NEAR(flight().getPosition().y, 200.0f, 10.0f);
}

TEST_F(cElasticAnimationTest, AFlightToItsOwnStartDoesNothingAndAPackageGoneBeforeTheLandingIsLeftAlone)
{
    auto* package = new cPicture(ground());
    package->hide();
    auto& sound = m_engine.platform().getHeadlessSoundLibrary();
    sound.clearCalls();
    flight().makeFly(Vector2(40, 40), Vector2(40, 40), cElasticAnimation::EA_SEED_PACKAGE, package);
    m_engine.frames(5);
    EXPECT_FALSE(flight().isFlying());
    EXPECT_FALSE(flight().isOwnVisible());
    EXPECT_FALSE(package->isOwnVisible());
    EXPECT_EQ(sound.countCalls("play"), 0);
    flight().makeFly(Vector2(0, 0), Vector2(30, 40), cElasticAnimation::EA_SEED_PACKAGE, package);
    delete package;
    m_engine.frames(40);
    EXPECT_FALSE(flight().isFlying());
}

TEST_F(cElasticAnimationTest, ASeedPackageShowsWhenItLandsAndANewFlightLandsTheOneInTheAirFirst)
{
    auto* first = new cPicture(ground());
    auto* second = new cPicture(ground());
    first->hide();
    second->hide();
    flight().makeFly(Vector2(0, 0), Vector2(300, 400), cElasticAnimation::EA_SEED_PACKAGE, first);
    flight().makeFly(Vector2(0, 0), Vector2(0, 400), cElasticAnimation::EA_SEED_PACKAGE, second);
    EXPECT_TRUE(first->isOwnVisible());
    EXPECT_FALSE(second->isOwnVisible());
    m_engine.frames(10);
    EXPECT_FALSE(second->isOwnVisible()) << "still in the air";
    m_engine.frames(140);
    EXPECT_TRUE(second->isOwnVisible());
}

TEST_F(cElasticAnimationTest, AFlightWithoutAccelerationIsRefusedAtLoad)
{
    for (const char* accelerate : {"0", "-5", "x"})
        EXPECT_EQ(thrownText([&] { load(std::string("<E Speed=\"10\" Accelerate=\"") + accelerate + "\" />", flight()); }, true),
                  "Farm/ElasticAnimation.xml: Accelerate must be above 0.")
            << accelerate;
}

} // namespace
