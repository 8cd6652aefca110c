#pragma once
#include "Ui/Letter.h"
#include "Ui/Scavenger.h"
#include "Ui/Text.h"
#include "Ui/UI.h"
#include "engine/StringManager.h"
#include "engine/Timer.h"
#include "engine/XML.h"
#include "graphics/FontFile.h"
#include "graphics/GraphicsImpl.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/RecordingRasterDevice.h"
#include "support/EngineCore.h"
#include "support/ImageFixtures.h"
#include "support/TestData.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The test font "fonts/test.fnt" over the 64 x 64 picture "fonts/test.png": 'a' is 16 pixels
// wide and advances 16, 'b' and 'c' are 32 wide and advance 32, the digits and 'Ж' are 16 wide
// and advance 16. Every glyph is 32 pixels high; 'A' is 64 high. 'x' has no glyph. The font
// "fonts/a.fnt" has 'a' alone.
inline std::string makeTestFont()
{
    const sGlyph narrow{0, 0.5f, 0.25f, 0, 0.25f}, wide{0.25f, 1, 0.75f, 0.5f, 0.5f};
    sFontFile font;
    font.ranges = {{u'a', u'c', 0}, {u'0', u'9', 3}, {u'\u0416', u'\u0416', 13}, {u'A', u'A', 14}};
    font.glyphs = {{0, 1, 0.25f, 0.5f, 0.25f}, wide, wide};
    font.glyphs.insert(font.glyphs.end(), 11, narrow);
    font.glyphs.push_back({0.75f, 1, 1, 0, 0.25f});
    return writeFontFile(font);
}

// The managers a text needs on the recording renderer: files, resources, settings, strings,
// the timer and the UI manager, over a data folder with the test font and a string table
// that turns "key" into "ab".
class cTextTest : public ::testing::Test {
protected:
    explicit cTextTest(const std::string& _game = "<game app_directory=\"Test\" />")
        : m_data(_game), m_written(writeData(m_data)), m_core(m_data)
    {
        m_graphics = std::make_unique<cGraphics>(std::make_unique<cRecordingRasterDevice>(), m_window, m_system);
        m_strings = std::make_unique<cStringManager>();
        m_timer = std::make_unique<cTimer>();
    }
    ~cTextTest() override
    {
        m_texts.clear();
        cUI::shutAfterAll();
        m_ui.reset();
        m_timer.reset();
        m_strings.reset();
        m_graphics.reset();
    }

    // A shown, enabled text of the test font, top-level, at _x, _y.
    cText* makeText(const WString& _string, UInt _align = 1, Float _x = 100, Float _y = 50)
    {
        m_texts.push_back(std::make_unique<cText>(nullptr));
        cText* text = m_texts.back().get();
        text->setFont("fonts/test.fnt");
        text->setTexture("fonts/test.png");
        text->setAlign(_align);
        text->setPositionXY(_x, _y);
        text->setString(_string);
        text->show();
        text->enable();
        return text;
    }
    // One frame of _seconds: processing, then deferred deletion.
    void frame(Float _seconds = 0.02f)
    {
        m_timer->getFrameTime() = _seconds;
        cUI::processViews();
        cScavenger::free();
    }
    // An element parsed from a UTF-8 literal; the document lives as long as the test.
    iXML* element(const std::string& _utf8)
    {
        const std::string bytes = makeXml16("<root>" + _utf8 + "</root>");
        m_documents.push_back(std::make_unique<cXML>("test.xml", bytes.data(), ULong(bytes.size())));
        iXML* child = nullptr;
        m_documents.back()->get(0, child);
        return child;
    }
    static std::vector<Float> letterXs(const cText& _text)
    {
        std::vector<Float> xs;
        for (const cLetter* letter : _text.getLetters())
            xs.push_back(letter->getPosition().x);
        return xs;
    }

    cTestData m_data;
    bool m_written;
    cEngineCore m_core;
    cHeadlessWindow m_window;
    cHeadlessSystem m_system;
    std::unique_ptr<cGraphics> m_graphics;
    std::unique_ptr<cStringManager> m_strings;
    std::unique_ptr<cTimer> m_timer;
    std::unique_ptr<cUI> m_ui = std::make_unique<cUI>();
    std::vector<std::unique_ptr<cXML>> m_documents;
    std::vector<std::unique_ptr<cText>> m_texts;

private:
    static bool writeData(const cTestData& _data)
    {
        _data.write(_data.data("fonts/test.fnt"), makeTestFont());
        _data.write(_data.data("fonts/a.fnt"), writeFontFile(sFontFile{{{u'a', u'a', 0}}, {{0, 1, 0.25f, 0.5f, 0.25f}}}));
        _data.write(_data.data("fonts/test.png"), makePng(makeImage(64, 64, [](UInt, UInt) { return 0xFFFFFFFFu; })));
        writeXml16(_data.data("sys/strings.xml"),
                   "<Strings><s><text>key</text><translation>ab</translation></s></Strings>");
        return true;
    }
};
