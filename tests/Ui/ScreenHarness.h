#pragma once
#include "Ui/View.h"
#include "engine/XML.h"
#include "support/EngineHarness.h"
#include "support/ImageFixtures.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

// The whole engine on the headless platform with the recording renderer, frames of 20 ms,
// the mouse and keyboard, "UI/YesNo.xml" and the corner pictures "tips/*.png". Handlers
// report into one journal; views made by keep() go before the engine.
class cScreenTest : public ::testing::Test {
protected:
    cScreenTest()
        : m_engine(cEngineHarness::DEFAULT_SETTINGS,
              {{"UI/YesNo.xml", makeXml16("<YesNo><Background position=\"400,300\" size=\"400,200\" deep=\"100\" />"
                                          "<YesButton Visible=\"1\" Enable=\"1\" position=\"300,350\" size=\"100,40\" />"
                                          "<NoButton Visible=\"1\" Enable=\"1\" position=\"500,350\" size=\"100,40\" />"
                                          "<Text><Text>Sure?</Text></Text></YesNo>")},
                  {"tips/a.png", png(0xFF0000FF)}, {"tips/b.png", png(0xFF00FF00)}, {"tips/c.png", png(0xFFFF0000)},
                  {"tips/d.png", png(0xFFFFFF00)}},
              cEngineHarness::eRenderer::recording)
    {
        s_journal = &m_journal;
        // Two windows of ten frames settle the timer's average at 0.02 s.
        moveTo(799, 599);
        wait(0.4f);
    }
    ~cScreenTest() override
    {
        for (auto it = m_views.rbegin(); it != m_views.rend(); ++it)
            delete *it;
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
    // Heard in the next frame, as are press() and keys().
    void moveTo(Int _x, Int _y) { m_engine.moveTo(_x, _y); }
    void press(bool _down = true) { m_engine.press(_down); }
    // Each key goes down and up, all in one frame.
    void keys(const std::vector<std::uint32_t>& _codes)
    {
        for (std::uint32_t code : _codes) {
            m_engine.key(code, true);
            m_engine.key(code, false);
        }
        m_engine.frame();
    }
    std::vector<std::string> takeJournal() { return std::exchange(m_journal, {}); }
    static void record(const std::string& _entry) { s_journal->push_back(_entry); }

    static inline std::vector<std::string>* s_journal = nullptr;
    cEngineHarness m_engine;
    std::vector<std::string> m_journal;
    std::vector<std::unique_ptr<cXML>> m_documents;
    std::vector<cView*> m_views;
};
