#include "Game/Farm/Water/HoseEffect.h"
#include "Game/Farm/Farm.h"
#include "Game/GameRandom.h"
#include "Ui/views/Scavenger.h"
#include "Game/GameHarness.h"

#include <cmath>
#include <vector>

namespace {

// The game's random draws, scripted: each test says what comes next.
std::vector<UInt> s_draws;
size_t s_next = 0;
UInt scriptedRand()
{
    return s_draws.empty() ? 0 : s_draws[s_next++ % s_draws.size()];
}

// The farm's hose: 8 by 8 drops growing to twice that, 100 to 200 px/s, within 10 px.
class cHoseEffectTest : public cGameTest {
protected:
    ~cHoseEffectTest() override { setRandomSource(nullptr); }
    cHoseEffect& hose() { return *cFarm::getInstance()->getHoseEffect(); }
    void script(std::vector<UInt> _draws)
    {
        s_draws = std::move(_draws);
        s_next = 0;
        setRandomSource(&scriptedRand);
    }
};

struct sJet {
    Vector2 nozzle;
    Vector2 target;
    Float angle;
    UInt angleDraw;  // 0 aims 10 px right of the target, 8192 10 px below (a quarter turn)
    UInt speedDraw;  // 0 flies at 100 px/s, 32767 at 200
    Vector2 aim;
};

TEST_F(cHoseEffectTest, EveryDropLandsOnItsAimWhenItsTimeIsUp)
{
    const sJet table[] = {
        {{100, 100}, {190, 100}, 0, 0, 0, {200, 100}},
        {{100, 100}, {160, 180}, 30, 0, 32767, {170, 180}},
        {{300, 200}, {200, 250}, -45, 8192, 16384, {200, 240}},
        {{300, 200}, {300, 120}, 90, 16384, 0, {290, 120}},
    };
    for (const sJet& jet : table) {
        script({jet.angleDraw, jet.speedDraw});
        hose().startHose(jet.nozzle, jet.target, jet.angle);
        hose().step(0);
        ASSERT_EQ(hose().getParticles().size(), 1u);
        cWaterParticle* drop = hose().getParticles().back();
        hose().stop();
        EXPECT_EQ(drop->getPosition().x, jet.nozzle.x);
        EXPECT_EQ(drop->getPosition().y, jet.nozzle.y);
        const Float dx = jet.aim.x - jet.nozzle.x, dy = jet.aim.y - jet.nozzle.y;
        const Float speed = 100.0f + Float(jet.speedDraw) * 100.0f * 3.051851e-5f;
        EXPECT_NEAR(drop->getLife(), std::sqrt(dx * dx + dy * dy) / speed, 1e-4f);
        for (int i = 0; i < 8; ++i)
            drop->advance(drop->getLife() / 8);
        EXPECT_NEAR(drop->getPosition().x, jet.aim.x, 0.05f) << jet.angle;
        EXPECT_NEAR(drop->getPosition().y, jet.aim.y, 0.05f) << jet.angle;
        EXPECT_FALSE(drop->isFinished());
        drop->advance(0.001f);
        EXPECT_TRUE(drop->isFinished());
        hose().step(0);
        EXPECT_TRUE(hose().getParticles().empty());
    }
}

TEST_F(cHoseEffectTest, ADropGrowsAndFadesOverItsLife)
{
    cWaterParticle drop(*hose().getPrototype());
    drop.setLife(2.0f);
    struct sMoment {
        Float age;
        Float size;
        Float alpha;
    };
    // 8 px growing to twice that: linear in age; opaque for the first half of its life.
    const sMoment table[] = {{0.5f, 10, 1}, {1.0f, 12, 1}, {1.5f, 14, 0.5f}, {2.0f, 16, 0}};
    Float age = 0;
    for (const sMoment& moment : table) {
        drop.advance(moment.age - age);
        age = moment.age;
        EXPECT_NEAR(drop.getSize().x, moment.size, 1e-4f) << moment.age;
        EXPECT_NEAR(drop.getAlpha(), moment.alpha, 1e-4f) << moment.age;
    }
}

TEST_F(cHoseEffectTest, NoWayToFlyMakesNoDropButTakesItsTurn)
{
    // The nozzle on the target; then an aim pushed onto the nozzle by the spread.
    const std::pair<Vector2, Vector2> table[] = {{{100, 100}, {100, 100}}, {{100, 100}, {90, 100}}};
    for (const auto& [nozzle, target] : table) {
        script({0});
        hose().startHose(nozzle, target, 0);
        hose().step(0.25f);
        EXPECT_TRUE(hose().getParticles().empty()) << target.x;
        EXPECT_LT(hose().getAccumulator(), hose().getInterval());
    }
}

TEST_F(cHoseEffectTest, TheJetOutlivesItsLastDropAndItsStop)
{
    script({0, 0});
    cFarm::getInstance()->showHose({100, 100}, {190, 100}, 0);
    hose().step(0.2f);
    const size_t flying = hose().getParticles().size();
    ASSERT_GT(flying, 1u);
    cFarm::getInstance()->hideHose();
    hose().step(0.5f);
    EXPECT_EQ(hose().getParticles().size(), flying) << "drops in the air finish their way";
    for (cWaterParticle* drop : hose().getParticles())
        drop->advance(2.0f);
    hose().absoluteProcess();
    cScavenger::free();
    EXPECT_TRUE(hose().getParticles().empty());
    EXPECT_NE(cFarm::getInstance()->getHoseEffect(), nullptr);
}

TEST_F(cHoseEffectTest, ASpeedOrFrequencyNotAboveZeroIsRefused)
{
    for (const char* keys : {"Speed=\"0 100\"", "Speed=\"100 -5\"", "Speed=\"100 200\" Frequency=\"-3\"",
                             "Speed=\"100 200\" Frequency=\"0\""}) {
        const String error = thrownText([&] { load(std::string("<HoseEffect ") + keys + " />", hose()); });
        EXPECT_NE(error.find("above zero"), String::npos) << keys << ": " << error;
    }
}

} // namespace
