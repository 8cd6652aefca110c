#include "Game/Tutorial/TutorialHarness.h"
#include "Ui/controls/Picture.h"
#include "Ui/buttons/TutorialTips.h"
#include "engine/frame/Timer.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr eTips WATER_TIP = 1;    // an action tip
constexpr eTips MARKET_TIP = 8;   // a plain note
constexpr eTips ARROW_TIP = 9;
constexpr eTips PANEL_ARROW_TIP = 14;

TEST_F(cTutorialTest, ASwitchedOffTutorialRunsAndRemembersNothing)
{
    load(tutorialXml("0", 50), *m_tutorial);
    for (UInt n = 0; n < TIPS_COUNT; n += 2)
        key::tip[n] = true;
    for (UInt n = 0; n < TIPS_COUNT; ++n) {
        EXPECT_FALSE(m_tutorial->canRunTip(n)) << n;
        EXPECT_FALSE(m_tutorial->isTipPassed(n)) << n;
    }
    m_engine.frames(3);
    EXPECT_FALSE(m_tutorial->isTipRunning());
}

TEST_F(cTutorialTest, PassingTipsTwoAndFourSwitchesFastGrowthOnAndOff)
{
    struct sCase {
        eTips tip;
        Bool fast;
    };
    for (const sCase& c : {sCase{2, true}, sCase{4, false}, sCase{2, true}, sCase{3, true}}) {
        m_tutorial->setTipPassed(c.tip);
        EXPECT_EQ(key::TFastSpeed(), c.fast) << c.tip;
        EXPECT_EQ(key::tutJustProc(), Int(c.tip));
        EXPECT_FALSE(m_tutorial->canRunTip(c.tip));
    }
}

TEST_F(cTutorialTest, TipsPastFiftyAreIgnored)
{
    load(tutorialXml("1", 60), *m_tutorial);
    EXPECT_EQ(m_tutorial->getTip(49).id, 49);
    EXPECT_EQ(m_tutorial->getTip(49).Text, u"Tip 49");
    EXPECT_EQ(m_tutorial->getTip(0).Offset, Vector2(60, 180));
    EXPECT_EQ(m_tutorial->getTip(0).ArrowOffset, Vector2(0, 70));
    EXPECT_EQ(thrownText([this] { m_tutorial->getTip(50); }, true), "bad tip");
}

TEST_F(cTutorialTest, APlainNoteStopsTheGameAndGivesBackWhatItFound)
{
    struct sCase {
        Bool seeds;
        Bool building;
    };
    for (const sCase& c : {sCase{true, true}, sCase{false, true}, sCase{true, false}}) {
        key::tip[MARKET_TIP] = false;
        c.seeds ? m_seeds->enable() : m_seeds->disable();
        c.building ? m_building->enable() : m_building->disable();
        ASSERT_TRUE(m_tutorial->canRunTip(MARKET_TIP));
        m_tutorial->runCommonHelpTip(MARKET_TIP, nullptr);
        EXPECT_TRUE(m_tutorial->isCurrentTip(MARKET_TIP));
        EXPECT_TRUE(iTutorialTips::isAnyTipRunning());
        EXPECT_FALSE(m_menu->isEnabled());
        EXPECT_FALSE(m_menu->isAbsoluteEnabled());
        EXPECT_FALSE(m_seeds->isEnabled());
        EXPECT_FALSE(m_building->isEnabled());
        EXPECT_FALSE(m_tutorial->canRunTip(ARROW_TIP)) << "one tip at a time";

        clickOk(m_tutorial->getCommonTips());
        EXPECT_FALSE(iTutorialTips::isAnyTipRunning());
        EXPECT_TRUE(m_tutorial->isTipPassed(MARKET_TIP));
        EXPECT_TRUE(m_menu->isEnabled());
        EXPECT_TRUE(m_menu->isAbsoluteEnabled());
        EXPECT_EQ(m_seeds->isEnabled(), c.seeds);
        EXPECT_EQ(m_building->isEnabled(), c.building);
    }
}

