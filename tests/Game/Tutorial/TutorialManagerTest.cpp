#include "Game/Tutorial/TutorialHarness.h"

#include "Game/Tutorial/CommonHelpTips.h"
#include "Ui/TutorialTips.h"
#include "support/TempFolder.h"

#include <cstdlib>

namespace {

constexpr eTips MARKET_TIP = 8;   // a plain note
constexpr eTips ARROW_TIP = 9;
constexpr eTips PANEL_ARROW_TIP = 14;
constexpr eTips WATER_TIP = 1;    // an action tip

using cTutorialManagerTest = cTutorialTest;

TEST_F(cTutorialManagerTest, ASwitchedOffTutorialRunsAndRemembersNothing)
{
    loadTutorial(tutorialXml("0", 50));
    for (UInt n = 0; n < TIPS_COUNT; n += 2)
        key::tip[n] = true;
    for (UInt n = 0; n < TIPS_COUNT; ++n) {
        EXPECT_FALSE(m_tutorial->canRunTip(n)) << n;
        EXPECT_FALSE(m_tutorial->isTipPassed(n)) << n;
    }
    m_engine.frames(3);
    EXPECT_FALSE(m_tutorial->isTipRunning());
}

TEST_F(cTutorialManagerTest, PassingTipsTwoAndFourSwitchesFastGrowthOnAndOff)
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

TEST_F(cTutorialManagerTest, TipsPastFiftyAreIgnored)
{
    loadTutorial(tutorialXml("1", 60));
    EXPECT_EQ(m_tutorial->getTip(49).id, 49);
    EXPECT_EQ(m_tutorial->getTip(49).Text, u"Tip 49");
    EXPECT_EQ(m_tutorial->getTip(0).Offset, Vector2(60, 180));
    EXPECT_EQ(m_tutorial->getTip(0).ArrowOffset, Vector2(0, 70));
    EXPECT_EQ(thrownText([this] { m_tutorial->getTip(50); }, true), "bad tip");
}

TEST_F(cTutorialManagerTest, APlainNoteStopsTheGameAndGivesBackWhatItFound)
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

TEST_F(cTutorialManagerTest, ADialogAndATipLettingGoInAnyOrderLeaveTheBarOn)
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

TEST_F(cTutorialManagerTest, NotesThatStopTheGameWaitWhileItIsPaused)
{
    m_game->disable();
    EXPECT_FALSE(m_tutorial->canRunTip(MARKET_TIP));
    EXPECT_FALSE(m_tutorial->canRunTip(ARROW_TIP));
    EXPECT_FALSE(m_tutorial->canRunTip(PANEL_ARROW_TIP));
    EXPECT_TRUE(m_tutorial->canRunTip(WATER_TIP));
    m_game->enable();
    EXPECT_TRUE(m_tutorial->canRunTip(MARKET_TIP));
}

TEST_F(cTutorialManagerTest, OnlyTheTipViewsMayReportAClosedTip)
{
    cView foreign(nullptr);
    EXPECT_EQ(thrownText([&] { m_tutorial->onHideTip(&foreign); }, true), "cTutorialManager::hideTips");
}

// The shipped tutorial and its switched-off copy.
TEST_F(cTutorialManagerTest, TheDemoTutorialHasFiftyTipsAndACopyWithoutThem)
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

} // namespace
