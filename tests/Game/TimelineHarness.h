#pragma once
#include "Game/EventTargets.h"
#include "Game/Game.h"
#include "Game/GameEvent.h"
#include "Game/GameKeys.h"
#include "Game/GameRandom.h"
#include "Game/Gameplay.h"
#include "engine/TextConvert.h"
#include "support/EngineHarness.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

// Writes down every call an event makes outside the game variables, one line each.
class cRecordingTargets : public iEventTargets {
public:
    explicit cRecordingTargets(std::vector<std::string>& _calls) : m_calls(_calls) {}

    Bool letterRoom = true;

    void addNote(const WString& _note) override { m_calls.push_back("note " + toString(_note)); }
    void setMoney(Int _money) override
    {
        key::Money() = _money;
        m_calls.push_back("money " + std::to_string(_money));
    }
    Bool haveLetterRoom() override { return letterRoom; }
    void addLetter(sContractEvent* _event) override { m_calls.push_back("letter " + std::to_string(_event->index)); }
    void destroyFields(Int _count, Float) override { m_calls.push_back("destroy " + std::to_string(_count)); }
    void setFieldsUpgradeAvail(Int _level) override
    {
        key::fua() = _level;
        m_calls.push_back("fields " + std::to_string(_level));
    }
    void updateSeedsButton() override { m_calls.push_back("seeds button"); }
    void refreshMarketLines() override { m_calls.push_back("market lines"); }
    void refreshWareDetail() override { m_calls.push_back("ware detail"); }
    void onChangeEffectivePrice() override { m_calls.push_back("prices"); }
    void refreshUpgradeItem(UInt _item) override { m_calls.push_back("upgrade " + std::to_string(_item)); }
    void updateMenuButtons() override { m_calls.push_back("menu buttons"); }

private:
    std::vector<std::string>& m_calls;
};

// One event element of a time-line file: _data the attributes of its "Data", _children what
// "Data" holds.
inline std::string event(UInt _type, const std::string& _time, const std::string& _data = "",
                         const std::string& _note = "", const std::string& _children = "")
{
    std::string xml = "<Event Type=\"" + std::to_string(_type) + "\" Time=\"" + _time + "\">";
    if (!_note.empty())
        xml += "<Note>" + _note + "</Note>";
    if (!_data.empty() || !_children.empty())
        xml += "<Data " + _data + ">" + _children + "</Data>";
    return xml + "</Event>";
}

// A time-line over the headless engine, with its events' calls recorded and the game's
// random draws scripted (0 once the script runs out).
class cTimelineTest : public ::testing::Test {
protected:
    ~cTimelineTest() override
    {
        m_gameplay.reset();
        setRandomSource(nullptr);
        clearProperties();
    }

    // The time-line of _events, placed on the clock at _gameTime.
    void start(const std::string& _events, Float _gameTime = 0)
    {
        m_gameplay.reset();
        m_engine.reset();
        m_engine = std::make_unique<cEngineHarness>(cEngineHarness::DEFAULT_SETTINGS,
            tDataFiles{{"Gameplay/Gameplay.xml", makeXml16("<Gameplay><Events>" + _events + "</Events></Gameplay>")}},
            cEngineHarness::eRenderer::null);
        clearProperties();
        cGame::onInitProfile();
        key::GameTime() = _gameTime;
        setRandomSource(&scripted);
        auto targets = std::make_unique<cRecordingTargets>(m_calls);
        m_targets = targets.get();
        m_gameplay = std::make_unique<cGameplay>(std::move(targets));
    }
    // One frame of the clock at _time.
    void step(Float _time)
    {
        key::GameTime() = _time;
        m_gameplay->process();
    }
    static UInt scripted()
    {
        if (s_draws.empty())
            return 0;
        const UInt draw = s_draws.front();
        s_draws.pop_front();
        return draw;
    }

    static inline std::deque<UInt> s_draws;
    std::unique_ptr<cEngineHarness> m_engine;
    std::unique_ptr<cGameplay> m_gameplay;
    cRecordingTargets* m_targets = nullptr;
    std::vector<std::string> m_calls;
};