TEST_F(cTutorialTest, ADialogAndATipLettingGoInAnyOrderLeaveTheBarOn)
{
    const int dialog = 0;
    auto holdBar = [&] {
        m_menu->getEnableHold().take(&dialog);
        m_menu->getAbsoluteHold().take(&dialog);
    };
    auto releaseBar = [&] {
        m_menu->getEnableHold().release(&dialog);
        m_menu->getAbsoluteHold().release(&dialog);
    };
    for (const Bool dialogFirst : {true, false}) {
        key::tip[MARKET_TIP] = false;
        if (dialogFirst)
            holdBar();
        m_tutorial->runCommonHelpTip(MARKET_TIP, nullptr);
        if (dialogFirst)
            releaseBar();
        else
            holdBar();
        EXPECT_FALSE(m_menu->isEnabled()) << "still held by " << (dialogFirst ? "the tip" : "both");
        clickOk(m_tutorial->getCommonTips());
        if (!dialogFirst) {
            EXPECT_FALSE(m_menu->isEnabled()) << "the dialog still holds it";
            releaseBar();
        }
        EXPECT_TRUE(m_menu->isEnabled()) << dialogFirst;
        EXPECT_TRUE(m_menu->isAbsoluteEnabled()) << dialogFirst;
    }
}

TEST_F(cTutorialTest, NotesThatStopTheGameWaitWhileItIsPaused)
{
    m_game->disable();
    EXPECT_FALSE(m_tutorial->canRunTip(MARKET_TIP));
    EXPECT_FALSE(m_tutorial->canRunTip(ARROW_TIP));
    EXPECT_FALSE(m_tutorial->canRunTip(PANEL_ARROW_TIP));
    EXPECT_TRUE(m_tutorial->canRunTip(WATER_TIP));
    m_game->enable();
    EXPECT_TRUE(m_tutorial->canRunTip(MARKET_TIP));
}

TEST_F(cTutorialTest, OnlyTheTipViewsMayReportAClosedTip)
{
    cView foreign(nullptr);
    EXPECT_EQ(thrownText([&] { m_tutorial->onHideTip(&foreign); }, true), "cTutorialManager::hideTips");
}

// The shipped tutorial and its switched-off copy.
TEST_F(cTutorialTest, TheDemoTutorialHasFiftyTipsAndACopyWithoutThem)
{
    const char* data = std::getenv("FURROW_DATA");
    ASSERT_TRUE(data);
    for (const Bool enabled : {true, false}) {
        const std::string path = std::string(data) + (enabled ? "/Tutorial/Tutorial.xml" : "/Tutorial/TutorialDisabled.xml");
        const std::string bytes = readFileBytes(path);
        ASSERT_FALSE(bytes.empty()) << path;
        cXML xml(path, bytes.data(), ULong(bytes.size()));
        m_tutorial->loadXML(&xml);
        EXPECT_EQ(m_tutorial->isTutorialEnabled(), enabled);
        for (UInt n = 0; n < TIPS_COUNT; ++n) {
            EXPECT_EQ(m_tutorial->getTip(n).id, Int(n));
            EXPECT_GT(m_tutorial->getTip(n).Text.size(), 10u) << n;
        }
        EXPECT_EQ(m_tutorial->canRunTip(MARKET_TIP), enabled);
    }
}

TEST_F(cTutorialTest, ANoteStaysOnTheScreenSideFacingItsControl)
{
    struct sCase {
        Vector2 control;
        Vector2 arrowOffset;
        Vector2 image;
        Vector2 arrow;
        Bool inverceX;
        Bool inverceY;
    };
    // The note's offset (60, 180) from the control, the note's own place (10, 20) added. The
    // arrow points at the control from the side it stands on, up from under it (the picture
    // turned), down from over it.
    const sCase cases[] = {
        {{600, 450}, {0, 70}, {550, 290}, {610, 400}, true, false},
        {{400, 300}, {0, 70}, {470, 500}, {410, 390}, false, true},
        {{100, 178}, {0, -64}, {170, 378}, {110, 134}, false, false},
        {{600, 450}, {0, -64}, {550, 290}, {610, 534}, true, true},
    };
    cArrowHelpTips* tips = m_tutorial->getArrowTips();
    for (const sCase& c : cases) {
        tips->startup(Vector2(60, 180), c.arrowOffset, u"Look here", control(c.control.x, c.control.y));
        EXPECT_EQ(tips->getImage()->getPosition(), c.image) << c.control.x;
        EXPECT_EQ(tips->getArrow()->getPosition(), c.arrow) << c.control.x;
        EXPECT_EQ(tips->getArrow()->getInverceX(), c.inverceX) << c.control.x;
        EXPECT_EQ(tips->getArrow()->getInverceY(), c.inverceY) << c.control.x;
        EXPECT_EQ(tips->getOkButton()->getPosition(), c.image) << "the button stays on the note";
    }
}

