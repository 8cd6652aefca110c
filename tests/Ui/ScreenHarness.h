#pragma once
#include "ButtonHarness.h"
#include "Ui/View.h"

// The button harness with "UI/YesNo.xml" and the corner pictures "tips/*.png"; views made by
// keep() go before the engine.
class cScreenTest : public cButtonTest {
protected:
    cScreenTest()
        : cButtonTest(cEngineHarness::eRenderer::recording,
              {{"UI/YesNo.xml", makeXml16("<YesNo><Background position=\"400,300\" size=\"400,200\" deep=\"100\" />"
                                          "<YesButton Visible=\"1\" Enable=\"1\" position=\"300,350\" size=\"100,40\" />"
                                          "<NoButton Visible=\"1\" Enable=\"1\" position=\"500,350\" size=\"100,40\" />"
                                          "<Text><Text>Sure?</Text></Text></YesNo>")},
                  {"tips/a.png", png(0xFF0000FF)}, {"tips/b.png", png(0xFF00FF00)}, {"tips/c.png", png(0xFFFF0000)},
                  {"tips/d.png", png(0xFFFFFF00)}})
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

    std::vector<std::unique_ptr<cXML>> m_documents;
};
