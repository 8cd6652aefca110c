#include "Game/GameMenu.h"
#include "Game/Menu.h"
#include "Game/Tutorial/HelpView.h"
#include "Game/Ui/MainMenu.h"
#include "Game/Ui/Options.h"
#include "GameHarness.h"
#include "input/Control.h"

#include <gtest/gtest.h>

namespace {

class cPauseMenuTest : public cGameTest {
protected:
    cPauseMenuTest()
    {
        m_engine.frames(20);
        cGameMenu::onGotoMainMenu(nullptr);
        m_engine.frames(20);
    }

    cMenu& menu() { return *cMenu::getInstance(); }
    void key(std::uint32_t _code)
    {
        m_engine.key(_code, true);
        m_engine.key(_code, false);
        m_engine.frames(20);
    }
    Bool paused() const { return !m_game->isEnabled() && !m_game->isAbsoluteEnabled(); }
    Bool menuUp() { return menu().isVisible() && menu().isEnabled(); }
};

TEST_F(cPauseMenuTest, EscapeAndEnterContinue)
{
    for (std::uint32_t code : {KEY_ESCAPE, KEY_RETURN}) {
        ASSERT_TRUE(paused());
        ASSERT_TRUE(menuUp());
        key(code);
        EXPECT_FALSE(paused()) << code;
        EXPECT_FALSE(menu().isVisible()) << code;
        cGameMenu::onGotoMainMenu(nullptr);
        m_engine.frames(20);
    }
}

TEST_F(cPauseMenuTest, KeysDoNothingHereWhileAnotherScreenIsInFront)
{
    cMenu::onHelp(nullptr);
    m_engine.frames(20);
    EXPECT_TRUE(cHelpView::getInstance()->isVisible());
    key(KEY_ESCAPE);
    EXPECT_TRUE(paused());
    cHelpView::onOk(nullptr);
    m_engine.frames(20);
    EXPECT_FALSE(cHelpView::getInstance()->isVisible());
    EXPECT_TRUE(menuUp());
}

TEST_F(cPauseMenuTest, NoGoesBackToThePausedMenu)
{
    cMenu::onMainMenu(nullptr);
    m_engine.frame();
    EXPECT_FALSE(menu().isVisible());
    key(KEY_ESCAPE);
    EXPECT_TRUE(menuUp());
    EXPECT_TRUE(paused());
}

TEST_F(cPauseMenuTest, YesLeavesNoGameAndANewOneCanStart)
{
    cMenu::onMainMenu(nullptr);
    m_engine.frame();
    key(KEY_RETURN);
    EXPECT_FALSE(cGame::exists());
    EXPECT_FALSE(cMenu::exists());
    ASSERT_TRUE(cMainMenu::exists());
    EXPECT_TRUE(cMainMenu::getInstance()->isEnabled());
    cGame::startGame();
    EXPECT_TRUE(cGame::exists());
    delete cMainMenu::getInstance();
    delete static_cast<cView*>(cMainMenu::getFixedBack());
}

TEST_F(cPauseMenuTest, OptionsOpenedTwiceAreOneScreen)
{
    cMenu::onOptions(nullptr);
    cMenu::onOptions(nullptr);
    m_engine.frames(20);
    ASSERT_TRUE(cOptions::exists());
    EXPECT_FALSE(menu().isVisible());
    cOptions::onOk(nullptr);
    m_engine.frames(20);
    EXPECT_FALSE(cOptions::exists());
    EXPECT_TRUE(menuUp());
    EXPECT_TRUE(paused());
}

// A help view of its own, from a document of _pages pages.
class cHelpViewTest : public ::testing::Test {
protected:
    void start(int _pages)
    {
        m_help.reset();
        m_engine.reset();
        std::string pages;
        for (int i = 0; i < _pages; ++i)
            pages += "<Page><Pictures><P /><P /></Pictures><Texts><T><Text>page</Text></T></Texts></Page>";
        m_engine = std::make_unique<cEngineHarness>(cEngineHarness::DEFAULT_SETTINGS,
            tDataFiles{{"UI/HelpView.xml", makeXml16("<HelpView Visible=\"1\" Enable=\"1\"><NextButton Visible=\"1\" "
                                                     "Enable=\"1\" /><PrevButton Visible=\"1\" Enable=\"1\" /><Pages>" +
                                                     pages + "</Pages></HelpView>")}},
            cEngineHarness::eRenderer::null);
        m_help = std::make_unique<cHelpView>();
    }
    // The page shown, and whether Prev and Next show.
    std::tuple<UInt, Bool, Bool> state() const
    {
        return {m_help->getCurrentPage(), m_help->getPrevButton()->isOwnVisible(),
                m_help->getNextButton()->isOwnVisible()};
    }

    std::unique_ptr<cEngineHarness> m_engine;
    std::unique_ptr<cHelpView> m_help;
};

using tState = std::tuple<UInt, Bool, Bool>;

TEST_F(cHelpViewTest, NoPagesOrOneShowNoArrows)
{
    for (int pages : {0, 1}) {
        start(pages);
        EXPECT_EQ(state(), tState(0, false, false)) << pages;
        cHelpView::onNext(nullptr);
        cHelpView::onPrev(nullptr);
        EXPECT_EQ(state(), tState(0, false, false)) << pages;
    }
    EXPECT_EQ(m_help->getPage(0)->pictures.size(), 2u);
    EXPECT_EQ(m_help->getPage(0)->texts.size(), 1u);
}

TEST_F(cHelpViewTest, ArrowsTurnOnePageAndStopAtTheEnds)
{
    start(3);
    EXPECT_EQ(state(), tState(0, false, true));
    EXPECT_FALSE(m_help->getPage(1)->isOwnVisible());
    cHelpView::onNext(nullptr);
    EXPECT_EQ(state(), tState(1, true, true));
    cHelpView::onNext(nullptr);
    cHelpView::onNext(nullptr);
    EXPECT_EQ(state(), tState(2, true, false));
    EXPECT_FALSE(m_help->getPage(1)->isOwnVisible());
    EXPECT_TRUE(m_help->getPage(2)->isOwnVisible());
    for (int i = 0; i < 3; ++i)
        cHelpView::onPrev(nullptr);
    EXPECT_EQ(state(), tState(0, false, true));
}

} // namespace
