#include "Game/GameHarness.h"
#include "engine/frame/Timer.h"
#include "engine/text/TextConvert.h"
#include "Game/Contracts/ContractStatus.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/GameMenu/GoalSign.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Market/Market.h"
#include "Game/Shell/Menu.h"
#include "Game/Timeline/Gameplay.h"
#include "Game/Tutorial/HelpView.h"
#include "Game/Shell/MainMenu.h"
#include "Game/Shell/Options.h"
#include "input/Control.h"
#include "Ui/boxes/ProgressFloat.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/Text.h"

#include <gtest/gtest.h>

namespace {

// A worker whose looping sounds are only written down.
class cRecordingPerson : public cPerson {
public:
    cRecordingPerson(cView* _parent, std::vector<int>& _started) : cPerson(_parent), m_started(_started) {}
    void playSound(eSoundType _type) override
    {
        m_started.push_back(int(_type));
        m_playing[_type] = true;
    }
    void stopLoopSound(eSoundType _type) override { m_playing[_type] = false; }
    Bool isLoopSoundPlaying(eSoundType _type) const override { return m_playing[_type]; }

private:
    std::vector<int>& m_started;
    Bool m_playing[SOUND_COUNT] = {};
};

class cGameMenuTest : public cGameTest {
protected:
    explicit cGameMenuTest(const tDataFiles& _files = {}) : cGameTest(_files) { m_engine.frames(20); }

