#include "Ui/ButtonHarness.h"
#include "Ui/NameFont.h"
#include "Ui/boxes/ListBox.h"
#include "Ui/screens/MovableBack.h"
#include "Ui/screens/MovableUnion.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/profiles/NewProfile.h"
#include "Ui/controls/Picture.h"
#include "Ui/views/Scavenger.h"
#include "Ui/profiles/SelectProfile.h"
#include "Ui/boxes/TextBox.h"
#include "Ui/buttons/Tips.h"
#include "Ui/buttons/TutorialTips.h"
#include "Ui/screens/YesNo.h"
#include "engine/progress/GameVariables.h"
#include "engine/progress/Profile.h"
#include "engine/text/TextConvert.h"
#include "input/Control.h"
#include "support/TempFolder.h"
#include "support/Thrown.h"

namespace {

// A dialog up on the screen, its answers noted in the journal unless _closeOnly.
class YesNoDialog : public cButtonTest {
protected:
    cYesNo* open(cView* _guarded = nullptr, bool _closeOnly = false)
    {
        auto* dialog = new cYesNo(_guarded);
        m_dialog.set(dialog);
        if (!_closeOnly) {
            dialog->setYesHandler([](cView* _dialog) { record("yes"); cYesNo::closeDialog(_dialog); });
            dialog->setNoHandler([](cView* _dialog) { record("no"); cYesNo::closeDialog(_dialog); });
        }
        dialog->show();
        dialog->enable();
        return dialog;
    }
    cView* screen() { return make<cView>("<v Visible=\"1\" Enable=\"1\" />"); }

    cViewWatch m_dialog;
};

TEST_F(YesNoDialog, ATopLevelDialogFromItsFile)
{
    cYesNo* dialog = open(screen());
    EXPECT_EQ(dialog->getParent(), nullptr);
    EXPECT_EQ(dialog->getPosition(), Vector2(400, 300));
    EXPECT_EQ(dialog->getNoButton()->getPosition(), Vector2(500, 350));
    EXPECT_EQ(dialog->getText()->getText(), u"Sure?");
    keys({KEY_RETURN});
}

TEST_F(YesNoDialog, KeysAndButtonsAnswerAndTheDialogCloses)
{
    const std::pair<std::uint32_t, const char*> keyed[] = {{KEY_RETURN, "yes"}, {KEY_SPACE, "yes"}, {KEY_ESCAPE, "no"}};
    for (const auto& [key, answer] : keyed) {
        open();
        keys({key});
        EXPECT_EQ(takeJournal(), Journal({answer})) << key;
        EXPECT_FALSE(m_dialog) << key;
    }
    const std::pair<Int, const char*> clicked[] = {{300, "yes"}, {500, "no"}};
    for (const auto& [x, answer] : clicked) {
        open();
        clickAt(x, 350);
        moveTo(799, 599);
        EXPECT_EQ(takeJournal(), Journal({answer})) << x;
        EXPECT_FALSE(m_dialog) << x;
    }
    for (std::uint32_t key : {KEY_RETURN, KEY_ESCAPE}) {
        open(nullptr, true);
        keys({key});
        EXPECT_FALSE(m_dialog) << "closed without handlers, key " << key;
    }
}

TEST_F(YesNoDialog, SeveralAnswersInOneFrameRunOnlyTheFirst)
{
    open();
    keys({KEY_RETURN, KEY_ESCAPE});
    EXPECT_EQ(takeJournal(), Journal({"yes"}));
    cYesNo* kept = open();
    kept->setYesHandler([](cView*) { record("kept"); });
    keys({KEY_SPACE, KEY_RETURN});
    keys({KEY_RETURN});
    EXPECT_EQ(takeJournal(), Journal({"kept", "kept"})) << "a dialog left up answers again in a later frame";
    discard(kept, "test");
    wait(0.02f);
}

TEST_F(YesNoDialog, TheGuardedViewStaysDisabledUntilTheDialogOrTheViewGoes)
{
    cView* guarded = screen();
    open(guarded);
    guarded->enable();
    wait(0.02f);
    EXPECT_FALSE(guarded->isEnabled()) << "enabled from elsewhere, disabled again";
    keys({KEY_ESCAPE});
    EXPECT_TRUE(guarded->isEnabled());

    cYesNo* dialog = open(guarded);
    dialog->disable();
    guarded->disable();
    discard(dialog, "test");
    wait(0.02f);
    EXPECT_FALSE(guarded->isEnabled()) << "a dialog gives back only what it holds";

    auto* gone = new cView(nullptr);
    dialog = open(gone);
    delete gone;
    EXPECT_EQ(dialog->getGuardedView(), nullptr) << "a guarded view deleted first is no longer guarded";
    keys({KEY_RETURN});
    EXPECT_FALSE(m_dialog);
}

TEST_F(YesNoDialog, ADialogDiscardedWhileEnabledLeavesNoKeyBound)
{
    discard(open(), "test");
    wait(0.02f);
    keys({KEY_RETURN, KEY_SPACE, KEY_ESCAPE});
    EXPECT_EQ(takeJournal(), Journal());
}

using ScreenBase = cButtonTest;

TEST_F(ScreenBase, ABackMakesOnePicturePerBackgroundChildInOrder)
{
    EXPECT_TRUE(make<cBack>("<s />")->getBackground().empty());
    cBack* back = make<cBack>("<s><Background><p position=\"1,0\" /><p position=\"2,0\" /><p position=\"3,0\" />"
                              "</Background></s>");
    ASSERT_EQ(back->getBackground().size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back->getBackground()[i]->getPosition().x, Float(i + 1));
        EXPECT_EQ(back->getBackground()[i]->getParent(), back);
    }
}

