#pragma once
#include "Game/Ui/LogLoad.h"
#include "Game/Ui/Shell.h"
#include "Ui/ProfileScreenHarness.h"
#include "engine/Profile.h"
#include "engine/ResourceManager.h"
#include "support/EngineHarness.h"
#include "support/ImageFixtures.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