    cGameMenu& menu() { return *cGameMenu::getInstance(); }
    // A key pressed and let go, then _frames frames.
    void key(std::uint32_t _code, int _frames = 20)
    {
        m_engine.key(_code, true);
        m_engine.key(_code, false);
        m_engine.frames(_frames);
    }
    // The game time one frame adds.
    Float frameGameTime()
    {
        const Float before = key::GameTime();
        m_engine.frame();
        return key::GameTime() - before;
    }
    // Costs of the warehouse's levels (item 12): level 1 costs _first, level 2 _second.
    void warehouseCosts(UInt _first, UInt _second)
    {
        std::string rows;
        for (int i = 0; i < 12; ++i)
            rows += "<I />";
        load("<Game><Costs>" + rows + "<I><Up0>0</Up0><Up1>" + std::to_string(_first) + "</Up1><Up2>" +
             std::to_string(_second) + "</Up2><Up3>0</Up3></I></Costs></Game>");
    }
    static Bool on(const cView* _view) { return _view->isVisible() && _view->isEnabled(); }
};

struct sGoal {
    Int goal;
    Int money;
    Int level;
    Int wareGoal;
    Bool runs;
    Int goalAfter;
    Int wareGoalAfter;
    // What the sign under the clock says; null: no sign.
    const char16_t* sign;
};

TEST_F(cGameMenuTest, GoalsHoldTheGameTimeButNotThePlayTime)
{
    warehouseCosts(250, 200);
    // Level 2 counts level 1 as invested (350 with the money), level 3 levels 1 and 2 (450). The
    // sign under the clock says what holds it.
    for (const sGoal& c : {sGoal{500, 100, 2, -1, false, 500, -1, u"350 / 500"}, sGoal{500, 100, 3, -1, true, 0, -1, nullptr},
                           sGoal{0, 0, 1, 2, false, 0, 2, u"Barn level 3"}, sGoal{0, 0, 2, 2, true, 0, -1, nullptr},
                           sGoal{500, 100, 2, 2, false, 500, 2, u"350 / 500"}}) {
        key::mTrigger() = c.goal;
        key::Money() = c.money;
        key::upgradeLevel(32) = c.level;
        key::wlTrigger() = c.wareGoal;
        const Float playTime = key::RunTime();
        EXPECT_EQ(frameGameTime() > 0, c.runs) << c.goal << " " << c.level;
        EXPECT_GT(key::RunTime(), playTime);
        EXPECT_EQ(key::mTrigger(), c.goalAfter);
        EXPECT_EQ(key::wlTrigger(), c.wareGoalAfter);
        const cGoalSign* sign = menu().getGoalSign();
        EXPECT_EQ(sign->isOwnVisible(), c.sign != nullptr) << c.goal << " " << c.level;
        if (c.sign) {
            EXPECT_EQ(sign->getText()->getString(), c.sign);
        }
    }
}

// Play time set from outside (a load, a cheat) goes on from there at the frames' own pace, however
// long the game has run: past 2^18 s a Float that gains a frame at a time gains two, past 2^19 s none.
TEST_F(cGameMenuTest, PlayTimeKeepsThePaceOfTheFramesAtAnyTotal)
{
    // A game whose awards are all won: one presented would stand it.
    for (UInt award = 0; award < AWARD_COUNT; ++award)
        key::Award[award] = true;
    cGame::endGame();
    cGame::startGame();
    m_game = cGame::getInstance();
    for (const double start : {64800.0, 270000.0, 524288.0}) {
        key::RunTime() = Float(start);
        m_engine.frames(500);
        const double expected = start + 500 * double(cTimer::getInstance()->getFrameTime());
        EXPECT_NEAR(key::RunTime(), expected, expected * 1.2e-7 + 1e-4) << start;
    }
}

TEST_F(cGameMenuTest, ASlideOrATipStandsTheClock)
{
    EXPECT_GT(frameGameTime(), 0);
    menu().setHold(true);
    EXPECT_EQ(frameGameTime(), 0);
    menu().setHold(false);
    menu().gotoMarket();
    EXPECT_EQ(frameGameTime(), 0);
    m_engine.frames(50);
    EXPECT_FALSE(cGameMenu::isAnyScreenSliding());
    EXPECT_GT(frameGameTime(), 0);
}

TEST_F(cGameMenuTest, NotesBlinkTheJournalUntilRead)
{
    auto* journal = menu().getJournalButton();
    EXPECT_FALSE(journal->isOwnVisible());
    menu().addNote(u"old news", true);
    EXPECT_TRUE(journal->isOwnVisible());
    EXPECT_FALSE(menu().isJournalBlinking());
    menu().addNote(u"fresh", false);
    EXPECT_TRUE(menu().isJournalBlinking());
    m_engine.frames(30);
    EXPECT_EQ(journal->getColor(), menu().getJournalBlinkColor());
    m_engine.frames(25);
    EXPECT_EQ(journal->getColor(), menu().getJournalNormalColor());
    m_engine.frames(25);
    menu().setNotesRead(true);
    EXPECT_FALSE(menu().isJournalBlinking());
    EXPECT_EQ(journal->getColor(), menu().getJournalNormalColor());
    menu().setNotes({{u"a", true}, {u"b", true}});
    EXPECT_FALSE(menu().isJournalBlinking());
    menu().setNotes({{u"a", true}, {u"b", false}});
    EXPECT_TRUE(menu().isJournalBlinking());
    EXPECT_EQ(menu().getNotes().size(), 2u);
}

// A loop of the time-line every two seconds, which brings two notes again each time.
class cNoteLoopTest : public cGameMenuTest {
protected:
    static std::string gift(const char* _time, const char* _note)
    {
        return std::string("<E Type=\"2\" Time=\"") + _time + "\"><Note>" + _note + "</Note><Data RandomFactor=\"1\" /></E>";
    }
    cNoteLoopTest()
        : cGameMenuTest({{"Gameplay/Gameplay.xml", makeXml16("<Gameplay><Events>" + gift("0:00:01", "Welcome") +
              "<E Type=\"9\" Time=\"0:00:02\" />" + gift("0:00:03", "Gift") + gift("0:00:04", "Tax") + "</Events></Gameplay>")}})
    {
    }
    // Until the clock has gone back _loops times; a clock that never does gives up.
    void waitForLoops(int _loops)
    {
        for (int frame = 0; _loops > 0 && frame < 5000; ++frame) {
            const Float before = key::GameTime();
            m_engine.frame();
            _loops -= key::GameTime() < before ? 1 : 0;
        }
    }
};

// The journal and the level-state file grew with every loop of a long game.
TEST_F(cNoteLoopTest, ANoteThatComesAgainMovesToTheEndWithItsFlagAndOnlyTheNewestAreKept)
{
    waitForLoops(3);
    menu().setNotesRead(true);
    waitForLoops(1);
    std::vector<std::pair<WString, Bool>> notes;
    for (const auto& note : menu().getNotes())
        notes.push_back({note.text, note.read});
    EXPECT_EQ(notes, (std::vector<std::pair<WString, Bool>>{{u"Welcome", true}, {u"Gift", false}, {u"Tax", false}}));
    for (size_t i = 0; i < cGameMenu::NOTE_LIMIT; ++i)
        menu().addNote(toWString(std::to_string(i)), true);
    EXPECT_EQ(menu().getNotes().size(), cGameMenu::NOTE_LIMIT);
    EXPECT_EQ(menu().getNotes().front().text, u"0");
}

struct sSlide {
    Int mode;
    Float from;
    Float to;
};

struct sSwitch {
    const char* name;
    void (cGameMenu::*go)();
    sSlide farm, market, production;
    Bool marketButton, farmButton, producingButton;
    // Where the first contract card stands once there: the market's own place, else the farm's.
    Float cardX;
};

TEST_F(cGameMenuTest, SwitchesSlideTheScreensAndSetTheButtonsAndTheCardsComeWithTheirScreen)
{
    key::upgradeAvail(0) = 0;
    const sSwitch cases[] = {
        {"market from farm", &cGameMenu::gotoMarket, {1, -1, 799}, {2, -801, -1}, {0, 0, 0}, false, true, true, 500},
        {"production from market", &cGameMenu::gotoManufacture, {0, 0, 0}, {1, -1, -801}, {2, 799, -1}, true, true, false, 0},
        {"farm from production", &cGameMenu::gotoFarm, {2, -801, -1}, {0, 0, 0}, {1, -1, 799}, true, false, true, 0},
        {"production from farm", &cGameMenu::gotoManufacture, {1, -1, -801}, {0, 0, 0}, {2, 799, -1}, true, true, false, 0},
        {"market from production", &cGameMenu::gotoMarket, {0, 0, 0}, {2, -801, -1}, {1, -1, 799}, false, true, true, 500},
        {"farm from market", &cGameMenu::gotoFarm, {2, 799, -1}, {1, -1, -801}, {0, 0, 0}, true, false, true, 0},
    };
    for (const sSwitch& c : cases) {
        (menu().*c.go)();
        const std::pair<cMovableBack*, sSlide> screens[] = {
            {cFarm::getInstance(), c.farm}, {cMarket::getInstance(), c.market}, {cManufacture::getInstance(), c.production}};
        for (const auto& [screen, slide] : screens) {
            EXPECT_EQ(screen->getSlide().getMode(), slide.mode) << c.name;
            if (slide.mode == 0) {
                EXPECT_FALSE(screen->isOwnVisible()) << c.name;
                continue;
            }
            EXPECT_EQ(screen->getSlide().getFrom().x, slide.from) << c.name;
            EXPECT_EQ(screen->getSlide().getTo().x, slide.to) << c.name;
        }
        EXPECT_EQ(menu().getMarketButton()->isEnabled(), c.marketButton) << c.name;
        EXPECT_EQ(menu().getFarmButton()->isEnabled(), c.farmButton) << c.name;
        EXPECT_EQ(menu().getProducingButton()->isEnabled(), c.producingButton) << c.name;
        // Every frame of the slide the card stands where its place is over the screen coming in.
        const cMovableBack* coming = nullptr;
        for (const auto& [screen, slide] : screens)
            coming = slide.mode == 2 ? screen : coming;
        int frames = 0;
        for (; coming->getSlide().isMoving() && frames < 100; ++frames) {
            m_engine.frame();
            EXPECT_NEAR(menu().getContractStatus(0)->getPosition().x - c.cardX,
                        coming->getSlidingPicture()->getPosition().x + 1, 0.01f)
                << c.name << ", frame " << frames;
        }
        EXPECT_GT(frames, 3) << c.name;
        m_engine.frames(50);
        EXPECT_EQ(menu().getContractStatus(0)->getPosition().x, c.cardX) << c.name;
        EXPECT_EQ(menu().getContractStatus(0)->getPosition().y, 40.0f) << c.name;
    }
}

TEST_F(cGameMenuTest, EscapePausesUnlessAScreenSlidesOrSomethingIsCarried)
{
    menu().gotoMarket();
    key(KEY_ESCAPE, 1);
    EXPECT_TRUE(m_game->isEnabled()) << "sliding";
    m_engine.frames(50);
    cFarm::s_seedOnMouse = true;
    key(KEY_ESCAPE, 1);
    EXPECT_TRUE(m_game->isEnabled()) << "carrying";
    cFarm::clearObjectOnMouse();
    key(KEY_ESCAPE, 1);
    EXPECT_FALSE(m_game->isEnabled());
    EXPECT_FALSE(m_game->isAbsoluteEnabled());
    EXPECT_TRUE(menu().getPauseMenu()->isOwnVisible());
    const Float clock = key::RunTime();
    m_engine.frames(5);
    EXPECT_EQ(key::RunTime(), clock) << "a paused game has no clock";
}

TEST_F(cGameMenuTest, PausingStopsTheWorkersLoopsAndResumingStartsThemInOrder)
{
    std::vector<int> started;
    delete cPerson::getInstance();
    auto* person = new cRecordingPerson(cFarm::getInstance()->getSlidingPicture(), started);
    for (auto type : {cPerson::WORK_SCYTHE, cPerson::WORK_SHOVEL, cPerson::WORK_TRACTOR, cPerson::WORK_HOSE,
                      cPerson::WORK_WATERING_CAN})
        person->playSound(type);
    started.clear();
    m_game->absoluteDisable();
    m_game->absoluteDisable();
    for (UInt type = 0; type < cPerson::SOUND_COUNT; ++type)
        EXPECT_FALSE(person->isLoopSoundPlaying(cPerson::eSoundType(type)));
    m_game->absoluteEnable();
    EXPECT_EQ(started, (std::vector<int>{2, 6, 1, 0, 4}));
}

TEST_F(cGameMenuTest, ControlsComeBackAsTheyWere)
{
    menu().getProducingButton()->disable();
    menu().disableControls();
    for (auto* button : {menu().getMainMenuButton(), menu().getMarketButton(), menu().getFarmButton()})
        EXPECT_FALSE(button->isEnabled());
    menu().enableControls();
    EXPECT_TRUE(menu().getMainMenuButton()->isEnabled());
    EXPECT_TRUE(menu().getMarketButton()->isEnabled());
    EXPECT_FALSE(menu().getFarmButton()->isEnabled()) << "the farm was on view";
    EXPECT_FALSE(menu().getProducingButton()->isEnabled());
}

TEST_F(cGameMenuTest, ContractsTakeTheFirstFreePlaceAndAFullBarRefusesMore)
{
    sContractEvent deal;
    for (int i = 0; i < 4; ++i)
        menu().acceptContract(&deal);
    EXPECT_EQ(menu().getBusyStatusCount(), 3u);
    EXPECT_EQ(menu().getContractStatus(2)->getPosition().y, 120.0f);
    menu().getContractStatus(1)->pass();
    menu().getContractStatus(1)->pass();
    EXPECT_EQ(menu().getBusyStatusCount(), 2u) << "a place is freed once";
}

TEST_F(cGameMenuTest, SavedContractsMustNameContractsOfTheTimeLine)
{
    cGame::endGame();
    key::task[0] = 0;
    key::task[1] = 7;
    cGame::startGame();
    EXPECT_EQ(cGameMenu::getInstance()->getBusyStatusCount(), 0u);
    EXPECT_EQ(key::task[0], -1) << "event 0 is the restart, no contract";
    EXPECT_EQ(key::task[1], -1);
}

TEST_F(cGameMenuTest, AWarehouseWithoutRoomShowsAnEmptyGauge)
{
    menu().updateWarehouseInfo();
    EXPECT_EQ(menu().getWareLoading()->getValue(), 0.0f);
}

// The game paused, its menu up.
class cPauseMenuTest : public cGameMenuTest {
protected:
    cPauseMenuTest()
    {
        cGameMenu::onGotoMainMenu(nullptr);
        m_engine.frames(20);
    }