// A screen that counts the ends of its slides in.
class cCountingBack : public cMovableBack {
public:
    using cMovableBack::cMovableBack;
    void onMoveEnd() override { ++m_ends; }
    int m_ends = 0;
};

cControl* moving(cMovableUnion* _panel) { return _panel; }
cControl* moving(cMovableBack* _screen) { return _screen->getSlidingPicture(); }
int ends(cMovableUnion*) { return 0; }
int ends(cCountingBack* _screen) { return _screen->m_ends; }

template <class T> class Slides : public cButtonTest {
protected:
    // Shown, enabled and absolutely enabled, with one backdrop picture at (10, 10).
    T* make(const std::string& _attributes = "")
    {
        return cButtonTest::make<T>("<s Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\" " + _attributes +
                                    "><Background><p Visible=\"1\" position=\"10,10\" /></Background></s>");
    }
};
using SlidingViews = ::testing::Types<cMovableUnion, cCountingBack>;
TYPED_TEST_SUITE(Slides, SlidingViews);

TYPED_TEST(Slides, ASlideTakesDistanceOverSpeedAndLandsExactlyOnTheTarget)
{
    TypeParam* view = this->make();
    view->startMove(2, Vector2(0, 0), Vector2(2400, 0));
    this->wait(0.96f);
    EXPECT_NEAR(moving(view)->getPosition().x, 2304.0f, 0.5f);
    EXPECT_FALSE(view->isEnabled());
    EXPECT_FALSE(view->getContent()->isVisible());
    EXPECT_TRUE(view->getBackground().front()->isVisible());
    this->wait(0.06f);
    EXPECT_EQ(moving(view)->getPosition(), Vector2(2400, 0));
    EXPECT_TRUE(view->isEnabled());
    EXPECT_TRUE(view->getContent()->isVisible());
    EXPECT_EQ(ends(view), (std::is_same_v<TypeParam, cCountingBack> ? 1 : 0));
}

TYPED_TEST(Slides, ASlideToWhereItStartsEndsNextFrame)
{
    TypeParam* view = this->make();
    view->startMove(2, Vector2(50, 60), Vector2(50, 60));
    this->wait(0.02f);
    EXPECT_EQ(moving(view)->getPosition(), Vector2(50, 60));
    EXPECT_TRUE(view->isEnabled());
}

