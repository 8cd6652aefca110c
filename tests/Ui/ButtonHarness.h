#pragma once
#include "Ui/ButtonPrototype.h"
#include "engine/XML.h"
#include "support/EngineHarness.h"
#include "support/ImageFixtures.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

// Opaque in its left half, clear in its right half: a click mask and a shape to light.
inline std::string halfShapePng(UInt _opaque = 0xFF404040)
{
    return makePng(makeImage(8, 8, [_opaque](UInt _x, UInt) { return _x < 4 ? _opaque : 0x00000000u; }));
}

// The whole engine on the headless platform, with the real renderer over the recording
// device, a mouse the test moves and presses, and the sound library's record. Buttons report
// their events into one journal, named by their user value: "A hover", "B click".
class cButtonTest : public ::testing::Test {
protected:
    // _extra files join the button pictures and sounds in the data folder.
    explicit cButtonTest(cEngineHarness::eRenderer _renderer = cEngineHarness::eRenderer::recording,
                         const tDataFiles& _extra = {})
        : m_engine(cEngineHarness::DEFAULT_SETTINGS, buttonFiles(_extra), _renderer)
    {
        s_journal = &m_journal;
        moveAway();
    }
    static tDataFiles buttonFiles(const tDataFiles& _extra)
    {
        tDataFiles files = {{"ui/button.png", halfShapePng()}, {"ui/hover.png", halfShapePng()},
                            {"ui/pressed.png", halfShapePng()}, {"ui/off.png", halfShapePng()},
                            {"ui/frames.png", makePng(makeImage(4, 1, [](UInt, UInt) { return 0xFFFFFFFFu; }))},
                            {"sounds/click.wav", "click"}, {"sounds/hover.wav", "hover"}};
        files.insert(files.end(), _extra.begin(), _extra.end());
        return files;
    }
    ~cButtonTest() override
    {
        for (auto it = m_views.rbegin(); it != m_views.rend(); ++it)
            delete *it;
        s_journal = nullptr;
    }

    // A button of class T loaded from the attributes and children of one element; its user
    // value names it in the journal (0 is "A").
    template <class T> T* make(const std::string& _element, UInt _name = 0, cView* _parent = nullptr)
    {
        auto* button = new T(_parent);
        if (!_parent)
            m_views.push_back(button);
        button->setUserValue(_name);
        button->setOnClick([](cView* _button) { note(_button, "click"); });
        button->setOnHover([](cView* _button) { note(_button, "hover"); });
        button->setOnUnhover([](cView* _button) { note(_button, "unhover"); });
        const std::string bytes = makeXml16(_element);
        cXML xml("button.xml", bytes.data(), ULong(bytes.size()));
        button->loadXML(&xml);
        return button;
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
    cHeadlessSoundLibrary& sound() { return m_engine.platform().getHeadlessSoundLibrary(); }
    std::vector<std::string> takeJournal() { return std::exchange(m_journal, {}); }

    static void note(cView* _button, const char* _event)
    {
        record(std::string(1, char('A' + static_cast<cControl*>(_button)->getUserValue())) + " " + _event);
    }
    static void record(const std::string& _entry) { s_journal->push_back(_entry); }

    static inline std::vector<std::string>* s_journal = nullptr;
    cEngineHarness m_engine;
    std::vector<std::string> m_journal;
    // Top-level views the test made, deleted before the engine goes.
    std::vector<cView*> m_views;
};