    cMenu& pauseMenu() { return *cMenu::getInstance(); }
    Bool paused() const { return !m_game->isEnabled() && !m_game->isAbsoluteEnabled(); }
    Bool menuUp() { return on(&pauseMenu()); }
};

TEST_F(cPauseMenuTest, EscapeAndEnterContinue)
{
    for (std::uint32_t code : {KEY_ESCAPE, KEY_RETURN}) {
        ASSERT_TRUE(paused());
        ASSERT_TRUE(menuUp());
        key(code);
        EXPECT_FALSE(paused()) << code;
        EXPECT_FALSE(pauseMenu().isVisible()) << code;
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

// No goes back to the paused menu; Yes leaves no game, and a new one can start.
TEST_F(cPauseMenuTest, TheQuestionToLeaveIsAnsweredByKeys)
{
    cMenu::onMainMenu(nullptr);
    m_engine.frame();
    EXPECT_FALSE(pauseMenu().isVisible());
    key(KEY_ESCAPE);
    EXPECT_TRUE(menuUp());
    EXPECT_TRUE(paused());
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
    EXPECT_FALSE(pauseMenu().isVisible());
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

TEST_F(cHelpViewTest, ArrowsShowOnlyWithPagesToTurnTurnOnePageAndStopAtTheEnds)
{
    for (int pages : {0, 1}) {
        start(pages);
        cHelpView::onNext(nullptr);
        cHelpView::onPrev(nullptr);
        EXPECT_EQ(state(), tState(0, false, false)) << pages;
    }
    EXPECT_EQ(m_help->getPage(0)->pictures.size(), 2u);
    EXPECT_EQ(m_help->getPage(0)->texts.size(), 1u);
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
