#include "Game/Ui/Credits.h"
#include "Game/Ui/HightScores.h"
#include "Game/Ui/MainMenu.h"
#include "Game/Ui/Options.h"
#include "Game/Ui/ShellHarness.h"
#include "Game/Ui/YesNoExit.h"
#include "Ui/Picture.h"
#include "Ui/Text.h"
#include "Ui/UI.h"
#include "engine/Settings.h"
#include "input/Control.h"
#include "platform/WindowEvent.h"

namespace {

// The main menu as the loading screen leaves it: faded in and enabled.
class MainMenuTest : public cShellTest {
protected:
    explicit MainMenuTest(const std::string& _settings = cEngineHarness::DEFAULT_SETTINGS) : cShellTest({}, _settings)
    {
        m_menu = cMainMenu::open(false);
        settle();
    }
    void escape() { key(KEY_ESCAPE, true, true); }
    // The question on screen, if any.
    static cYesNoExit* question()
    {
        for (const auto& entry : cUI::get().getEnabled())
            if (auto* found = dynamic_cast<cYesNoExit*>(entry.second))
                return found;
        return nullptr;
    }
    Bool quitPosted()
    {
        sWindowEvent event;
        while (m_engine.window().pollEvent(event))
            if (event.m_type == WE_QUIT)
                return true;
        return false;
    }
    // Which mascot pictures show, as 0/1 for Bee0..Bee2.
    static std::string bees(cYesNoExit* _question)
    {
        std::string shown;
        for (UInt bee = 0; bee < 3; ++bee)
            shown += _question->getBee(bee)->isOwnVisible() ? '1' : '0';
        return shown;
    }

