#pragma once
#include "Ui/TextBox.h"
#include "engine/GameVariables.h"
#include "engine/Profile.h"
#include "engine/TextConvert.h"
#include "graphics/FontFile.h"
#include "platform/WindowEvent.h"
#include "support/EngineHarness.h"
#include "support/ImageFixtures.h"
#include "support/TempFolder.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <string>

// Every printable ASCII character and the numero sign, 4 pixels wide each: names of any
// length a test types fit the 1000-pixel name boxes.
inline std::string makeNameFont()
{
    sFontFile font;
    font.ranges = {{u' ', u'~', 0}, {u'\u2116', u'\u2116', 0}};
    font.glyphs.assign(95, sGlyph{0, 1, 0.0625f, 0, 0.0625f});
    return writeFontFile(font);
}

// The engine with both profile screens' files, a yes/no dialog, the font above, and a
// temporary application-data folder in which the profiles live. The game's defaults give
// every new profile the Int "Money" 150.
class cProfileScreenTest : public ::testing::Test {
protected:
    cProfileScreenTest()
        : m_engine(cEngineHarness::DEFAULT_SETTINGS, files(), cEngineHarness::eRenderer::recording)
    {
        g_profileInitHook = [] { propertyMap<PT_INT>()["Money"] = 150; };
        s_continued = 0;
        m_engine.frames(20);
    }
    ~cProfileScreenTest() override
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
        return {{"fonts/name.fnt", makeNameFont()},
                {"fonts/name.png", makePng(makeImage(64, 64, [](UInt, UInt) { return 0xFFFFFFFFu; }))},
                {"ui/button.png", makePng(makeImage(8, 8, [](UInt, UInt) { return 0xFF408040u; }))},
                {"UI/YesNo.xml", makeXml16("<YesNo><Background position=\"400 300\" size=\"400 200\" deep=\"100\"/>"
                                           "<YesButton " + button + "position=\"300 350\"/><NoButton " + button +
                                           "position=\"500 350\"/><Text><Text>?</Text></Text></YesNo>")},
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
    // Typed on the keyboard, heard at the next frame.
    void type(const std::u16string& _units) { m_engine.type(_units); }
    // Each key goes down and up, all in one frame.
    void keys(std::initializer_list<std::uint32_t> _codes)
    {
        for (std::uint32_t code : _codes) {
            m_engine.key(code, true);
            m_engine.key(code, false);
        }
        m_engine.frame();
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

    static inline int s_continued = 0;
    cEngineHarness m_engine;
};
