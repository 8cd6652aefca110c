#include "Game/Tutorial/TutorialHarness.h"

#include "Game/Tutorial/ActionTips2.h"
#include "Game/Tutorial/ArrowHelpTips2.h"
#include "Ui/Picture.h"

namespace {

constexpr eTips WATER_TIP = 1;

using cTipViewsTest = cTutorialTest;

TEST_F(cTipViewsTest, ANoteStaysOnTheScreenSideFacingItsControl)
{
    struct sCase {
        Vector2 control;
        Vector2 image;
        Vector2 arrow;
        Bool inverceX;
        Bool inverceY;
    };
    // Offsets (60, 180) and (0, 70) from the control, the note's own place (10, 20) added.
    const sCase cases[] = {
        {{600, 450}, {550, 290}, {610, 400}, true, false},
        {{400, 300}, {470, 500}, {410, 390}, false, true},
    };
    cArrowHelpTips* tips = m_tutorial->getArrowTips();
    for (const sCase& c : cases) {
        tips->startup(Vector2(60, 180), Vector2(0, 70), u"Look here", control(c.control.x, c.control.y));
        EXPECT_EQ(tips->getImage()->getPosition(), c.image) << c.control.x;
        EXPECT_EQ(tips->getArrow()->getPosition(), c.arrow) << c.control.x;
        EXPECT_EQ(tips->getArrow()->getInverceX(), c.inverceX) << c.control.x;
        EXPECT_EQ(tips->getArrow()->getInverceY(), c.inverceY) << c.control.x;
        EXPECT_EQ(tips->getOkButton()->getPosition(), c.image) << "the button stays on the note";
    }
}

TEST_F(cTipViewsTest, TheArrowBobsEightUnitsAndJumpsBackAfterHalfASecond)
{
    cArrowHelpTips* tips = m_tutorial->getArrowTips();
    tips->startup(Vector2(60, 180), Vector2(0, 70), u"Look here", control(100, 100));
    setFrameTime(0.125f);
    for (int frame = 0; frame < 4; ++frame)
        tips->process();
    EXPECT_EQ(tips->getPhase(), 1.0f);
    EXPECT_EQ(tips->getArrow()->getPosition(), Vector2(110, 198));
    tips->process();
    EXPECT_EQ(tips->getPhase(), 0.0f);
    EXPECT_EQ(tips->getArrow()->getPosition(), Vector2(110, 190));
}

TEST_F(cTipViewsTest, ThePanelArrowGivesItsControlBackAsItFoundIt)
{
    for (const Bool wasEnabled : {true, false}) {
        cControl* pointed = control(500, 200);
        if (!wasEnabled)
            pointed->disable();
        m_tutorial->runArrowHelpTip2(14, pointed);
        EXPECT_FALSE(pointed->isEnabled());
        EXPECT_FALSE(m_menu->isEnabled()) << "an arrow tip stops the bar";
        clickOk(m_tutorial->getArrowTips2());
        EXPECT_EQ(pointed->isEnabled(), wasEnabled);
        EXPECT_TRUE(m_menu->isEnabled());
        key::tip[14] = false;
    }
}

int g_conditionCalls = 0;
Bool g_condition = false;

Bool countedCondition(cControl* /*_pointed*/)
{
    ++g_conditionCalls;
    return g_condition;
}

TEST_F(cTipViewsTest, AnActionTipWhoseWishIsMetClosesOnItsFirstFrameOnce)
{
    g_conditionCalls = 0;
    g_condition = true;
    m_tutorial->setCondition(WATER_TIP, &countedCondition);
    m_tutorial->runActionTip(WATER_TIP, control(300, 200));
    EXPECT_TRUE(m_menu->getHold()) << "the clock stands";
    EXPECT_TRUE(m_menu->isEnabled()) << "the player must act";
    cActionTips* tips = m_tutorial->getActionTips();
    tips->process();
    tips->process();
    EXPECT_EQ(g_conditionCalls, 1);
    EXPECT_FALSE(m_tutorial->isTipRunning());
    EXPECT_TRUE(m_tutorial->isTipPassed(WATER_TIP));
    EXPECT_FALSE(m_menu->getHold());
}

TEST_F(cTipViewsTest, AnActionTipWaitsUntilTheActionIsReportedDone)
{
    g_condition = false;
    m_tutorial->setCondition(WATER_TIP, &countedCondition);
    m_tutorial->runActionTip2(WATER_TIP, nullptr);
    cActionTips2* tips = m_tutorial->getActionTips2();
    tips->process();
    EXPECT_TRUE(m_tutorial->isCurrentTip(WATER_TIP));
    m_tutorial->setActionDone();
    tips->process();
    EXPECT_FALSE(m_tutorial->isTipRunning());
    EXPECT_FALSE(m_tutorial->isActionDone());
}

TEST_F(cTipViewsTest, AnActionTipWithoutATestIsRefused)
{
    EXPECT_EQ(thrownText([this] { m_tutorial->runActionTip(WATER_TIP, nullptr); }, true), "cActionTips::startup");
    EXPECT_FALSE(m_tutorial->isTipRunning());
    EXPECT_FALSE(m_menu->getHold());
}

} // namespace
