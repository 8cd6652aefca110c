#pragma once
#include "Ui/Control.h"
#include "engine/Timer.h"
#include "engine/XML.h"
#include "support/EngineHarness.h"
#include "support/ImageFixtures.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

// A plain picture of one colour, 8 x 8.
inline std::string plainPng(UInt _argb)
{
    return makePng(makeImage(8, 8, [_argb](UInt, UInt) { return _argb; }));
}

// The whole engine on the headless platform, with the real renderer over the recording
// device, a mouse and a keyboard the test works, frames of 20 ms (frame time 0.02 s), and the data of screens:
// "UI/YesNo.xml" (question, yes and no buttons) and four corner pictures "tips/*.png".
// Handlers report into one journal.
class cScreenTest : public ::testing::Test {
protected:
    static constexpr UInt FRAME_MS = 20;

    cScreenTest()
        : m_engine(cEngineHarness::DEFAULT_SETTINGS,
              {{"UI/YesNo.xml", makeXml16(
                    "<YesNo><Background position=\"400,300\" size=\"400,200\" deep=\"100\" />"
                    "<YesButton Visible=\"1\" Enable=\"1\" position=\"300,350\" size=\"100,40\" deep=\"101\" />"
                    "<NoButton Visible=\"1\" Enable=\"1\" position=\"500,350\" size=\"100,40\" deep=\"101\" />"
                    "<Text Visible=\"1\" Enable=\"1\" position=\"400,280\" size=\"300,80\"><Text>Sure?</Text></Text>"
                    "</YesNo>")},
                  {"tips/upleft.png", plainPng(0xFF0000FF)}, {"tips/upright.png", plainPng(0xFF00FF00)},
                  {"tips/downleft.png", plainPng(0xFFFF0000)}, {"tips/downright.png", plainPng(0xFFFFFF00)},
                  {"tips/body.png", plainPng(0xFFFFFFFF)}},
              cEngineHarness::eRenderer::recording)
    {
        s_journal = &m_journal;
        moveTo(799, 599);
        // The timer averages over windows of ten frames: two windows of 20 ms settle it.
        frames(20);
    }
    ~cScreenTest() override
    {
        for (auto it = m_views.rbegin(); it != m_views.rend(); ++it)
            delete *it;
        s_journal = nullptr;
    }

    // A top-level view of class T, made with _argument and kept until the test ends.
    template <class T, class... A> T* keep(A... _argument)
    {
        T* view = new T(_argument...);
        m_views.push_back(view);
        return view;
    }
    // An element from a UTF-8 literal; the document lives as long as the test.
    iXML* element(const std::string& _utf8)
    {
        const std::string bytes = makeXml16(_utf8);
        m_documents.push_back(std::make_unique<cXML>("screen.xml", bytes.data(), ULong(bytes.size())));
        return m_documents.back().get();
    }
    void frames(int _count) { m_engine.frames(_count, FRAME_MS); }
    // Frames until _seconds of frame time have passed.
    void wait(Float _seconds) { frames(int(_seconds * 1000.0f / Float(FRAME_MS) + 0.5f)); }
    Float frameTime() { return cTimer::getInstance()->getFrameTime(); }

    // The cursor goes to (_x, _y) with a movement the buttons hear, in the next frame.
    void moveTo(Int _x, Int _y)
    {
        const sPixelRect client = m_engine.window().getWindowRect();
        m_engine.window().setCursorPosition(client.left + _x, client.top + _y);
        m_engine.platform().getHeadlessMouse().move(1, 1);
        m_engine.frame(FRAME_MS);
    }
    // The left button goes down (or up), heard in the next frame.
    void press(bool _down = true)
    {
        m_engine.platform().getHeadlessMouse().pushButton(0, _down);
        m_engine.frame(FRAME_MS);
    }
    void click()
    {
        press();
        press(false);
    }
    // Each key goes down and up, all in the next frame.
    void keys(const std::vector<std::uint32_t>& _codes)
    {
        for (std::uint32_t code : _codes) {
            m_engine.key(code, true);
            m_engine.key(code, false);
        }
        m_engine.frame(FRAME_MS);
    }
    std::vector<std::string> takeJournal() { return std::exchange(m_journal, {}); }
    static void record(const std::string& _entry) { s_journal->push_back(_entry); }

    static inline std::vector<std::string>* s_journal = nullptr;
    cEngineHarness m_engine;
    std::vector<std::string> m_journal;
    std::vector<std::unique_ptr<cXML>> m_documents;
    // Top-level views the test made, deleted before the engine goes.
    std::vector<cView*> m_views;
};
