#include "ButtonHarness.h"
#include "Ui/ListBox.h"
#include "Ui/NewProfile.h"
#include "Ui/SelectProfile.h"
#include "Ui/TextBox.h"
#include "Ui/YesNo.h"
#include "engine/GameVariables.h"
#include "engine/Profile.h"
#include "engine/TextConvert.h"
#include "input/Control.h"
#include "platform/WindowEvent.h"
#include "support/TempFolder.h"
#include "support/Thrown.h"

namespace {

// Every printable ASCII character and the numero sign, 4 pixels wide each: names of any
// length a test types fit the 1000-pixel name boxes.
std::string makeNameFont()
{
    sFontFile font;
    font.ranges = {{u' ', u'~', 0}, {u'\u2116', u'\u2116', 0}};
    font.glyphs.assign(95, sGlyph{0, 1, 0.0625f, 0, 0.0625f});
    return writeFontFile(font);
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
    // A profile made and closed, its Money set to _money.
    static void makeProfile(const WString& _name, Int _money)
    {
        delete cProfile::getInstance();
        new cProfile(_name);
        propertyMap<PT_INT>()["Money"] = _money;
        delete cProfile::getInstance();
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
    // The profiles A, B and C (identifiers 1 to 3, Money 1, 2 and 3), _loaded in use.
    void threeProfiles(const WString& _loaded)
    {
        makeProfile(u"A", 1);
        makeProfile(u"B", 2);
        makeProfile(u"C", 3);
        new cProfile(_loaded);
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

TEST_F(SelectProfile, RefusedCharactersNeverReachTheName)
{
    cSelectProfile* screen = openScreen();
    type(u"a\"#%&'()*./:<>?@[]\\^`{}|~\u2116 b");
    type(std::u16string(1, u'\0'));
    EXPECT_EQ(screen->getNameBox()->getString(), u"a b");
}

TEST_F(SelectProfile, TheOkLabelAndDeleteFollowTheTypedName)
{
    makeProfile(u"Anna", 5);
    new cProfile(u"Anna");
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
    threeProfiles(u"C");
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

TEST_F(SelectProfile, DeletingTheProfileInUseSavesNothingOfIt)
{
    threeProfiles(u"A");
    propertyMap<PT_INT>()["Money"] = 11;
    const std::string fileB = fileOf(2);
    cSelectProfile* screen = openScreen();
    deleteRow(screen, u"A");
    EXPECT_EQ(fileOf(1), "");
    EXPECT_EQ(fileOf(2), fileB);
    EXPECT_EQ(cProfile::getInstance()->m_currentUserName, u"B");
    EXPECT_EQ(propertyMap<PT_INT>()["Money"], 2);
}

TEST_F(SelectProfile, ANoToTheQuestionChangesNothing)
{
    threeProfiles(u"A");
    cSelectProfile* screen = openScreen();
    deleteRow(screen, u"B", KEY_ESCAPE);
    EXPECT_EQ(names(screen), u"A;B;C;");
    EXPECT_TRUE(screen->isVisible() && screen->isEnabled());
    EXPECT_TRUE(shows(screen->getExitButton()));
}

TEST_F(SelectProfile, WithoutProfilesOnlyOkLeaves)
{
    makeProfile(u"Solo", 7);
    new cProfile(u"Solo");
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

TEST_F(SelectProfile, OneScreenAtATime)
{
    open<cSelectProfile>(true);
    EXPECT_EQ(thrownText([] { cSelectProfile second(false); }, true), "Object already exist.");
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
