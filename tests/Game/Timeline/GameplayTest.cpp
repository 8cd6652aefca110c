#include "engine/progress/Profile.h"
#include "engine/text/TextConvert.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/GameRandom.h"
#include "Game/Timeline/EventTargets.h"
#include "Game/Timeline/GameEvent.h"
#include "Game/Timeline/Gameplay.h"
#include "support/EngineHarness.h"
#include "support/TempFolder.h"
#include "support/Thrown.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace {

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

// Where a saved game left the time-line: the next event and its time in seconds.
struct sSavedPlace {
    Int next = -1, at = -1;
};

// A time-line over the headless engine, with its events' calls recorded and the game's
// random draws scripted (0 once the script runs out).
class cTimeline : public ::testing::Test {
protected:
    ~cTimeline() override
    {
        m_gameplay.reset();
        setRandomSource(nullptr);
        clearProperties();
    }

    // The time-line of _events, placed on the clock at _gameTime with the goals and the place
    // saved then.
    void start(const std::string& _events, Float _gameTime = 0, Int _moneyGoal = 0, Int _barnGoal = -1,
               sSavedPlace _place = sSavedPlace())
    {
        startFile(makeXml16("<Gameplay><Events>" + _events + "</Events></Gameplay>"), _gameTime, _moneyGoal,
                  _barnGoal, _place);
    }
    // The time-line file of _bytes.
    void startFile(const std::string& _bytes, Float _gameTime = 0, Int _moneyGoal = 0, Int _barnGoal = -1,
                   sSavedPlace _place = sSavedPlace())
    {
        m_gameplay.reset();
        m_engine.reset();
        m_engine = std::make_unique<cEngineHarness>(cEngineHarness::DEFAULT_SETTINGS,
            tDataFiles{{"Gameplay/Gameplay.xml", _bytes}}, cEngineHarness::eRenderer::null);
        clearProperties();
        cGame::onInitProfile();
        key::GameTime() = _gameTime;
        key::mTrigger() = _moneyGoal;
        key::wlTrigger() = _barnGoal;
        key::eventNext() = _place.next;
        key::eventNextAt() = _place.at;
        key::fua() = m_openFields;
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
    // The field extensions the farm has opened when the game starts.
    Int m_openFields = 0;
};

const std::string RESTART = event(9, "0:10:00");

std::string moneyEvent(const std::string& _time, Int _value, const std::string& _note)
{
    return event(2, _time, "RandomFactor=\"1\" Value=\"" + std::to_string(_value) + "\"", _note);
}

std::string contract(const std::string& _time, const std::string& _values, const std::string& _reqs = "")
{
    return event(5, _time, "WinTime=\"0:05:00\" LetterTime=\"0:01:00\" RandomFactor=\"1\" " + _values, "",
                 "<Requirements>" + _reqs + "</Requirements>");
}

TEST_F(cTimeline, EqualTimesKeepFileOrderAndUnknownTypesOrIndicesOutOfRangeAreSkipped)
{
    start(event(1, "0:05:00", "SeedType=\"3\"") + event(10, "0:01:00") + event(1, "0:02:00", "SeedType=\"1\"") +
          event(1, "0:05:00", "SeedType=\"2\"") + event(0, "0:01:00", "DepotType=\"15\" Upgrade=\"1\"") +
          event(1, "0:01:00", "SeedType=\"8\"") + event(6, "0:01:00", "", "", "<P ProductType=\"19\" Value=\"3\"/>") +
          event(7, "0:01:00", "UpgradeIndex=\"4\"") +
          contract("0:01:00", "", "<R ProductType=\"40\" Count=\"1\" ReqType=\"0\"/>") +
          event(0, "0:06:00", "DepotType=\"14\" Upgrade=\"2\"") + RESTART);
    ASSERT_EQ(m_gameplay->getEventCount(), 5u);
    EXPECT_EQ(static_cast<sSeedAvailableEvent*>(m_gameplay->getEvent(0))->SeedType, 1u);
    EXPECT_EQ(static_cast<sSeedAvailableEvent*>(m_gameplay->getEvent(1))->SeedType, 3u);
    EXPECT_EQ(static_cast<sSeedAvailableEvent*>(m_gameplay->getEvent(2))->SeedType, 2u);
    EXPECT_EQ(m_gameplay->getRestartIndex(), 4u);
    EXPECT_EQ(m_gameplay->getEvent(4)->index, 4u);
}

TEST_F(cTimeline, BadTimesOrNoRestartFailTheLoad)
{
    for (const char* time : {"1:2", "", "a:b:c", "1:2:", "1;2;3"}) {
        const std::string error = thrownText([&] { start(event(9, time)); });
        EXPECT_EQ(error.substr(0, error.find('\n')), "Invalid time format") << time;
        EXPECT_NE(error.find("\nwhile reading \"Gameplay/Gameplay.xml\"\n"), std::string::npos) << error;
    }
    // A time-line without a restart is refused as well.
    EXPECT_NE(thrownText([&] { start(event(2, "0:01:00")); }, true).find("no main-game-end event"),
              std::string::npos);
}

TEST_F(cTimeline, AnOnlyEventAtTheStartLeavesItInactive)
{
    start(moneyEvent("0:00:00", 100, "gift"));
    EXPECT_TRUE(m_gameplay->isInactive());
    EXPECT_TRUE(m_gameplay->getRandomFactors().empty());
    step(50);
    EXPECT_TRUE(m_calls.empty());
}

// A new game counts its start events as fired, a clock past the end goes back to the restart,
// and a continued game does not fire again what was due at its clock, but what a goal that still
// holds the clock at that time stands before has not fired yet. A continued game goes on where
// its saved place says, when that place fits the time-line and the save is of this build; a game
// saved without one, or by an earlier build that left it behind, goes on at the first event, of
// those that share the last time due after the start, whose work the farm plainly lacks.
TEST_F(cTimeline, TheStartPlacesTheClockAfterWhatWasDue)
{
    const std::string goal = moneyEvent("0:05:00", 100, "a") + event(8, "0:05:00", "Money=\"300\" WareLevel=\"2\"") +
                             moneyEvent("0:05:00", 5, "after") + RESTART;
    const std::string noon = moneyEvent("0:05:00", 100, "a") + event(8, "0:05:00", "Money=\"300\"") +
                             event(0, "0:05:00", "DepotType=\"12\" Upgrade=\"0\"") +
                             event(7, "0:05:00", "UpgradeIndex=\"1\"") + moneyEvent("0:06:00", 5, "b") + RESTART;
    const struct {
        std::string events;
        Float clock;
        Int moneyGoal, barnGoal;
        UInt next;
        Float clockAfter;
        sSavedPlace saved = {};
        Int openFields = 0;
        Bool earlierBuild = false;
    } cases[] = {{moneyEvent("0:00:00", 100, "gift") + RESTART + moneyEvent("0:20:00", 5, "late"), 0, 0, -1, 1, 0},
        {RESTART + moneyEvent("0:20:00", 5, "b"), 1300.0f, 0, -1, 0, 700.0f},
        {moneyEvent("0:05:00", 100, "a") + RESTART + moneyEvent("0:20:00", 5, "b"), 600.0f, 0, -1, 2, 600.0f},
        // Saved between events that share a time, the place kept or not, or one that does not
        // fit the time-line read or the clock.
        {noon, 300.04f, 0, -1, 3, 300.04f, {3, 300}}, {noon, 300.04f, 0, -1, 3, 300.04f},
        {noon, 300.04f, 300, -1, 2, 300.04f}, {noon, 300.04f, 0, -1, 3, 300.04f, {2, 301}},
        {noon, 300.04f, 0, -1, 3, 300.04f, {5, 600}}, {noon, 300.04f, 0, -1, 3, 300.04f, {9, 300}},
        {noon, 400.0f, 0, -1, 5, 400.0f, {3, 300}},
        // A place the clock alone would not give; an earlier build fired its events and left it.
        {noon, 300.04f, 0, -1, 2, 300.04f, {2, 300}}, {noon, 300.04f, 0, -1, 3, 300.04f, {2, 300}, 0, true},
        // The field extension of the last time due is open already: its event fired.
        {noon, 300.04f, 0, -1, 4, 300.04f, {}, 1},
        // What the start found due is never gone back to.
        {event(1, "0:00:00", "SeedType=\"1\"") + RESTART, 10.0f, 0, -1, 1, 10.0f},
        // A time-line that ends at its restart goes on from there with every overshoot.
        {moneyEvent("0:05:00", 100, "a") + RESTART, 700.0f, 0, -1, 1, 700.0f},
        {goal, 300.02f, 300, 2, 2, 300.02f}, {goal, 300.02f, 0, 2, 2, 300.02f}, {goal, 300.02f, 0, -1, 3, 300.02f}};
    cProfile profile(u"");
    for (const auto& c : cases) {
        // The variables the game is loaded from; of this build, they are the game's own.
        profile.setLoadedCopy({c.earlierBuild ? std::vector<sSavedVariable>{{"Int", "eventNext", u"2"}} :
                                                std::vector<sSavedVariable>{},
            false, false});
        m_openFields = c.openFields;
        start(c.events, c.clock, c.moneyGoal, c.barnGoal, c.saved);
        EXPECT_EQ(m_gameplay->getNext(), c.next) << c.clock << " with goals " << c.moneyGoal << ", " << c.barnGoal
                                                 << ", place " << c.saved.next;
        EXPECT_EQ(key::eventNext(), Int(c.next)) << c.clock << ": the place is kept for the next save";
        EXPECT_FLOAT_EQ(key::GameTime(), c.clockAfter) << c.clock;
    }
    step(700);
    EXPECT_TRUE(m_calls.empty());
}

TEST_F(cTimeline, EventsDueTogetherFireOnConsecutiveFrames)
{
    start(moneyEvent("0:05:00", 100, "first") + moneyEvent("0:05:00", 10, "second") + RESTART);
    step(300);
    EXPECT_EQ(m_calls, (std::vector<std::string>{"note first", "money 100"}));
    step(300.02f);
    EXPECT_EQ(m_calls.back(), "money 110");
}

// A contract finding no room, and a loss the player cannot pay, pass over without a call or note.
TEST_F(cTimeline, AnEventThatCannotApplyIsPassedOverSilently)
{
    start(contract("0:01:00", "Bonus=\"100\"") + moneyEvent("0:01:00", -500, "tax") + RESTART);
    m_targets->letterRoom = false;
    key::Money() = 300;
    for (Float time : {60.0f, 60.02f})
        step(time);
    EXPECT_TRUE(m_calls.empty());
    EXPECT_EQ(key::Money(), 300);
    EXPECT_EQ(m_gameplay->getNext(), 2u);
}

TEST_F(cTimeline, ACycleEndCarriesTheOvershootAndRedrawsTheFactors)
{
    start(RESTART + contract("0:30:00", "Bonus=\"100\"") + event(8, "0:30:00", "Money=\"7\""), 1700.0f);
    s_draws = {32767, 32767, 32767};
    step(1805.2f);
    EXPECT_EQ(m_calls, (std::vector<std::string>{"letter 1"}));
    EXPECT_FLOAT_EQ(key::GameTime(), 1805.2f);
    step(1805.2f);
    EXPECT_EQ(key::mTrigger(), 7);
    EXPECT_NEAR(key::GameTime(), 605.2f, 1e-3);
    EXPECT_EQ(m_gameplay->getNext(), 0u);
    EXPECT_EQ(m_gameplay->getRandomFactors(), (std::vector<Float>{0, 0, 0}));
    step(605.3f);
    EXPECT_FALSE(key::MainGame());
}

TEST_F(cTimeline, AFieldReleaseThatIsNotTheNextIsPassedOver)
{
    start(event(7, "0:01:00", "UpgradeIndex=\"1\"", "more land") + RESTART + event(7, "0:11:00", "UpgradeIndex=\"1\""));
    for (Float time : {60.0f, 660.0f, 660.02f})
        step(time);
    EXPECT_EQ(m_calls, (std::vector<std::string>{"note more land", "fields 1"}));
}

TEST_F(cTimeline, AnUpgradeOnSaleRefreshesEverythingThatShowsIt)
{
    start(event(0, "0:01:00", "DepotType=\"12\" Upgrade=\"2\"") + RESTART);
    step(60);
    EXPECT_EQ(key::upgradeAvail(12), 2u);
    EXPECT_EQ(m_calls, (std::vector<std::string>{"market lines", "upgrade 12", "menu buttons"}));
}

struct sRounding {
    Int loaded;
    Float factor;
    Int bonus;
};

TEST_F(cTimeline, FactorsRoundLargeAmounts)
{
    for (const sRounding& c : {sRounding{1234, 0, 1200}, sRounding{234, 0, 230}, sRounding{99, 0, 99},
                               sRounding{1000, 0.5f, 1500}}) {
        start(contract("0:01:00", "Bonus=\"" + std::to_string(c.loaded) + "\"") + RESTART, 1.0f);
        m_gameplay->setRandomFactors({c.factor});
        EXPECT_EQ(static_cast<sContractEvent*>(m_gameplay->getEvent(0))->Bonus, c.bonus) << c.loaded;
    }
}

TEST_F(cTimeline, FactorsAccumulateAndStopAtZero)
{
    start(contract("0:01:00", "Bonus=\"100\" Penalty=\"40\"", "<R ProductType=\"1\" Count=\"10\" ReqType=\"0\"/>") +
              event(6, "0:02:00", "", "", "<P ProductType=\"2\" Value=\"10\"/>") + RESTART,
          1.0f);
    auto* deal = static_cast<sContractEvent*>(m_gameplay->getEvent(0));
    auto* demand = static_cast<sPopularityChangeEvent*>(m_gameplay->getEvent(1));
    m_gameplay->setRandomFactors({0.5f, -0.5f});
    m_gameplay->setRandomFactors({0.5f, -0.5f});
    EXPECT_EQ(deal->Bonus, 200);
    EXPECT_EQ(deal->Requirements[0].Count, 20u);
    EXPECT_EQ(demand->values[0].Value, 0);
    m_gameplay->setRandomFactors({-5.0f});
    EXPECT_EQ(deal->Bonus, 0);
    EXPECT_EQ(deal->Penalty, 0);
    EXPECT_EQ(deal->Requirements[0].Count, 0u);
}

TEST_F(cTimeline, TheForecastFollowsDemandChangesAhead)
{
    start(event(6, "0:00:20", "", "", "<P ProductType=\"3\" Value=\"100\"/>") +
              event(6, "0:00:40", "", "", "<P ProductType=\"3\" Value=\"-4\"/>") + RESTART,
          1.0f);
    key::MEffPrice[3] = 5;
    std::vector<Float> out;
    m_gameplay->getPricePrognos(3, 10.0f, 5, out);
    EXPECT_EQ(out, (std::vector<Float>{50, 50, 100, 100, 0}));
    key::MEffPrice[3] = 0;
    m_gameplay->getPricePrognos(3, 100.0f, 1, out);
    EXPECT_EQ(out, (std::vector<Float>{0}));
    key::GameTime() = 30.0f;
    m_gameplay->getPricePrognos(3, 1.0f, 3, out);
    EXPECT_EQ(out, (std::vector<Float>{0, 100, 100}));
    EXPECT_EQ(thrownText([&] { m_gameplay->getPricePrognos(3, 0.0f, 3, out); }, true), "invalid step");
    EXPECT_EQ(thrownText([&] { m_gameplay->getEffectivePrice(19); }, true), "invalid type");
}

TEST(TimeObject, PrintsWithLeadingZeros)
{
    sTimeObject time;
    time.setSeconds(3723.9f);
    EXPECT_EQ(toString(time.toString(false)), "01:02:03");
    EXPECT_EQ(toString(time.toString(true)), "02:03");
}

// The tutorial gives the first workshop its first upgrade for free, and waits for it: the
// shipped time-line puts that level on sale with the workshop itself, and later workshops
// never come without a level the tutorial could ask for.
TEST_F(cTimeline, TheShippedTimeLineSellsTheFirstWorkshopWithItsFirstUpgrade)
{
    const char* data = std::getenv("FURROW_DATA");
    ASSERT_TRUE(data);
    const std::string bytes = readFileBytes(std::string(data) + "/Gameplay/Gameplay.xml");
    ASSERT_FALSE(bytes.empty());
    startFile(bytes);
    constexpr UInt WORKSHOP_KINDS = 11;
    Int first = -1;
    for (Int second = 1; second <= 20 * 60 && first < 0; ++second) {
        step(Float(second));
        for (UInt kind = 0; kind < WORKSHOP_KINDS && first < 0; ++kind)
            if (key::upgradeAvail(kind) != NONE_VALUE)
                first = Int(kind);
    }
    ASSERT_GE(first, 0) << "the main game offers a workshop";
    EXPECT_GE(key::upgradeAvail(UInt(first)), 1u) << "workshop " << first;
    // The tips of the well and the tool shed ask for their first levels: no event raises them.
    EXPECT_EQ(key::upgradeLevel(31), 0);
    EXPECT_EQ(key::upgradeLevel(33), 0);
}

// From the first letter to the end of the main game a player always has a contract to work
// for: waiting in the post box or running.
TEST_F(cTimeline, TheShippedMainGameAlwaysHasAContractToWorkFor)
{
    const char* data = std::getenv("FURROW_DATA");
    ASSERT_TRUE(data);
    startFile(readFileBytes(std::string(data) + "/Gameplay/Gameplay.xml"));
    std::vector<std::pair<Float, Float>> open;
    Float first = 20 * 60;
    for (Int i = 0; const sBaseEvent* event = m_gameplay->findEvent(i); ++i)
        if (event->type == sBaseEvent::CONTRACT) {
            const auto* contract = static_cast<const sContractEvent*>(event);
            const Float from = event->time.toSeconds();
            open.push_back({from, from + contract->LetterTime.toSeconds() + contract->WinTime.toSeconds()});
            first = std::min(first, from);
        }
    for (Float t = first; t < 20 * 60; t += 10) {
        const bool held = std::any_of(open.begin(), open.end(), [&](const auto& _span) {
            return _span.first <= t && t <= _span.second;
        });
        EXPECT_TRUE(held) << "no contract at " << t / 60 << " minutes";
    }
}

} // namespace