TYPED_TEST(Slides, ASlideOutEndsHiddenWithTheViewEnabled)
{
    TypeParam* view = this->make("MoveSpeed=\"1200\"");
    view->startMove(1, Vector2(0, 0), Vector2(0, -120));
    this->wait(0.12f);
    EXPECT_FALSE(view->isOwnVisible());
    EXPECT_TRUE(view->isEnabled()) << "shown again, it reacts at once";
    EXPECT_EQ(ends(view), 0);
}

TYPED_TEST(Slides, TheBackdropAndTheContentRideAlong)
{
    TypeParam* view = this->make();
    const Vector2 start = moving(view)->getPosition(), content = view->getContent()->getPosition();
    const Vector2 backdrop = view->getBackground().front()->getPosition();
    view->startMove(2, Vector2(100, 0), Vector2(800, 0));
    this->wait(0.04f);
    const Float moved = moving(view)->getPosition().x - start.x;
    EXPECT_FLOAT_EQ(view->getContent()->getPosition().x - content.x, moved);
    EXPECT_FLOAT_EQ(view->getBackground().front()->getPosition().x - backdrop.x, moved);
}

TYPED_TEST(Slides, ASpeedNotAboveZeroIsRefused)
{
    EXPECT_EQ(this->make("MoveSpeed=\"800\"")->getSlide().getMoveSpeed(), 800.0f);
    for (const char* speed : {"0", "-100"})
        EXPECT_THROW(this->make(std::string("MoveSpeed=\"") + speed + "\""), String) << speed;
}

// Stands in for the game's tutorial manager.
class cTutorialDouble : public iTutorialTips {
public:
    Bool isTipRunning() override { return m_running; }
    Bool m_running = false;
};

// The body at the anchor with deep 10, a picture part at (10, -20) with deep 5, and the four
// corner looks; the button itself has deep 50.
std::string tipButton(Int _x, Int _y, const std::string& _tip = "WaitTime=\"2\" TipsAlphaChangeTime=\"0.1\"")
{
    return "<b Visible=\"1\" Enable=\"1\" position=\"" + std::to_string(_x) + "," + std::to_string(_y) +
           "\" size=\"100,50\" deep=\"50\"><Tip " + _tip + "><Image position=\"0,0\" deep=\"10\" />"
           "<UpLeftImage Picture=\"tips/a.png\" /><UpRightImage Picture=\"tips/b.png\" />"
           "<DownLeftImage Picture=\"tips/c.png\" /><DownRightImage Picture=\"tips/d.png\" />"
           "<Pics><p position=\"10,-20\" deep=\"5\" /></Pics></Tip></b>";
}

template <class T = cTips<cAnimButton>> class TooltipTest : public cButtonTest {
protected:
    // Hovered at (_x, _y) and left resting there for _seconds.
    T* hover(Int _x, Int _y, Float _seconds = 2.3f)
    {
        T* button = make<T>(tipButton(_x, _y));
        moveTo(_x, _y);
        wait(_seconds - 0.02f);
        return button;
    }
    // How many tip parts are visible.
    static size_t shown(const T& _button)
    {
        size_t count = 0;
        for (const cControl* part : _button.getTipParts())
            count += part->isVisible();
        return count;
    }
};
using Tooltips = TooltipTest<>;
using cTip = cTips<cAnimButton>;

TEST_F(Tooltips, AfterTheWaitTheTipFadesInOverTheChangeTime)
{
    cTip* button = hover(600, 500, 1.96f);
    EXPECT_EQ(shown(*button), 0u);
    wait(0.1f);
    EXPECT_GT(button->getTipAlpha(), 0.0f);
    EXPECT_LT(button->getTipAlpha(), 1.0f);
    EXPECT_EQ(shown(*button), 2u);
    wait(0.1f);
    EXPECT_GE(button->getTipAlpha(), 1.0f);
}

TEST_F(Tooltips, APressFadesTheTipUntilTheCursorLeavesAndComesBack)
{
    cTip* button = hover(600, 500);
    press();
    press(false);
    moveTo(610, 505);
    wait(2.5f);
    EXPECT_EQ(shown(*button), 0u) << "still resting on the button";
    moveTo(100, 100);
    moveTo(600, 500);
    wait(2.3f);
    EXPECT_EQ(shown(*button), 2u);
}

