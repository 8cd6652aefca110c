#include "Game/Shell/Credits.h"
#include "Game/Shell/HightScores.h"
#include "Game/Shell/LogLoad.h"
#include "Game/Shell/MainMenu.h"
#include "Game/Shell/Options.h"
#include "Game/Shell/Preload.h"
#include "Game/Shell/Shell.h"
#include "Game/Shell/YesNoExit.h"
#include "Ui/buttons/CheckButton.h"
#include "Ui/controls/Picture.h"
#include "Ui/NameFont.h"
#include "Ui/boxes/ProgressFloat.h"
#include "Ui/boxes/ScrollBox.h"
#include "Ui/texts/Text.h"
#include "Ui/views/UI.h"
#include "Ui/views/ViewWatch.h"
#include "engine/progress/Profile.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/Settings.h"
#include "engine/resources/SoundManager.h"
#include "graphics/NullGraphics.h"
#include "input/Control.h"
#include "platform/window/WindowEvent.h"
#include "platform/headless/HeadlessSoundLibrary.h"
#include "support/EngineCore.h"
#include "support/EngineHarness.h"
#include "support/ImageFixtures.h"
#include "support/Thrown.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

// The engine headless with the recording renderer, frames of 20 ms, and small files for
// every shell screen: three logos of different sizes, a loading screen whose bar runs to 70
// with a menu and a game music, a main menu, options whose sliders run from 0 to 200, credits,
// the exit question, high scores, and the first-profile screen. Whatever the shell leaves goes
// as at the end of the program.
class cShellTest : public ::testing::Test {
protected:
    explicit cShellTest(tDataFiles _extra = {}, const std::string& _settings = cEngineHarness::DEFAULT_SETTINGS)
        : m_engine(_settings, withExtra(std::move(_extra)), cEngineHarness::eRenderer::recording)
    {
        m_engine.frames(20);
    }
    ~cShellTest() override
    {
        endShell();
        m_engine.frames(2);
    }

