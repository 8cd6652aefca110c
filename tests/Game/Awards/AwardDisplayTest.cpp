#include "Game/GameKeys.h"
#include "Game/Awards/Award.h"
#include "Game/Awards/AwardFiles.h"
#include "Game/Awards/AwardTip.h"
#include "Ui/views/ViewFile.h"
#include "engine/progress/GameVariables.h"
#include "support/EngineHarness.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The award files over the headless engine, frames of 20 ms.
class AwardDisplay : public ::testing::Test {
protected:
    AwardDisplay() : m_engine(cEngineHarness::DEFAULT_SETTINGS, awardFiles(), cEngineHarness::eRenderer::recording) {}
    ~AwardDisplay() override
    {
        delete m_award;
        delete m_tip;
        clearProperties();
    }

    cAward& award()
    {
        m_award = new cAward(nullptr, 0);
        m_award->show();
        m_award->enable();
        return *m_award;
    }
    cAwardTip& tip()
    {
        m_tip = new cAwardTip(nullptr);
        loadViewFile(m_tip, "UI/AwardTip.xml");
        return *m_tip;
    }
    // Frames until the award leaves _state, at most _limit.
    int framesIn(Int _state, int _limit = 200)
    {
        int frames = 0;
        for (; frames < _limit && m_award->getState() == _state; ++frames)
            m_engine.frame();
        return frames;
    }
    int plays() { return m_engine.platform().getHeadlessSoundLibrary().countCalls("play"); }

    cEngineHarness m_engine;
    cAward* m_award = nullptr;
    cAwardTip* m_tip = nullptr;
};

TEST_F(AwardDisplay, GrowsInToFullSizeOnThePanelWithItsSoundOnceThenPlaysItsEffect)
{
    cAward& a = award();
    const int before = plays();
    EXPECT_EQ(a.getSize(), Vector2(0, 0));
    // Twenty steps of 0.05, give or take the rounding of their sum.
    EXPECT_NEAR(framesIn(cAward::GROWING), 20, 1);
    EXPECT_EQ(a.getState(), cAward::EFFECT);
    EXPECT_FLOAT_EQ(a.getGrowth(), 1.0f);
    EXPECT_EQ(a.getSize(), Vector2(80, 80));
    EXPECT_EQ(a.getPosition(), Vector2(400, 300));
    EXPECT_EQ(a.getRenderType() & cAward::SCALED_RENDER, 0u);
    framesIn(cAward::EFFECT);
    EXPECT_EQ(a.getState(), cAward::GROWN);
    m_engine.frames(5);
    EXPECT_EQ(plays() - before, 1);
}

struct sFlight {
    const char* what;
    Vector2 target;
    int frames;
};

TEST_F(AwardDisplay, TheFlightEndsExactlyOnTheTargetAtTheButtonsSize)
{
    // 500 pixels a second: 10 a frame, from the panel at (400, 300).
    const sFlight flights[] = {
        {"whole steps", {500, 300}, 10},
        {"the last step overshoots", {505, 300}, 11},
        {"slanted", {403, 296}, 1},
        {"the target is the panel", {400, 300}, 1},
    };
    for (const sFlight& flight : flights) {
        cAward& a = award();
        a.setPosition(a.getPanelPosition());
        a.setTarget(flight.target);
        a.setState(cAward::FLYING);
        EXPECT_NEAR(framesIn(cAward::FLYING), flight.frames, 1) << flight.what;
        EXPECT_EQ(a.getState(), cAward::AT_REST) << flight.what;
        EXPECT_EQ(a.getPosition(), flight.target) << flight.what;
        EXPECT_EQ(a.getSize(), Vector2(40, 40)) << flight.what;
        delete m_award;
        m_award = nullptr;
    }
    // Half-way the award is half-way between its sizes.
    cAward& a = award();
    a.setPosition(a.getPanelPosition());
    a.setTarget(Vector2(500, 300));
    a.setState(cAward::FLYING);
    m_engine.frames(5);
    EXPECT_NEAR(a.getSize().x, 60.0f, 0.01f);
    EXPECT_NE(a.getRenderType() & cAward::SCALED_RENDER, 0u);
}