TEST_F(Tooltips, TheTipOpensTowardsTheMiddleOfTheScreenAtItsPartsPlaces)
{
    const struct {
        Int x, y;
        cTip::eCorner corner;
        Vector2 anchor;
    } cases[] = {{600, 500, cTip::UP_LEFT, {500, 400}}, {400, 300, cTip::DOWN_RIGHT, {500, 400}},
                 {200, 500, cTip::UP_RIGHT, {300, 400}}, {600, 100, cTip::DOWN_LEFT, {500, 200}}};
    for (const auto& c : cases) {
        cTip* button = hover(c.x, c.y, 0.02f);
        EXPECT_EQ(button->getTipPicture()->getPicture(), button->getCorner(c.corner).getPicture()) << c.x;
        EXPECT_EQ(button->getTipPicture()->getPosition(), c.anchor) << c.x;
        EXPECT_EQ(button->getTipParts()[1]->getPosition(), Vector2(c.anchor.x + 10, c.anchor.y - 20)) << c.x;
        EXPECT_EQ(button->getTipParts()[1]->getDeep(), 5.0f);
        button->disable();
    }
}

TEST_F(Tooltips, AShownTipFollowsItsButtonAcrossTheMiddleAndGoesAtOnceWhenDisabled)
{
    cTip* button = hover(600, 500);
    button->setPosition(Vector2(300, 500));
    wait(0.02f);
    EXPECT_EQ(button->getTipPicture()->getPicture(), button->getCorner(cTip::UP_RIGHT).getPicture());
    EXPECT_EQ(button->getTipPicture()->getPosition(), Vector2(400, 400));
    button->disable();
    EXPECT_EQ(shown(*button), 0u);
    EXPECT_EQ(button->getTipAlpha(), 0.0f);
}

TEST_F(Tooltips, ARunningTutorialTipBlocksAndFadesTooltips)
{
    cTutorialDouble tutorial;
    tutorial.m_running = true;
    cTip* button = hover(600, 500, 2.5f);
    EXPECT_EQ(shown(*button), 0u);
    tutorial.m_running = false;
    moveTo(100, 100);
    moveTo(600, 500);
    wait(2.3f);
    EXPECT_EQ(shown(*button), 2u);
    tutorial.m_running = true;
    wait(0.2f);
    EXPECT_EQ(shown(*button), 0u);
}

TEST_F(Tooltips, AFadeThatTakesNoTimeIsRefused)
{
    for (const char* time : {"0", "-0.5"})
        EXPECT_THROW(make<cTip>(tipButton(600, 500, std::string("TipsAlphaChangeTime=\"") + time + "\"")), String);
}

template <class T> class TooltipKinds : public TooltipTest<T> {};
using Kinds = ::testing::Types<cTips<cTextButtonT<cAnimButton>>, cTips<cButton>, cTips<cOverlayButton>>;
TYPED_TEST_SUITE(TooltipKinds, Kinds);

TYPED_TEST(TooltipKinds, EveryButtonKindShowsItsTip)
{
    EXPECT_EQ(this->shown(*this->hover(200, 100)), 2u);
}

// The button harness with both profile screens' files and the font above; the profiles live
// in its temporary application-data folder. The game's defaults give every new profile the
// Int "Money" 150.
class SelectProfile : public cButtonTest {
protected:
    SelectProfile() : cButtonTest(cEngineHarness::eRenderer::recording, files())
    {
        g_profileInitHook = [] { propertyMap<PT_INT>()["Money"] = 150; };
        s_continued = 0;
    }
    ~SelectProfile() override
    {
        // Screens still fading go with their fade; the profile is the entry's to delete.
        m_engine.frames(30);
        delete cProfile::getInstance();
        g_profileInitHook = nullptr;
    }