    static std::string picture(UInt _width, UInt _height)
    {
        return makePng(makeImage(_width, _height, [](UInt, UInt) { return 0xFF80A040u; }));
    }
    static std::string button(const std::string& _key, const std::string& _position)
    {
        return "<" + _key + " Visible=\"1\" Enable=\"1\" Picture=\"b.png\" size=\"100 40\" position=\"" + _position +
               "\"/>";
    }
    // A log of _types, one entry each, naming the pictures e0.png, e1.png...
    static std::string log(const std::vector<int>& _types)
    {
        std::string text = "<ResourceLog>";
        for (size_t i = 0; i < _types.size(); ++i)
            text += "<Tag Path=\"e" + std::to_string(i) + ".png\" Type=\"" + std::to_string(_types[i]) + "\"/>";
        return makeXml16(text + "</ResourceLog>");
    }
    static tDataFiles withExtra(tDataFiles _extra)
    {
        tDataFiles files = {
            {"b.png", picture(8, 8)},
            {"Logo.jpg", picture(40, 30)},
            {"Logo/Logo2.jpg", picture(50, 20)},
            {"Logo/Logo3.jpg", picture(60, 10)},
            {"menu.wav", "menu music"},
            {"game.wav", "game music"},
            {"fonts/name.fnt", makeNameFont()},
            {"fonts/name.png", picture(64, 64)},
            {"Ui/Load.xml", makeXml16("<Load Visible=\"1\" Enable=\"1\"><Progress Visible=\"1\" Enable=\"1\" "
                                      "Picture=\"b.png\" size=\"100 10\" ProgressMaxValue=\"70\"/>"
                                      "<MainMenuMusic Sound=\"menu.wav\"/><GameMusic Sound=\"game.wav\"/></Load>")},
            {"Ui/FixedBack.xml", makeXml16("<FixedBack Visible=\"1\" Enable=\"1\"/>")},
            {"UI/MainMenu.xml",
             makeXml16("<MainMenu Visible=\"1\" Enable=\"1\">" + button("StartButton", "400 100") +
                       button("Options", "400 200") + button("ExitButton", "400 300") +
                       button("CreditsButton", "400 400") + "<UserName Visible=\"1\" Enable=\"1\"/></MainMenu>")},
            {"UI/Options.xml",
             makeXml16("<Options Visible=\"1\" Enable=\"1\"><SoundVolume Visible=\"1\" Enable=\"1\" Min=\"0\" "
                       "Max=\"200\" position=\"400 100\" size=\"200 20\"/><MusicVolume Visible=\"1\" Enable=\"1\" "
                       "Min=\"0\" Max=\"200\" position=\"400 200\" size=\"200 20\"/>" +
                       button("FullScreen", "400 300") + button("OkButton", "400 400") + "</Options>")},
            {"UI/Credits.xml", makeXml16("<Credits Visible=\"1\" Enable=\"1\">" + button("ReturnButton", "400 500") +
                                         "<Texts><Text String=\"one\"/><Text String=\"two\"/><Text String=\"three\"/>"
                                         "</Texts></Credits>")},
            {"UI/YesNoExit.xml",
             makeXml16("<YesNoExit Visible=\"1\" Enable=\"1\"><Bee0 Visible=\"1\"/><Bee1 Visible=\"1\"/>"
                       "<Bee2 Visible=\"1\"/>" + button("YesButton", "300 400") + button("NoButton", "500 400") +
                       "</YesNoExit>")},
            {"UI/HightScores.xml",
             makeXml16("<HightScores Visible=\"1\" Enable=\"1\" LinesNum=\"2\" TopLeft=\"100 100\">"
                       "<LabelText Visible=\"1\" Enable=\"1\"/><Medal0 Visible=\"0\"/><Medal1 Visible=\"1\"/>" +
                       button("ToSurvivalButton", "300 500") + button("ReturnButton", "400 500") + "</HightScores>")},
            {"UI/NewUser.xml",
             makeXml16("<NewUser Visible=\"1\" Enable=\"1\"><NameEdit Visible=\"1\" Enable=\"1\" MaxLength=\"1000\" "
                       "position=\"400 150\" Font=\"fonts/name.fnt\" Texture=\"fonts/name.png\"/>" +
                       button("OkButton", "300 550") + "</NewUser>")},
        };
        // An extra file replaces the file of its path; one without bytes leaves the path absent.
        for (const auto& extra : _extra) {
            tDataFiles kept;
            for (const auto& file : files)
                if (file.first != extra.first)
                    kept.push_back(file);
            files.swap(kept);
            if (!extra.second.empty())
                files.push_back(extra);
        }
        return files;
    }

    // Each key goes down and up in one frame, or only down or up.
    void key(std::uint32_t _code, bool _down, bool _up)
    {
        if (_down)
            m_engine.key(_code, true);
        if (_up)
            m_engine.key(_code, false);
        m_engine.frame();
    }
    void moveTo(Int _x, Int _y) { m_engine.moveTo(_x, _y); }
    void click(Int _x, Int _y)
    {
        m_engine.moveTo(_x, _y);
        m_engine.press();
        m_engine.press(false);
    }
    // Long enough for any fade to end.
    void settle() { m_engine.frames(25); }
    // Started channels the headless library would still play (ids count up from 1).
    int audibleChannels()
    {
        int count = 0;
        for (int channel = 1; channel < 64; ++channel)
            count += m_engine.platform().getHeadlessSoundLibrary().isAudible(channel);
        return count;
    }

    cEngineHarness m_engine;
};

std::vector<std::string> s_journal;
cLogLoad* s_screen = nullptr;

// The continuation notes the bar as it stood when it ran.
void noteBar()
{
    s_journal.push_back(s_screen ? std::to_string(s_screen->getProgress()->getValue()) : "ran");
}