TEST_F(cTutorialTest, TheArrowBobsEightUnitsAndJumpsBackAfterHalfASecond)
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

TEST_F(cTutorialTest, ThePanelArrowGivesItsControlBackAsItFoundIt)
{
    for (const Bool wasEnabled : {true, false}) {
        cControl* pointed = control(500, 200);
        if (!wasEnabled)
            pointed->disable();
        m_tutorial->runArrowHelpTip2(PANEL_ARROW_TIP, pointed);
        EXPECT_FALSE(pointed->isEnabled());
        EXPECT_FALSE(m_menu->isEnabled()) << "an arrow tip stops the bar";
        clickOk(m_tutorial->getArrowTips2());
        EXPECT_EQ(pointed->isEnabled(), wasEnabled);
        EXPECT_TRUE(m_menu->isEnabled());
        key::tip[PANEL_ARROW_TIP] = false;
    }
}

int g_conditionCalls = 0;
Bool g_condition = false;

Bool countedCondition(cControl* /*_pointed*/)
{
    ++g_conditionCalls;
    return g_condition;
}

// A part of the tip view that notes whether the clock stood when the view began to fade.
class cHoldAtFade : public cView {
public:
    explicit cHoldAtFade(cView* _parent) : cView(_parent) {}
    void disabled() override
    {
        cView::disabled();
        m_holds.push_back(cGameMenu::getInstance()->getHold());
    }
    std::vector<bool> m_holds;
};

// The clock is released only after the view has begun to fade.
TEST_F(cTutorialTest, AnActionTipWhoseWishIsMetClosesOnItsFirstFrameOnce)
{
    g_conditionCalls = 0;
    g_condition = true;
    m_tutorial->setCondition(WATER_TIP, &countedCondition);
    m_tutorial->runActionTip(WATER_TIP, control(300, 200));
    EXPECT_TRUE(m_menu->getHold()) << "the clock stands";
    EXPECT_TRUE(m_menu->isEnabled()) << "the player must act";
    cActionTips* tips = m_tutorial->getActionTips();
    auto* part = new cHoldAtFade(tips);
    part->show();
    part->enable();
    tips->process();
    tips->process();
    EXPECT_EQ(g_conditionCalls, 1);
    EXPECT_EQ(part->m_holds, std::vector<bool>{true});
    EXPECT_FALSE(m_tutorial->isTipRunning());
    EXPECT_TRUE(m_tutorial->isTipPassed(WATER_TIP));
    EXPECT_FALSE(m_menu->getHold());
}

TEST_F(cTutorialTest, AnActionTipWaitsUntilTheActionIsReportedDone)
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

// An action reported done while its tip closes by its own test goes with that tip: the next
// action tip waits for its own action.
TEST_F(cTutorialTest, AnActionReportedDoneClosesOnlyTheTipItWasReportedFor)
{
    m_tutorial->setCondition(WATER_TIP, &countedCondition);
    cActionTips2* tips = m_tutorial->getActionTips2();
    for (const Bool closesByItsTest : {false, true}) {
        g_condition = closesByItsTest;
        m_tutorial->runActionTip2(WATER_TIP, nullptr);
        m_tutorial->setActionDone();
        tips->process();
        ASSERT_FALSE(m_tutorial->isTipRunning()) << closesByItsTest;
        g_condition = false;
        m_tutorial->runActionTip2(WATER_TIP, nullptr);
        tips->process();
        EXPECT_TRUE(m_tutorial->isCurrentTip(WATER_TIP)) << closesByItsTest;
        m_tutorial->setActionDone();
        tips->process();
    }
}

TEST_F(cTutorialTest, AnActionTipWithoutATestIsRefused)
{
    m_tutorial->setCondition(WATER_TIP, nullptr);
    EXPECT_EQ(thrownText([this] { m_tutorial->runActionTip(WATER_TIP, nullptr); }, true), "cActionTips::startup");
    EXPECT_FALSE(m_tutorial->isTipRunning());
    EXPECT_FALSE(m_menu->getHold());
}

} // namespace
