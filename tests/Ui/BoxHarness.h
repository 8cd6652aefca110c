#pragma once
#include "ButtonHarness.h"

#include "graphics/FontFile.h"

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

// The button engine with the box font; characters are typed through the window procedure, as
// the desktop's character messages arrive.
class cBoxTest : public cButtonTest {
protected:
    cBoxTest()
        : cButtonTest(cEngineHarness::eRenderer::recording,
                      {{"fonts/box.fnt", makeBoxFont()},
                       {"fonts/box.png", makePng(makeImage(64, 64, [](UInt, UInt) { return 0xFFFFFFFFu; }))}})
    {
    }

    // A top-level view of class T loaded from _element; deleted before the engine goes.
    template <class T> T* load(const std::string& _element)
    {
        auto* view = new T(nullptr);
        m_views.push_back(view);
        const std::string bytes = makeXml16(_element);
        cXML xml("box.xml", bytes.data(), ULong(bytes.size()));
        view->loadXML(&xml);
        return view;
    }
    // The units reach the character handlers at the next frame.
    void type(const std::u16string& _units) { m_engine.type(_units); }

    static constexpr const char* FONT = "Font=\"fonts/box.fnt\" Texture=\"fonts/box.png\" ";
};