class LogLoadTest : public cShellTest {
protected:
    LogLoadTest()
        : cShellTest({{"seven.xml", log({0, 0, 0, 0, 0, 0, 0})}, {"empty.xml", log({})}, {"skipped.xml", log({5, 6, 0})},
                      {"e0.png", picture(4, 4)}, {"e1.png", picture(4, 4)}, {"e2.png", picture(4, 4)},
                      {"e3.png", picture(4, 4)}, {"e4.png", picture(4, 4)}, {"e5.png", picture(4, 4)},
                      {"e6.png", picture(4, 4)}})
    {
        s_journal.clear();
        s_screen = nullptr;
    }
    // The bar after each frame, the last as the continuation saw it, until the screen has gone.
    std::vector<Float> run(const String& _log, UInt _perFrame)
    {
        s_screen = cLogLoad::start(_log, &noteBar, _perFrame, true);
        cViewWatch screen(s_screen);
        std::vector<Float> bars;
        for (int frame = 0; screen && frame < 10; ++frame) {
            m_engine.frame();
            bars.push_back(screen ? s_screen->getProgress()->getValue() : std::stof(s_journal.at(0)));
        }
        return bars;
    }
};

// Each frame shows what was loaded before it; an empty log ends on its first frame, and mesh
// and animation entries are skipped.
TEST_F(LogLoadTest, TheBarCountsBatchesAndTheContinuationRunsOnce)
{
    const struct {
        const char* log;
        UInt perFrame;
        std::vector<Float> bars;
    } cases[] = {{"seven.xml", 3, {0.0f, 30.0f, 60.0f}}, {"empty.xml", 3, {0.0f}}, {"skipped.xml", 30, {0.0f}}};
    for (const auto& c : cases) {
        s_journal.clear();
        EXPECT_EQ(run(c.log, c.perFrame), c.bars) << c.log;
        EXPECT_EQ(s_journal.size(), 1u) << c.log;
    }
}

// No screen is left behind to be used, and nothing is cleared from the cache.
TEST_F(LogLoadTest, AMissingLogRunsTheContinuationAtOnce)
{
    cResourceManager& resources = *cResourceManager::getInstance();
    iResource* kept = resources.getTexture("e0.png");
    kept->release();
    EXPECT_EQ(cLogLoad::start("missing.xml", &noteBar, 3, true), nullptr);
    EXPECT_EQ(s_journal, std::vector<std::string>{"ran"});
    m_engine.frames(2);
    EXPECT_EQ(resources.getTexture("e0.png"), kept);
    kept->release();
}

// Each switch stops the music before the next one starts.
TEST_F(LogLoadTest, MenuGameMenuTwiceLeavesOneMusicChannel)
{
    for (Bool menu : {true, false, true, false, true}) {
        cLogLoad::start("missing.xml", nullptr, 3, menu);
        EXPECT_EQ(audibleChannels(), 1);
    }
    cLogLoad::endRun();
    EXPECT_EQ(audibleChannels(), 0);
}

class SilentLoadTest : public cShellTest {
protected:
    SilentLoadTest() : cShellTest({{"Ui/Load.xml", makeXml16("<Load Visible=\"1\" Enable=\"1\"/>")}}) {}
};

TEST_F(SilentLoadTest, AScreenFileWithoutMusicPlaysNothing)
{
    cLogLoad::start("missing.xml", nullptr, 3, true);
    EXPECT_EQ(audibleChannels(), 0);
    EXPECT_EQ(m_engine.platform().getHeadlessSoundLibrary().countCalls("loadSample"), 0);
}

// A hidden or disabled loading screen is never processed, so it would never open the next
// screen and the game would stand on it for good: its file is an error that names it.
struct sDamagedLoad {
    const char* root;
    const char* expected;
};

class DamagedLoadTest : public cShellTest, public ::testing::WithParamInterface<sDamagedLoad> {
protected:
    DamagedLoadTest() : cShellTest({{"Ui/Load.xml", makeXml16(std::string("<Load ") + GetParam().root + "/>")}}) {}
};

