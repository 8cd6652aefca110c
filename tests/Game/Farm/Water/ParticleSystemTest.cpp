#include "Game/Farm/Farm.h"
#include "Game/Farm/Water/ParticleSystem.h"
#include "Ui/controls/Picture.h"
#include "Ui/views/Scavenger.h"
#include "Ui/views/ViewWatch.h"
#include "Game/GameHarness.h"

#include <cmath>
#include <limits>

namespace {

class cTestParticle : public cPicture {
public:
    using cPicture::cPicture;
    Bool done = false;
};

// Makes a particle each step unless told to make none.
class cTestSystem : public cParticleSystemMy<cTestParticle> {
public:
    cTestSystem(cView* _parent, fVerify _verify, Float _frequency = 15.0f)
        : cParticleSystemMy<cTestParticle>(_parent, 7, _verify, _frequency)
    {
    }
    Bool makeNone = false;
    UInt calls = 0;

protected:
    cTestParticle* genFunc() override
    {
        ++calls;
        return makeNone ? nullptr : new cTestParticle(this);
    }
};

Bool isDone(cTestParticle* _particle)
{
    return _particle->done;
}

class cParticleSystemTest : public cGameTest {
protected:
    cTestSystem* make(cTestSystem::fVerify _verify = &isDone)
    {
        return new cTestSystem(cFarm::getInstance()->getSlidingPicture(), _verify);
    }
};

struct sEmission {
    const char* name;
    Int mode;  // -1 endless, 0 count, 1 time
    Float limit;  // count, or seconds
    Float frame;
    UInt made;
    Float kept;
    Bool active;
};

TEST_F(cParticleSystemTest, TheAccumulatorEmitsByTimeNotByFrames)
{
    // At 15 a second the step after the start emits one; then the frame below is measured.
    const sEmission table[] = {
        {"endless, a quarter second", -1, 0, 0.25f, 3, 0.05f, true},
        {"endless, a short frame", -1, 0, 0.05f, 0, 0.05f, true},
        {"endless, a long frame", -1, 0, 1.0f, 15, 0.0f, true},
        {"three in all", 0, 3, 0.25f, 2, 0.05f + 1.0f / 15, false},
        {"for a fifth of a second", 1, 0.2f, 1.0f, 15, 0.0f, false},
    };
    for (const sEmission& row : table) {
        cTestSystem* system = make();
        if (row.mode == 0)
            system->startCount(UInt(row.limit));
        else
            system->startTime(row.mode < 0 ? 0.0f : row.limit);
        system->step(0);
        ASSERT_EQ(system->getParticles().size(), 1u) << row.name;
        system->step(row.frame);
        EXPECT_EQ(system->getParticles().size(), 1u + row.made) << row.name;
        EXPECT_NEAR(system->getAccumulator(), row.kept, 1e-5f) << row.name;
        EXPECT_EQ(system->isActive(), row.active) << row.name;
        EXPECT_EQ(system->isEndless(), row.mode < 0) << row.name;
        delete system;
    }
}

TEST_F(cParticleSystemTest, StepsThatMakeNothingStillUseTheAccumulator)
{
    for (Int mode : {-1, 0, 1}) {
        cTestSystem* system = make();
        system->makeNone = true;
        if (mode == 0)
            system->startCount(2);
        else
            system->startTime(mode < 0 ? 0.0f : 10.0f);
        system->step(0.25f);
        EXPECT_EQ(system->calls, 4u) << mode;
        EXPECT_TRUE(system->getParticles().empty()) << mode;
        EXPECT_LT(system->getAccumulator(), system->getInterval()) << mode;
        delete system;
    }
}

TEST_F(cParticleSystemTest, AStoppedSystemLetsItsParticlesFinish)
{
    cTestSystem* system = make();
    system->startTime(0);
    system->step(0.2f);
    const size_t flying = system->getParticles().size();
    system->stop();
    system->step(1.0f);
    EXPECT_EQ(system->getParticles().size(), flying);
    system->getParticles().front()->done = true;
    system->step(0);
    EXPECT_EQ(system->getParticles().size(), flying - 1);
    delete system;
}

TEST_F(cParticleSystemTest, AOneShotSystemGoesWithItsLastParticle)
{
    cTestSystem* system = make();
    cViewWatch watch(system);
    system->startCount(2);
    system->step(0.1f);
    ASSERT_EQ(system->getParticles().size(), 2u);
    system->process();
    cScavenger::free();
    ASSERT_TRUE(watch);
    for (cTestParticle* particle : system->getParticles())
        particle->done = true;
    system->process();
    cScavenger::free();
    EXPECT_FALSE(watch);
}

TEST_F(cParticleSystemTest, WithoutAVerificationFunctionItRefusesToRun)
{
    cTestSystem* system = make(nullptr);
    system->startTime(0);
    EXPECT_THROW(system->step(0.1f), const char*);
    delete system;
}

TEST_F(cParticleSystemTest, AFrequencyNotAboveZeroIsRefused)
{
    cView* ground = cFarm::getInstance()->getSlidingPicture();
    for (Float frequency : {0.0f, -15.0f, std::numeric_limits<Float>::quiet_NaN(), std::numeric_limits<Float>::infinity()})
        EXPECT_THROW(cTestSystem(ground, &isDone, frequency), String) << frequency;
}

} // namespace
