#include "Game/Contracts/ContractAim.h"
#include "Game/Contracts/ContractFail.h"
#include "Game/Contracts/ContractPassConfirm.h"
#include "Game/Contracts/ContractProvide.h"
#include "Game/Farm/Seeds/BuySeeds.h"
#include "Game/Farm/Farm.h"
#include "Game/GameHarness.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Manufacture/BuyBuilding.h"
#include "Game/Shell/Menu.h"
#include "Game/Awards/Award.h"
#include "Game/Awards/AwardButton.h"
#include "Game/Awards/AwardFiles.h"
#include "Game/Awards/AwardManager.h"
#include "Game/Awards/AwardPanel.h"
#include "Game/Awards/Awards.h"

#include <functional>

namespace {

// A game with the whole award wall.
class AwardManagerTest : public cGameTest {
protected:
    AwardManagerTest() : cGameTest(awardFiles(), cEngineHarness::eRenderer::recording) {}

    cAwardManager& manager() { return *cAwardManager::getInstance(); }
    cAward* presented() { return manager().getPresented(); }
    // The manager again, as at the start of the next game.
    void restartManager()
    {
        delete cAwardManager::getInstance();
        new cAwardManager();
    }
    void runUntil(const std::function<bool()>& _done, int _limit = 400)
    {
        for (int i = 0; i < _limit && !_done(); ++i)
            m_engine.frame();
    }
    void waitForPanel()
    {
        runUntil([] { return cAwards::getInstance() && cAwards::getInstance()->getPanel(); });
        ASSERT_NE(cAwards::getInstance()->getPanel(), nullptr);
    }
    // The player reads the congratulation, watches the flight and leaves the wall.
    void watchPresentation()
    {
        waitForPanel();
        cAwards::onAwardPanelOk(cAwards::getInstance()->getPanel()->getOkButton());
        runUntil([this] { return presented() == nullptr; });
        cAwards::onReturn(nullptr);
        m_engine.frames(30);
    }
    Bool gameRuns() const { return m_game->isEnabled() && m_game->isAbsoluteEnabled(); }
};

TEST_F(AwardManagerTest, TwoAwardsWonInOneFrameComeLowerFirstThenTheOther)
{
    key::Money() = 1000;
    key::awQCollect() = 100;
    m_engine.frame();
    ASSERT_NE(presented(), nullptr);
    EXPECT_EQ(presented()->getIndex(), 0u);
    EXPECT_FALSE(gameRuns());
    watchPresentation();
    ASSERT_NE(presented(), nullptr) << "the next comes once the game runs again";
    EXPECT_EQ(presented()->getIndex(), 16u);
}

TEST_F(AwardManagerTest, AwardsWonEarlierStartDoneAndAreNeverPresentedAgain)
{
    key::Award[0] = true;
    key::awardShow[1] = true;
    key::awQCollect() = 100;
    restartManager();
    EXPECT_TRUE(manager().isDone(0));
    EXPECT_TRUE(key::awardShow[0]);
    EXPECT_FALSE(key::awardShow[1]) << "an award whose presentation was cut short was not seen";
    m_engine.frames(5);
    EXPECT_EQ(presented(), nullptr);
    manager().setForcedIndex(0);
    m_engine.frames(5);
    EXPECT_EQ(presented(), nullptr) << "forcing an award already done does nothing";
}

struct sGate {
    const char* what;
    std::function<void(cEngineHarness&)> open;
    std::function<void(cEngineHarness&)> close;
};

template <class T>
sGate shownGate(const char* _what)
{
    return {_what, [](cEngineHarness&) { T::getInstance()->show(); }, [](cEngineHarness&) { T::getInstance()->hide(); }};
}

const int HOLDER = 0;

TEST_F(AwardManagerTest, NothingIsPresentedWhileADialogIsOpenAScreenSlidesOrTheGameStands)
{
    const sGate gates[] = {
        shownGate<cContractProvide>("contract offer"),
        shownGate<cContractFail>("contract failure"),
        shownGate<cContractPassConfirm>("hand-over question"),
        shownGate<cContractAim>("contract goals"),
        shownGate<cBuySeeds>("seed shop"),
        shownGate<cBuyBuilding>("build panel"),
        {"pause menu", [](cEngineHarness& _e) { cGameMenu::onGotoMainMenu(nullptr), _e.frames(30); },
         [](cEngineHarness& _e) { cMenu::onContinue(nullptr), _e.frames(30); }},
        {"tip holding the bar", [](cEngineHarness&) { cGameMenu::getInstance()->getEnableHold().take(&HOLDER); },
         [](cEngineHarness&) { cGameMenu::getInstance()->getEnableHold().release(&HOLDER); }},
        {"farm sliding", [](cEngineHarness&) { cFarm::getInstance()->startMove(2, Vector2(0, 600), Vector2(0, 0)); },
         [](cEngineHarness& _e) {
             for (int i = 0; i < 200 && cGameMenu::isAnyScreenSliding(); ++i)
                 _e.frame();
         }},
    };
    Int award = 0;
    for (const sGate& gate : gates) {
        gate.open(m_engine);
        manager().setForcedIndex(award);
        m_engine.frame();
        EXPECT_EQ(presented(), nullptr) << gate.what;
        gate.close(m_engine);
        m_engine.frame();
        ASSERT_NE(presented(), nullptr) << gate.what;
        EXPECT_EQ(presented()->getIndex(), UInt(award)) << gate.what;
        watchPresentation();
        ++award;
    }
}

TEST_F(AwardManagerTest, AForcedAwardIsPresentedWithoutBeingEarnedAndOnlyOnce)
{
    manager().setForcedIndex(5);
    m_engine.frame();
    ASSERT_NE(presented(), nullptr);
    EXPECT_EQ(presented()->getIndex(), 5u);
    EXPECT_EQ(manager().getForcedIndex(), -1);
    watchPresentation();
    EXPECT_TRUE(manager().isDone(5));
    m_engine.frames(5);
    EXPECT_EQ(presented(), nullptr);
    manager().setForcedIndex(5);
    m_engine.frames(5);
    EXPECT_EQ(presented(), nullptr) << "a won award's code does nothing";
}

TEST_F(AwardManagerTest, TheAwardIsWonOnOkAndItsButtonLightsOnlyWhenThePictureArrives)
{
    manager().setForcedIndex(2);
    waitForPanel();
    cAwards* wall = cAwards::getInstance();
    cAwardButton* button = wall->getButton(2);
    EXPECT_FALSE(key::Award[2]);
    EXPECT_EQ(presented()->getState(), cAward::ON_PANEL);
    cAwards::onAwardPanelOk(wall->getPanel()->getOkButton());
    EXPECT_TRUE(key::Award[2]);
    EXPECT_FALSE(wall->isEnabled());
    m_engine.frames(3);
    ASSERT_NE(presented(), nullptr);
    EXPECT_EQ(presented()->getState(), cAward::FLYING);
    EXPECT_EQ(button->getPicture(), button->getSecondLook().getPicture());
    runUntil([this] { return presented() == nullptr; });
    EXPECT_TRUE(button->isObtained());
    EXPECT_EQ(button->getPicture(), button->getNormalLook().getPicture());
    EXPECT_TRUE(key::awardShow[2]);
    EXPECT_TRUE(wall->isEnabled());
    EXPECT_FALSE(gameRuns()) << "the game waits until the player leaves the wall";
    cAwards::onReturn(nullptr);
    m_engine.frames(30);
    EXPECT_TRUE(gameRuns());
    EXPECT_EQ(cAwards::getInstance(), nullptr);
}

TEST_F(AwardManagerTest, TheGameStepsAsideWhileTheWallPresentsAnAwardAndComesBackAfter)
{
    manager().setForcedIndex(1);
    waitForPanel();
    m_engine.frames(30);
    EXPECT_TRUE(cAwards::getInstance()->isVisible());
    EXPECT_FALSE(m_game->isVisible()) << "the farm would be drawn over the shelves";
    watchPresentation();
    EXPECT_TRUE(m_game->isVisible());
    EXPECT_TRUE(gameRuns());
}

TEST_F(AwardManagerTest, ThePauseMenusAwardsOpenTheWallAndBringMenuAndGameBack)
{
    cGameMenu::onGotoMainMenu(nullptr);
    m_engine.frames(30);
    cMenu::onAwards(nullptr);
    m_engine.frames(30);
    ASSERT_NE(cAwards::getInstance(), nullptr);
    EXPECT_TRUE(cAwards::getInstance()->isVisible());
    EXPECT_FALSE(m_game->isVisible());
    EXPECT_FALSE(cMenu::getInstance()->isVisible());
    cAwards::onReturn(nullptr);
    m_engine.frames(30);
    EXPECT_EQ(cAwards::getInstance(), nullptr);
    EXPECT_TRUE(m_game->isVisible());
    EXPECT_TRUE(cMenu::getInstance()->isVisible());
    EXPECT_FALSE(gameRuns()) << "still paused";
}

} // namespace
