#pragma once
#include "ButtonHarness.h"
#include "Ui/View.h"
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

// The button harness with "UI/YesNo.xml", the corner pictures "tips/*.png" and the box font;
// views made by keep() go before the engine.
class cScreenTest : public cButtonTest {
protected:
    cScreenTest()
        : cButtonTest(cEngineHarness::eRenderer::recording,
              {{"UI/YesNo.xml", makeXml16("<YesNo><Background position=\"400,300\" size=\"400,200\" deep=\"100\" />"
                                          "<YesButton Visible=\"1\" Enable=\"1\" position=\"300,350\" size=\"100,40\" />"
                                          "<NoButton Visible=\"1\" Enable=\"1\" position=\"500,350\" size=\"100,40\" />"
                                          "<Text><Text>Sure?</Text></Text></YesNo>")},
                  {"tips/a.png", png(0xFF0000FF)}, {"tips/b.png", png(0xFF00FF00)}, {"tips/c.png", png(0xFFFF0000)},
                  {"tips/d.png", png(0xFFFFFF00)}, {"fonts/box.fnt", makeBoxFont()}, {"fonts/box.png", makePng(makeImage(64, 64, [](UInt, UInt) { return 0xFFFFFFFFu; }))}})
    {
        // Two windows of ten frames settle the timer's average at 0.02 s.
        wait(0.4f);
    }
    // The views may still read their documents.
    ~cScreenTest() override
    {
        for (auto it = m_views.rbegin(); it != m_views.rend(); ++it)
            delete *it;
        m_views.clear();
    }

    static std::string png(UInt _argb) { return makePng(makeImage(8, 8, [_argb](UInt, UInt) { return _argb; })); }
    template <class T> T* keep()
    {
        m_views.push_back(new T(nullptr));
        return static_cast<T*>(m_views.back());
    }
    // Loaded from a UTF-8 literal; the document lives as long as the test.
    template <class T> T* load(T* _view, const std::string& _utf8)
    {
        const std::string bytes = makeXml16(_utf8);
        m_documents.push_back(std::make_unique<cXML>("screen.xml", bytes.data(), ULong(bytes.size())));
        _view->loadXML(m_documents.back().get());
        return _view;
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

    static constexpr const char* FONT = "Font=\"fonts/box.fnt\" Texture=\"fonts/box.png\" ";
    std::vector<std::unique_ptr<cXML>> m_documents;
};