    static tDataFiles files()
    {
        const std::string font = "Font=\"fonts/name.fnt\" Texture=\"fonts/name.png\" ";
        const std::string button = "Visible=\"1\" Enable=\"1\" Picture=\"ui/button.png\" size=\"100 40\" ";
        const std::string label = "<Text Visible=\"1\" Enable=\"1\" Localized=\"1\" " + font;
        const std::string box = "<NameEdit Visible=\"1\" Enable=\"1\" MaxLength=\"1000\" position=\"400 150\" " + font +
                                "/>";
        const std::string ok = "<OkButton " + button + "position=\"300 550\">" + label + "String=\"Ок\"/></OkButton>";
        return {{"fonts/name.fnt", makeNameFont()}, {"fonts/name.png", png(0xFFFFFFFF, 64)},
                {"UI/SelectUser.xml",
                 makeXml16("<SelectUser Visible=\"1\" Enable=\"1\">" + box + ok + "<ExitButton " + button +
                           "position=\"500 550\"/><DeleteButton " + button + "position=\"400 550\"/>"
                           "<UserList Visible=\"1\" Enable=\"1\" position=\"400 350\" TopLeft=\"0 0\" "
                           "BottomRight=\"0 300\" Interlinear=\"30\"><Button " + button + ">" + label +
                           "/></Button></UserList></SelectUser>")},
                {"UI/NewUser.xml", makeXml16("<NewUser Visible=\"1\" Enable=\"1\">" + box + ok +
                                             "<Texts><a Visible=\"1\" Enable=\"1\" String=\"Welcome\"/>"
                                             "<b Visible=\"1\" Enable=\"1\" String=\"Your name:\"/></Texts></NewUser>")}};
    }

    // Opened as the shell opens it: continuations set, faded in (nothing is processed while a
    // view fades) and enabled.
    template <class T, class... Args> T* open(Args... _args)
    {
        auto* screen = new T(_args...);
        screen->setAcceptContinuation([] { ++s_continued; });
        screen->hide();
        screen->showTransparently();
        screen->enable();
        m_engine.frames(20);
        return screen;
    }
    // The profiles _names made and closed in order (identifiers and Money 1, 2, ...), then
    // _loaded in use.
    static void profiles(std::initializer_list<WString> _names, const WString& _loaded)
    {
        Int money = 0;
        for (const WString& name : _names) {
            delete cProfile::getInstance();
            new cProfile(name);
            propertyMap<PT_INT>()["Money"] = ++money;
            delete cProfile::getInstance();
        }
        new cProfile(_loaded);
    }
    std::string fileOf(ULong _id) { return readFileBytes(m_engine.data().common(formatProfileID(_id) + ".xml")); }
    // The Money recorded in a property file, read from its UTF-16 text as ASCII.
    std::string moneyIn(ULong _id)
    {
        std::string text;
        for (char byte : fileOf(_id))
            if (byte != 0)
                text += byte;
        const size_t at = text.find("Name=\"Money\"");
        const size_t value = text.find("Val=\"", at);
        return at == std::string::npos ? "none" : text.substr(value + 5, text.find('"', value + 5) - value - 5);
    }
    cSelectProfile* openScreen()
    {
        cSelectProfile* screen = open<cSelectProfile>(false);
        screen->setExitContinuation([] { s_continued += 100; });
        return screen;
    }
    // The row of _name picked, Delete clicked and the question answered by _key.
    void deleteRow(cSelectProfile* _screen, const WString& _name, std::uint32_t _key = KEY_RETURN)
    {
        for (cTextButton* row : _screen->getUserList()->getRows())
            if (row->getText()->getString() == _name)
                cListBox::onItemSelect(row);
        cSelectProfile::onDelete(_screen->getDeleteButton());
        keys({_key});
        m_engine.frame();
    }
    static std::u16string names(cSelectProfile* _screen)
    {
        std::u16string result;
        for (const cTextButton* row : _screen->getUserList()->getRows())
            result += row->getText()->getString() + u";";
        return result;
    }
    static bool shows(cView* _view) { return _view->isOwnVisible(); }

    static inline int s_continued = 0;
};