TEST_P(DamagedLoadTest, IsAnErrorNamingTheFileAndNeverAStandstill)
{
    const std::string error = thrownText([] { cLogLoad::start("missing.xml", nullptr, 3, true); });
    EXPECT_EQ(error.find(GetParam().expected), 0u) << error;
    EXPECT_NE(error.find("\nwhile reading \"Ui/Load.xml\"\n"), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(Roots, DamagedLoadTest,
    ::testing::Values(sDamagedLoad{"Visible=\"0\" Enable=\"1\"", "The loading screen must be visible and enabled"},
        sDamagedLoad{"Visible=\"1\" Enable=\"0\"", "The loading screen must be visible and enabled"},
        sDamagedLoad{"Visible=\"-1\" Enable=\"1\"", "The attribute \"Visible\" is not 0 or 1: \"-1\"."},
        sDamagedLoad{"Visible=\"1\" Enable=\"NaN\"", "The attribute \"Enable\" is not 0 or 1: \"NaN\"."},
        sDamagedLoad{"Visible=\"1e308\" Enable=\"1\"", "The attribute \"Visible\" is not 0 or 1"}));

// The logos as the entry opens them, their fade-in over.
class PreloadTest : public cShellTest {
protected:
    explicit PreloadTest(tDataFiles _extra = {}) : cShellTest(std::move(_extra))
    {
        auto* logos = new cPreload();
        logos->hide();
        logos->showTransparently();
        m_logos.set(logos);
        for (int frame = 0; frame < 60 && logos->getState() == 0; ++frame)
            m_engine.frame();
    }
    cPreload* logos() { return static_cast<cPreload*>(m_logos.get()); }
    // Frames spent in the current state, at most _limit.
    int framesInState(int _limit = 400)
    {
        const Int state = logos()->getState();
        int frames = 0;
        while (logos()->getState() == state && !logos()->hasLeft() && frames < _limit) {
            m_engine.frame();
            ++frames;
        }
        return frames;
    }
    void press() { key(KEY_SPACE, true, false); }
    void release() { key(KEY_SPACE, false, true); }

    cViewWatch m_logos;
};

TEST_F(PreloadTest, EachLogoStaysFourSecondsAtItsOwnSize)
{
    const Vector2 sizes[] = {{40, 30}, {50, 20}, {60, 10}};
    for (Int state = 1; state <= 3; ++state) {
        SCOPED_TRACE(state);
        ASSERT_EQ(logos()->getState(), state);
        EXPECT_EQ(logos()->getLogo()->getSize().x, sizes[state - 1].x);
        EXPECT_EQ(logos()->getLogo()->getSize().y, sizes[state - 1].y);
        EXPECT_NEAR(framesInState(), 200, 1);
    }
    EXPECT_TRUE(logos()->hasLeft());
}

TEST_F(PreloadTest, APressDuringTheSecondLogoShowsTheThirdFromTheStart)
{
    framesInState();
    m_engine.frames(50);
    press();
    EXPECT_EQ(logos()->getState(), 3);
    EXPECT_FLOAT_EQ(logos()->getTime(), 0.02f);
    EXPECT_EQ(logos()->getLogo()->getAlpha(), 0.0f);
}

// A release whose press went elsewhere (before the window had the focus) skips nothing.
TEST_F(PreloadTest, OnlyPressesSkip)
{
    release();
    release();
    EXPECT_EQ(logos()->getState(), 1);
    press();
    release();
    press();
    EXPECT_EQ(logos()->getState(), 3);
}

class NoGameLogoTest : public PreloadTest {
protected:
    NoGameLogoTest() : PreloadTest({{"Logo.jpg", ""}}) {}
};

TEST_F(NoGameLogoTest, TheSequenceStartsAtTheSecondAndEndsAfterTheThird)
{
    EXPECT_EQ(logos()->getState(), 2);
    EXPECT_EQ(logos()->getLogo()->getSize().x, 50.0f);
    framesInState();
    EXPECT_EQ(logos()->getState(), 3);
    framesInState();
    EXPECT_TRUE(logos()->hasLeft());
}

// The main menu as the loading screen leaves it: faded in and enabled.
class MainMenuTest : public cShellTest {
protected:
    explicit MainMenuTest(const std::string& _settings = cEngineHarness::DEFAULT_SETTINGS) : cShellTest({}, _settings)
    {
        m_menu = cMainMenu::open(false);
        settle();
    }
    // Escape, and the question on screen once any fade has ended.
    cYesNoExit* escape()
    {
        key(KEY_ESCAPE, true, true);
        settle();
        return question();
    }
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
    cYesNoExit* asked = escape();
    ASSERT_NE(asked, nullptr);
    EXPECT_FALSE(m_menu->isEnabled());
    EXPECT_EQ(escape(), asked);
    click(500, 400);
    settle();
    EXPECT_EQ(question(), nullptr);
    EXPECT_TRUE(m_menu->isEnabled() && m_menu->isVisible());
    EXPECT_FALSE(quitPosted());
    escape();
    click(300, 400);
    EXPECT_TRUE(quitPosted());
}

TEST_F(MainMenuTest, TheMascotFollowsTheButtonUnderThePointer)
{
    cYesNoExit* asked = escape();
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
    cYesNoExit* asked = escape();
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
    EXPECT_EQ(escape(), nullptr);
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

    // The game keeps no records: the table is empty in both modes.
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

// Sliders that run from 0 to 200, as data may have them; no pictures, so no renderer is needed.
const std::string OPTIONS_XML = "<Options Visible=\"1\" Enable=\"1\">"
                                "<SoundVolume Visible=\"1\" Enable=\"1\" Min=\"0\" Max=\"200\" size=\"200 20\"/>"
                                "<MusicVolume Visible=\"1\" Enable=\"1\" Min=\"0\" Max=\"200\" size=\"200 20\"/>"
                                "<FullScreen Visible=\"1\" Enable=\"1\"/></Options>";

class OptionsTest : public ::testing::Test {
protected:
    OptionsTest()
        : m_engine(std::string(cEngineHarness::DEFAULT_SETTINGS) + "<Sound Music=\"40\" Sound=\"70\"/>",
              {{"UI/Options.xml", makeXml16(OPTIONS_XML)}}, cEngineHarness::eRenderer::null)
    {
    }
    void slide(cScrollBox* _box, Float _value) { _box->getOnChange()(_box, _value); }
    void toggle(Bool _checked) { m_options->getFullScreen()->getOnCheck()(m_options->getFullScreen(), _checked); }

    cEngineHarness m_engine;
    std::unique_ptr<cOptions> m_options = std::make_unique<cOptions>();
};

TEST_F(OptionsTest, SlidersShowTheVolumesAndSetThemWholeAndWithinTheScale)
{
    EXPECT_EQ(m_options->getMusicVolume()->getValue(), 40.0f);
    EXPECT_EQ(m_options->getSoundVolume()->getValue(), 70.0f);
    const struct {
        Float slider;
        UInt volume;
    } cases[] = {{57.8f, 57}, {150.0f, 100}, {-3.5f, 0}, {0.9f, 0}, {std::nanf(""), 0}, {100.0f, 100}};
    cSoundManager& sound = *cSoundManager::getInstance();
    for (const auto& c : cases) {
        slide(m_options->getMusicVolume(), c.slider);
        slide(m_options->getSoundVolume(), c.slider);
        EXPECT_EQ(sound.getMusicVolume(), c.volume) << c.slider;
        EXPECT_EQ(sound.getSoundVolume(), c.volume) << c.slider;
    }
}

TEST_F(OptionsTest, FullScreenTwiceRestoresTheSettingAndResetsTwice)
{
    Bool fullScreen = true;
    for (Bool checked : {true, false}) {
        toggle(checked);
        cSettings::getInstance()->getPropertyT("graphics", "fullscreen", fullScreen);
        EXPECT_EQ(fullScreen, checked);
        m_engine.frame();
    }
    EXPECT_EQ(m_engine.graphics().getResetCount(), 2u);
}

// Without a sound device the sliders are off but show what the settings hold.
TEST(OptionsWithoutSound, TheSlidersAreDisabledAndShowTheStoredVolumes)
{
    cTestData data("<game app_directory=\"Test\" /><Sound Music=\"40\" Sound=\"700\" />");
    data.writeData({{"UI/Options.xml", makeXml16(OPTIONS_XML)}});
    cEngineCore core(data);
    cHeadlessSoundLibrary library;
    library.setDeviceMissing(true);
    cSoundManager sound(library);
    cUI ui;
    cOptions options;
    EXPECT_FALSE(options.getMusicVolume()->isEnabled());
    EXPECT_FALSE(options.getSoundVolume()->isEnabled());
    EXPECT_EQ(options.getMusicVolume()->getValue(), 40.0f);
    EXPECT_EQ(options.getSoundVolume()->getValue(), 100.0f);
}

} // namespace