    cMainMenu* m_menu;
};

// Escape asks only while the menu is the enabled screen; No brings the menu back, Yes quits.
TEST_F(MainMenuTest, EscapeAsksAndOnlyYesQuits)
{
    escape();
    settle();
    cYesNoExit* asked = question();
    ASSERT_NE(asked, nullptr);
    EXPECT_FALSE(m_menu->isEnabled());
    escape();
    settle();
    EXPECT_EQ(question(), asked);
    click(500, 400);
    settle();
    EXPECT_EQ(question(), nullptr);
    EXPECT_TRUE(m_menu->isEnabled() && m_menu->isVisible());
    EXPECT_FALSE(quitPosted());
    escape();
    settle();
    click(300, 400);
    EXPECT_TRUE(quitPosted());
}

TEST_F(MainMenuTest, TheMascotFollowsTheButtonUnderThePointer)
{
    escape();
    settle();
    cYesNoExit* asked = question();
    EXPECT_EQ(bees(asked), "100");
    moveTo(500, 400);
    EXPECT_EQ(bees(asked), "010");
    moveTo(700, 100);
    EXPECT_EQ(bees(asked), "100");
    moveTo(300, 400);
    EXPECT_EQ(bees(asked), "001");
    // Pressed and dragged off, the yes button keeps the mascot's look.
    m_engine.press(true);
    moveTo(700, 100);
    EXPECT_EQ(bees(asked), "001");
    m_engine.press(false);
}

// The yes button gives way to a pointer coming near, at most 120 pixels a second, rests at
// home with the pointer far, and stands still under the pointer, also while held.
TEST_F(MainMenuTest, TheYesButtonShiesAwayButCanAlwaysBeClicked)
{
    escape();
    settle();
    cYesNoExit* asked = question();
    const Vector2 home = asked->getHome();
    moveTo(240, 400);
    EXPECT_NEAR(asked->getYesButton()->getPosition().x, home.x + 120.0f * 0.02f, 0.001f);
    m_engine.frames(49);
    // Where the push, 30 * (1 - distance / 80), equals the way gone: x - 300 = 30 - (x - 240) * 0.375.
    EXPECT_NEAR(asked->getYesButton()->getPosition().x, 420.0f / 1.375f, 0.01f);
    moveTo(700, 100);
    m_engine.frames(50);
    EXPECT_EQ(asked->getYesButton()->getPosition().x, home.x);
    moveTo(320, 400);
    const Float held = asked->getYesButton()->getPosition().x;
    m_engine.press();
    m_engine.frames(19);
    EXPECT_EQ(asked->getYesButton()->getPosition().x, held);
    m_engine.press(false);
    EXPECT_TRUE(quitPosted());
}

TEST_F(MainMenuTest, OtherScreensTakeTheMenuAwayAndBringItBack)
{
    click(400, 200);
    settle();
    ASSERT_NE(cOptions::getInstance(), nullptr);
    EXPECT_FALSE(m_menu->isVisible());
    escape();
    EXPECT_EQ(question(), nullptr);
    click(400, 400);
    settle();
    EXPECT_EQ(cOptions::getInstance(), nullptr);
    EXPECT_TRUE(m_menu->isVisible() && m_menu->isEnabled());

    click(400, 400);
    settle();
    ASSERT_NE(cCredits::getInstance(), nullptr);
    std::vector<WString> lines;
    for (cText* line : cCredits::getInstance()->getLines())
        lines.push_back(line->getString());
    EXPECT_EQ(lines, (std::vector<WString>{u"one", u"two", u"three"}));
    click(400, 500);
    settle();
    EXPECT_EQ(cCredits::getInstance(), nullptr);
    EXPECT_TRUE(m_menu->isVisible() && m_menu->isEnabled());
}

// The game keeps no records: the table is empty in both modes.
TEST_F(MainMenuTest, HighScoresShowAnEmptyTableInEitherModeAndReturn)
{
    cMainMenu::onHightScores(nullptr);
    m_engine.frame();
    cHightScores* scores = cHightScores::getInstance();
    ASSERT_NE(scores, nullptr);
    EXPECT_FALSE(m_menu->isVisible());
    EXPECT_EQ(scores->getLabel()->getString(), u"Рекорды прохождения игры");
    EXPECT_TRUE(scores->getRows().empty());
    click(300, 500);
    EXPECT_TRUE(scores->getMode());
    EXPECT_EQ(scores->getLabel()->getString(), u"Рекорды игры на выживание");
    EXPECT_TRUE(scores->getMedal(0)->isOwnVisible());
    EXPECT_FALSE(scores->getMedal(1)->isOwnVisible());
    EXPECT_TRUE(scores->getRows().empty());
    click(400, 500);
    EXPECT_EQ(cHightScores::getInstance(), nullptr);
    EXPECT_TRUE(m_menu->isVisible() && m_menu->isEnabled());
}

// Deleting the shown player on the selection screen and leaving it must not leave the
// deleted name on the menu.
TEST_F(MainMenuTest, LeavingTheProfileChoiceShowsWhoPlaysNow)
{
    new cProfile(u"Ann");
    m_menu->updateUserName();
    delete cProfile::getInstance();
    new cProfile(u"Bob");
    cMainMenu::onProfileScreenExit();
    EXPECT_EQ(m_menu->getUserName()->getString(), u"Bob");
}

TEST(ScoreTable, ACapKeepsTheBestOfEachTable)
{
    cScoreTable table;
    for (UInt score : {5u, 1u, 9u, 7u}) {
        table.getScores(false)[score] = u"a";
        table.getScores(true)[score * 2] = u"b";
    }
    table.setLinesNum(2);
    EXPECT_EQ(table.getScores(false), (cScoreTable::SCORE_MAP{{7, u"a"}, {9, u"a"}}));
    EXPECT_EQ(table.getScores(true), (cScoreTable::SCORE_MAP{{14, u"b"}, {18, u"b"}}));
}

} // namespace

namespace {

Bool s_logWritten = false;
std::string s_logPath;

class StartTest : public MainMenuTest {
protected:
    StartTest()
        : MainMenuTest("<game app_directory=\"Test\" LogResources=\"1\" />"
                       "<graphics width=\"800\" height=\"600\" fullscreen=\"0\" />")
    {
        // The file system keeps every path in lower case, so the loading screen reads it as "menureslog.xml".
        s_logPath = m_engine.data().common("menureslog.xml");
        s_logWritten = false;
        cMainMenu::setGameStart([] { s_logWritten = !readFileBytes(s_logPath).empty(); });
    }
    ~StartTest() override { cMainMenu::setGameStart(nullptr); }
};

// The menu's resources are logged before the game's are loaded, and the game's music plays.
TEST_F(StartTest, StartLogsTheMenusResourcesThenLoadsTheGame)
{
    click(400, 100);
    m_engine.frames(3);
    EXPECT_EQ(cMainMenu::getInstance(), nullptr);
    EXPECT_EQ(cMainMenu::getFixedBack(), nullptr);
    EXPECT_TRUE(s_logWritten);
    EXPECT_NE(readFileBytes(s_logPath).find(std::string("b\0.\0p\0n\0g", 9)), std::string::npos);
    EXPECT_EQ(m_engine.platform().getHeadlessSoundLibrary().countCalls("loadSample game.wav"), 1);
}

} // namespace