TEST_F(SelectProfile, OneScreenAtATimeAndRefusedCharactersNeverReachTheName)
{
    cSelectProfile* screen = openScreen();
    EXPECT_EQ(thrownText([] { cSelectProfile second(true); }, true), "Object already exist.");
    type(u"a\"#%&'()*./:<>?@[]\\^`{}|~\u2116 b");
    type(std::u16string(1, u'\0'));
    EXPECT_EQ(screen->getNameBox()->getString(), u"a b");
}

TEST_F(SelectProfile, TheOkLabelAndDeleteFollowTheTypedName)
{
    profiles({u"Anna"}, u"Anna");
    cSelectProfile* screen = openScreen();
    EXPECT_EQ(names(screen), u"Anna;");
    EXPECT_FALSE(shows(screen->getDeleteButton()));
    struct {
        std::u16string typed;
        bool ok;
        std::u16string label;
        bool del;
    } const steps[] = {{u"CoM1", false, u"", false}, {u"x", true, u"Новый", false},
                       {u"\b\b\b\b\bANNA", true, u"Новый", false}, {u"\b\b\b\bAnna", true, u"Ок", true},
                       {u"\b\b\b\bnul", false, u"", false}};
    for (const auto& step : steps) {
        type(step.typed);
        const std::string name = toString(screen->getNameBox()->getString());
        EXPECT_EQ(shows(screen->getOkButton()), step.ok) << name;
        if (step.ok) {
            EXPECT_EQ(screen->getOkButton()->getText()->getString(), step.label) << name;
        }
        EXPECT_EQ(shows(screen->getDeleteButton()), step.del) << name;
    }
}

TEST_F(SelectProfile, OkNeedsANameAndThenLeavesOnceWithTheProfileMade)
{
    cSelectProfile* screen = openScreen();
    EXPECT_FALSE(screen->getOkButton()->isEnabled());
    keys({KEY_RETURN});
    EXPECT_EQ(s_continued, 0);
    EXPECT_FALSE(cProfile::exists());

    type(u"Zoe");
    EXPECT_TRUE(screen->getOkButton()->isEnabled());
    keys({KEY_RETURN, KEY_ESCAPE, KEY_RETURN});
    EXPECT_EQ(s_continued, 1);
    ASSERT_TRUE(cProfile::exists());
    EXPECT_EQ(cProfile::getInstance()->m_currentUserName, u"Zoe");
    EXPECT_EQ(cProfile::getCurrentUserName(), u"Zoe");
    // Free at once, though the old screen still fades.
    EXPECT_FALSE(cSelectProfile::exists());
    cViewWatch old(screen);
    cSelectProfile* again = openScreen();
    EXPECT_EQ(cSelectProfile::getInstance(), again);
    m_engine.frames(30);
    EXPECT_FALSE(old);
    EXPECT_EQ(cSelectProfile::getInstance(), again);
    EXPECT_EQ(names(again), u"Zoe;");
    keys({KEY_ESCAPE});
    EXPECT_EQ(s_continued, 101);
}

TEST_F(SelectProfile, DeletingAnotherProfileKeepsEveryFileItsOwn)
{
    profiles({u"A", u"B", u"C"}, u"C");
    propertyMap<PT_INT>()["Money"] = 33;
    const std::string fileA = fileOf(1);
    cSelectProfile* screen = openScreen();
    deleteRow(screen, u"B");
    EXPECT_EQ(names(screen), u"A;C;");
    EXPECT_EQ(fileOf(1), fileA);
    EXPECT_EQ(moneyIn(3), "33");
    EXPECT_EQ(fileOf(2), "");
    // The first remaining profile is in use, with its own variables.
    EXPECT_EQ(cProfile::getInstance()->m_currentUserName, u"A");
    EXPECT_EQ(propertyMap<PT_INT>()["Money"], 1);
    EXPECT_FALSE(shows(screen->getExitButton()));
    keys({KEY_ESCAPE});
    EXPECT_EQ(s_continued, 100);
}