TEST_F(AwardDisplay, AnAwardSwellsUnderThePointerAndShrinksOnlyAfterItsEffectEnds)
{
    cAward& a = award();
    a.setState(cAward::AT_REST);
    a.setState(cAward::SWELLING);
    EXPECT_EQ(framesIn(cAward::SWELLING), 5);
    EXPECT_EQ(a.getState(), cAward::SWOLLEN);
    EXPECT_TRUE(a.isHoverReached());
    EXPECT_EQ(a.getSize(), Vector2(60, 60));
    EXPECT_FLOAT_EQ(a.getDeep(), 901.5f);
    m_engine.frames(2);
    a.setState(cAward::SHRINKING);
    m_engine.frames(6);
    EXPECT_FLOAT_EQ(a.getGrowth(), 1.0f);
    EXPECT_EQ(a.getState(), cAward::SHRINKING) << "the effect still runs";
    framesIn(cAward::SHRINKING);
    EXPECT_EQ(a.getState(), cAward::AT_REST);
    EXPECT_GE(a.getAnimTime(), 0.0f);
    EXPECT_EQ(a.getSize(), Vector2(40, 40));
}

TEST_F(AwardDisplay, APointerLeavingBeforeTheSwellEndsShrinksItStraightBack)
{
    cAward& a = award();
    a.setState(cAward::AT_REST);
    a.setState(cAward::SWELLING);
    m_engine.frames(2);
    a.setState(cAward::SHRINKING);
    EXPECT_EQ(framesIn(cAward::SHRINKING), 2);
    EXPECT_EQ(a.getState(), cAward::AT_REST);
    EXPECT_FALSE(a.isHoverReached());
}

struct sTipPlace {
    Vector2 point;
    cAwardTip::eCorner corner;
    Vector2 box;
};

TEST_F(AwardDisplay, ATipOpensTowardTheRoomierSideWithThatCornersLookAndStaysOnTheScreen)
{
    // A box of 200 x 100, set off by (10, 20).
    const sTipPlace places[] = {
        {{600, 100}, cAwardTip::DOWN_LEFT, {490, 170}},
        {{200, 100}, cAwardTip::DOWN_RIGHT, {310, 170}},
        {{600, 500}, cAwardTip::UP_LEFT, {490, 430}},
        {{200, 500}, cAwardTip::UP_RIGHT, {310, 430}},
    };
    cAwardTip& t = tip();
    for (const sTipPlace& place : places) {
        t.updatePos(place.point);
        EXPECT_EQ(t.getCorner(), place.corner) << place.point.x << "," << place.point.y;
        EXPECT_EQ(t.getPosition(), place.box) << place.point.x << "," << place.point.y;
        EXPECT_EQ(t.getPicture(), t.getCornerLook(place.corner).getPicture());
    }
    // A tip off the screen is placed back inside.
    t.setPosition(Vector2(790, 560));
    t.show();
    t.enable();
    m_engine.frame();
    const Vector2 at = t.getPosition();
    EXPECT_GE(at.x - 100, 0.0f);
    EXPECT_LE(at.x + 100, 800.0f);
    EXPECT_GE(at.y - 50, 0.0f);
    EXPECT_LE(at.y + 50, 600.0f);
}

TEST_F(AwardDisplay, ATipFadesInThenOutAndHides)
{
    cAwardTip& t = tip();
    t.show();
    t.enable();
    t.setFadeDirection(1.0f);
    m_engine.frames(16);
    EXPECT_FLOAT_EQ(t.cControl::getAlpha(), 1.0f);
    t.setFadeDirection(-1.0f);
    m_engine.frames(8);
    EXPECT_TRUE(t.isOwnVisible());
    m_engine.frames(10);
    EXPECT_FALSE(t.isOwnVisible());
}

} // namespace
