#pragma once
#include "Ui/buttons/ButtonPrototype.h"
#include "Ui/views/View.h"
#include "engine/files/XML.h"
#include "graphics/sprites/FontFile.h"
#include "support/EngineHarness.h"
#include "support/ImageFixtures.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// Opaque in its left half, clear in its right half: a click mask and a shape to light.
inline std::string halfShapePng(UInt _opaque = 0xFF404040)
{
    return makePng(makeImage(8, 8, [_opaque](UInt _x, UInt) { return _x < 4 ? _opaque : 0x00000000u; }));
}

using Journal = std::vector<std::string>;

// The font "fonts/box.fnt" over the 64 x 64 picture "fonts/box.png": '_' advances 8 pixels,
// 'a' 16, 'b' 32 and the Hebrew alef 16; every other character has no glyph.
inline std::string makeBoxFont()
{
    sFontFile font;
    font.ranges = {{u'_', u'_', 0}, {u'a', u'b', 1}, {u'\u05D0', u'\u05D0', 3}};
    font.glyphs = {{0, 0.25f, 0.125f, 0, 0.125f}, {0, 1, 0.25f, 0.5f, 0.25f}, {0.25f, 1, 0.75f, 0.5f, 0.5f},
                   {0, 0.5f, 0.25f, 0.25f, 0.25f}};
    return writeFontFile(font);
}

// The whole engine on the headless platform, with the real renderer over the recording
// device, a mouse the test moves and presses, a keyboard, and the sound library's record.
// Its data folder holds the button pictures and sounds, "UI/YesNo.xml", the corner pictures
// "tips/*.png" and the box font. Buttons report their events into one journal, named by
// their user value: "A hover", "B click".
class cButtonTest : public ::testing::Test {
protected:
    // _extra files join the others in the data folder, replacing those of the same name.
    explicit cButtonTest(cEngineHarness::eRenderer _renderer = cEngineHarness::eRenderer::recording,
                         const tDataFiles& _extra = {})
        : m_engine(cEngineHarness::DEFAULT_SETTINGS, buttonFiles(_extra), _renderer)
    {
        s_journal = &m_journal;
        moveAway();
        // Two windows of ten frames settle the timer's average at 0.02 s.
        wait(0.4f);
    }
    static tDataFiles buttonFiles(const tDataFiles& _extra)
    {
        tDataFiles files = {{"ui/button.png", halfShapePng()}, {"ui/hover.png", halfShapePng()},
                            {"ui/pressed.png", halfShapePng()}, {"ui/off.png", halfShapePng()},
                            {"ui/frames.png", makePng(makeImage(4, 1, [](UInt, UInt) { return 0xFFFFFFFFu; }))},
                            {"sounds/click.wav", "click"}, {"sounds/hover.wav", "hover"},
                            {"UI/YesNo.xml", makeXml16("<YesNo><Background position=\"400,300\" size=\"400,200\" "
                                                       "deep=\"100\" /><YesButton Visible=\"1\" Enable=\"1\" "
                                                       "position=\"300,350\" size=\"100,40\" /><NoButton "
                                                       "Visible=\"1\" Enable=\"1\" position=\"500,350\" "
                                                       "size=\"100,40\" /><Text><Text>Sure?</Text></Text></YesNo>")},
                            {"tips/a.png", png(0xFF0000FF)}, {"tips/b.png", png(0xFF00FF00)},
                            {"tips/c.png", png(0xFFFF0000)}, {"tips/d.png", png(0xFFFFFF00)},
                            {"fonts/box.fnt", makeBoxFont()}, {"fonts/box.png", png(0xFFFFFFFF, 64)}};
        files.insert(files.end(), _extra.begin(), _extra.end());
        return files;
    }
    // The views may still read their documents.
    ~cButtonTest() override
    {
        for (auto it = m_views.rbegin(); it != m_views.rend(); ++it)
            delete *it;
        s_journal = nullptr;
    }
    static std::string png(UInt _argb, UInt _side = 8)
    {
        return makePng(makeImage(_side, _side, [_argb](UInt, UInt) { return _argb; }));
    }

    // A view of class T loaded from a UTF-8 literal whose document lives as long as the test.
    // A button's user value names it in the journal (0 is "A").
    template <class T> T* make(const std::string& _element, UInt _name = 0, cView* _parent = nullptr)
    {
        auto* view = new T(_parent);
        if (!_parent)
            m_views.push_back(view);
        if constexpr (std::is_base_of_v<cButtonPrototype, T>) {
            view->setUserValue(_name);
            view->setOnClick([](cView* _button) { note(_button, "click"); });
            view->setOnHover([](cView* _button) { note(_button, "hover"); });
            view->setOnUnhover([](cView* _button) { note(_button, "unhover"); });
        }
        const std::string bytes = makeXml16(_element);
        m_documents.push_back(std::make_unique<cXML>("screen.xml", bytes.data(), ULong(bytes.size())));
        view->loadXML(m_documents.back().get());
        return view;
    }

    void moveTo(Int _x, Int _y) { m_engine.moveTo(_x, _y); }
    // Away from every control, and from where a control stands before its XML places it
    // (enabling comes before the position in an element).
    void moveAway() { moveTo(799, 599); }
    void press(bool _down = true) { m_engine.press(_down); }
    void release() { press(false); }
    void click()
    {
        press();
        release();
    }
    void clickAt(Int _x, Int _y)
    {
        moveTo(_x, _y);
        click();
    }
    void wait(Float _seconds) { m_engine.frames(int(_seconds * 50.0f + 0.5f)); }
    // Each key goes down and up, all in one frame.
    void keys(const std::vector<std::uint32_t>& _codes)
    {
        for (std::uint32_t code : _codes) {
            m_engine.key(code, true);
            m_engine.key(code, false);
        }
        m_engine.frame();
    }
    // Typed through the window procedure, as the desktop's character messages arrive; the
    // units reach the character handlers at the next frame.
    void type(const std::u16string& _units) { m_engine.type(_units); }
    cHeadlessSoundLibrary& sound() { return m_engine.platform().getHeadlessSoundLibrary(); }
    Journal takeJournal() { return std::exchange(m_journal, {}); }

    static void note(cView* _button, const char* _event)
    {
        record(std::string(1, char('A' + static_cast<cControl*>(_button)->getUserValue())) + " " + _event);
    }
    static void record(const std::string& _entry) { s_journal->push_back(_entry); }

    static constexpr const char* FONT = "Font=\"fonts/box.fnt\" Texture=\"fonts/box.png\" ";
    static inline Journal* s_journal = nullptr;
    cEngineHarness m_engine;
    Journal m_journal;
    std::vector<std::unique_ptr<cXML>> m_documents;
    // Top-level views the test made, deleted before the engine goes.
    std::vector<cView*> m_views;
};