TEST_F(SelectProfile, ANoToTheQuestionChangesNothingAndDeletingTheProfileInUseSavesNothingOfIt)
{
    profiles({u"A", u"B", u"C"}, u"A");
    propertyMap<PT_INT>()["Money"] = 11;
    const std::string fileB = fileOf(2);
    cSelectProfile* screen = openScreen();
    deleteRow(screen, u"B", KEY_ESCAPE);
    EXPECT_EQ(names(screen), u"A;B;C;");
    EXPECT_TRUE(screen->isVisible() && screen->isEnabled());
    EXPECT_TRUE(shows(screen->getExitButton()));
    deleteRow(screen, u"A");
    EXPECT_EQ(fileOf(1), "");
    EXPECT_EQ(fileOf(2), fileB);
    EXPECT_EQ(cProfile::getInstance()->m_currentUserName, u"B");
    EXPECT_EQ(propertyMap<PT_INT>()["Money"], 2);
}

TEST_F(SelectProfile, WithoutProfilesOnlyOkLeaves)
{
    profiles({u"Solo"}, u"Solo");
    cSelectProfile* screen = openScreen();
    deleteRow(screen, u"Solo");
    EXPECT_EQ(names(screen), u"");
    EXPECT_EQ(screen->getNameBox()->getString(), u"");
    EXPECT_FALSE(shows(screen->getDeleteButton()));
    EXPECT_FALSE(shows(screen->getExitButton()));
    EXPECT_FALSE(cProfile::exists());
    EXPECT_FALSE(cProfile::isHeadersExist());
    keys({KEY_ESCAPE});
    cSelectProfile::onExit(screen->getExitButton());
    EXPECT_EQ(s_continued, 0);
    EXPECT_EQ(cSelectProfile::getInstance(), screen);

    type(u"New");
    keys({KEY_RETURN});
    EXPECT_EQ(s_continued, 1);
    ASSERT_TRUE(cProfile::exists());
    EXPECT_EQ(cProfile::getInstance()->m_currentUserName, u"New");
}

// A name of blanks alone would list as an empty row: both screens take it as no name at all.
TEST_F(SelectProfile, ANameOfBlanksAloneIsNoName)
{
    const struct {
        std::u16string typed;
        bool named;
    } cases[] = {{u" ", false}, {u"   ", false}, {u" \u3000", false}, {u" a ", true}};
    auto check = [&](auto* _screen) {
        for (const auto& c : cases) {
            type(c.typed);
            EXPECT_EQ(_screen->getOkButton()->isEnabled(), c.named) << toString(c.typed);
            keys({KEY_RETURN});
            EXPECT_EQ(cProfile::exists(), c.named) << toString(c.typed);
            type(std::u16string(c.typed.size(), u'\b'));
        }
    };
    check(openScreen());
    EXPECT_EQ(cProfile::getCurrentUserName(), u" a ");
    delete cProfile::getInstance();
    m_engine.frames(30);
    check(open<cNewProfile>());
}

TEST_F(SelectProfile, TheFirstProfileScreenMakesItByNameAndOnlyByOk)
{
    cNewProfile* screen = open<cNewProfile>();
    EXPECT_EQ(thrownText([] { cNewProfile second; }, true), "Object already exist.");
    EXPECT_EQ(screen->getBackground().size(), 2u);
    keys({KEY_ESCAPE, KEY_RETURN});
    EXPECT_TRUE(cNewProfile::exists());
    type(u"lpt9");
    EXPECT_FALSE(screen->getOkButton()->isOwnVisible());
    type(u"\b8!");
    EXPECT_TRUE(screen->getOkButton()->isOwnVisible());
    EXPECT_TRUE(screen->getOkButton()->isEnabled());
    keys({KEY_RETURN, KEY_RETURN});
    EXPECT_EQ(s_continued, 1);
    EXPECT_FALSE(cNewProfile::exists());
    ASSERT_TRUE(cProfile::exists());
    EXPECT_EQ(cProfile::getInstance()->m_currentUserName, u"lpt8!");
    EXPECT_TRUE(cProfile::isHeadersExist());
}

} // namespace
