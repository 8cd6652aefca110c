#pragma once
#include "Ui/Letter.h"
#include "Ui/Scavenger.h"
#include "Ui/Text.h"
#include "Ui/UI.h"
#include "engine/StringManager.h"
#include "engine/Timer.h"
#include "engine/XML.h"
#include "graphics/FontFile.h"
#include "graphics/GraphicsHarness.h"
#include "support/ImageFixtures.h"
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

// Texts over the renderer on the recording device, with the string table (which turns "key"
// into "ab"), the timer and a UI manager. Views still registered at the end are deleted
// before the managers go.
class cTextTest : public ::testing::Test {
protected:
    cTextTest()
        : m_harness("", {{"fonts/test.fnt", makeTestFont()},
                         {"fonts/a.fnt", writeFontFile(sFontFile{{{u'a', u'a', 0}}, {{0, 1, 0.25f, 0.5f, 0.25f}}})},
                         {"fonts/test.png", makePng(makeImage(64, 64, [](UInt, UInt) { return 0xFFFFFFFFu; }))},
                         {"sys/strings.xml",
                          makeXml16("<Strings><s><text>key</text><translation>ab</translation></s></Strings>")}})
    {
    }
    ~cTextTest() override
    {
        m_texts.clear();
        cUI::shutAfterAll();
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
        m_timer.getFrameTime() = _seconds;
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

    cGraphicsHarness m_harness;
    cStringManager m_strings;
    cTimer m_timer;
    std::unique_ptr<cUI> m_ui = std::make_unique<cUI>();
    std::vector<std::unique_ptr<cXML>> m_documents;
    std::vector<std::unique_ptr<cText>> m_texts;
};
