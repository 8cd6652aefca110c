#include "Game/Timeline/Gameplay.h"

#include "engine/logs/ErrorStack.h"
#include "engine/logs/Log.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/Profile.h"
#include "engine/resources/ResourceManager.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "Game/GameKeys.h"
#include "Game/GameRandom.h"

#include <algorithm>
#include <cmath>

namespace {

// Demand up to 5 fills the lower half of the forecast scale, 5 to 100 the upper half.
Float forecastLevel(Float _demand)
{
    return _demand > 5.0f ? (_demand - 5.0f) * 0.5263158f + 50.0f : _demand * 10.0f;
}

const char* const TIME_LINE = "Gameplay/Gameplay.xml";

// _read with the time-line's document; a failure names the file.
template <class F>
void readTimeLine(F _read)
{
    iXML* doc = cResourceManager::getInstance()->getXML(TIME_LINE);
    try {
        _read(doc);
    } catch (...) {
        doc->release();
        rethrowWithFile(TIME_LINE);
    }
    doc->release();
}

} // namespace

cGameplay::cGameplay(std::unique_ptr<iEventTargets> _targets)
    : m_targets(_targets ? std::move(_targets) : std::make_unique<cGameEventTargets>())
{
    GUARD_BEGIN
    readTimeLine([this](iXML* _xml_doc) { start(_xml_doc); });
    GUARD_END("cGameplay::cGameplay()")
}

cGameplay::cGameplay(iXML* _xml_doc, std::unique_ptr<iEventTargets> _targets)
    : m_targets(_targets ? std::move(_targets) : std::make_unique<cGameEventTargets>())
{
    GUARD_BEGIN
    start(_xml_doc);
    GUARD_END("cGameplay::cGameplay(iXML* _xml_doc)")
}

void cGameplay::start(iXML* _xml_doc)
{
    loadXML(_xml_doc);
    if (m_inactive)
        return;
    m_endSeconds = m_endTime.toSeconds();
    placeOnClock();
    if (key::GameTime() == 0.0f) {
        drawRandomFactors();
        applyRandomFactors();
    }
}

cGameplay::~cGameplay() = default;

void cGameplay::loadEvents(iXML* _xml_doc, EVENTS& _events, Bool _report)
{
    iXML* events = nullptr;
    if (!_xml_doc->get("Events", events))
        return;
    iXML* element = nullptr;
    for (UInt i = 0; events->get(i, element); ++i) {
        UInt type = sBaseEvent::TYPE_COUNT;
        toUInt(type, (*element)[u"Type"]);
        std::unique_ptr<sBaseEvent> event = sBaseEvent::make(type);
        if (!event)
            continue;
        event->loadXML(element);
        const String fault = event->check();
        if (!fault.empty()) {
            if (_report)
                getLog("error")->print(String(TIME_LINE) + ": event " + std::to_string(i) + " of type " +
                                       std::to_string(type) + " is skipped: " + fault + ".");
            continue;
        }
        insert(_events, std::move(event));
    }
}

void cGameplay::loadXML(iXML* _xml_doc)
{
    loadEvents(_xml_doc, m_events, true);
    if (m_events.empty())
        return;
    m_endTime = m_events.back()->time;
    m_inactive = m_endTime == sTimeObject();
    Bool restart = false;
    for (UInt i = 0; i < m_events.size(); ++i) {
        m_events[i]->index = i;
        if (m_events[i]->type == sBaseEvent::MAIN_GAME_END) {
            m_restartIndex = i;
            restart = true;
        }
    }
    // Without it the clock would have nowhere to go back to after the last event.
    if (!m_inactive && !restart)
        throw "Gameplay/Gameplay.xml has no main-game-end event (Type 9) to repeat the game from";
}

void cGameplay::insert(EVENTS& _events, std::unique_ptr<sBaseEvent> _event)
{
    // Before the first later event, so equal times keep the file's order.
    const auto later = std::find_if(_events.begin(), _events.end(),
                                    [&](const std::unique_ptr<sBaseEvent>& _other) { return _event->time < _other->time; });
    _events.insert(later, std::move(_event));
}

cGameplay::TIMES cGameplay::readEventTimes()
{
    GUARD_BEGIN
    EVENTS events;
    readTimeLine([&events](iXML* _xml_doc) { loadEvents(_xml_doc, events, false); });
    return timesOf(events);
    GUARD_END("cGameplay::TIMES cGameplay::readEventTimes()")
}

cGameplay::TIMES cGameplay::timesOf(const EVENTS& _events)
{
    TIMES times;
    for (const auto& event : _events)
        times.push_back(event->time);
    return times;
}

void cGameplay::placeOnClock()
{
    // An earlier build fired events without moving the saved place on: its save is placed by
    // the clock alone, or what it fired would fire again.
    const cProfile* profile = cProfile::getInstance();
    const Bool earlierBuild = profile && profile->getLoadedCopy().isEarlierBuilds();
    if (profile && profile->getLoadedCopy().salvaged && goOnFromASalvagedPlace())
        return;
    if (key::GameTime() != 0.0f && !earlierBuild && goOnWhereSaved())
        return;
    sTimeObject now;
    now.setSeconds(key::GameTime());
    const auto later = std::find_if(m_events.begin(), m_events.end(),
                                    [&](const std::unique_ptr<sBaseEvent>& _event) { return now < _event->time; });
    if (later != m_events.end()) {
        setNext(UInt(later - m_events.begin()));
        goOnFromAWaitingGoal();
        if (key::GameTime() != 0.0f)
            goBackToWhatHasNotCome();
        return;
    }
    // A clock saved past the end of an older, longer time-line: the game goes on as the
    // cycle end would take it, rather than never loading again.
    getLog("error")->print("The saved game clock " + std::to_string(key::GameTime()) +
                           " s is past the time-line's last event: the game goes back to its repeat.");
    endCycle(key::GameTime());
}

// A tip or a window that holds the game between events due at one time leaves some of them
// due but not fired: the saved place says which. It is taken only where it fits the time-line
// read now and the clock.
Bool cGameplay::goOnWhereSaved()
{
    const Int next = key::eventNext();
    if (next < 0)
        return false;
    if (!placeFits(timesOf(m_events), next, key::eventNextAt(), key::GameTime())) {
        getLog("error")->print("The saved place on the time-line, event " + std::to_string(next) + " at " +
                               std::to_string(key::eventNextAt()) +
                               " s, does not fit this time-line: the game goes on from its clock.");
        return false;
    }
    setNext(UInt(next));
    return true;
}

Bool cGameplay::placeFits(const TIMES& _times, Int _next, Int _nextAt, Float _clock)
{
    if (_next < 0 || UInt(_next) >= _times.size() || Int(_times[UInt(_next)].toSeconds()) != _nextAt)
        return false;
    sTimeObject now;
    now.setSeconds(_clock);
    const UInt at = UInt(_next);
    if (at == 0)
        return now < _times[at];
    const sTimeObject& last = _times[at - 1];
    UInt later = at;
    while (later < _times.size() && _times[later] == last)
        ++later;
    return !(now < last) && (later == _times.size() || now < _times[later]);
}

// A farm salvaged from a damaged file whose clock did not read, or reads before the place the
// time-line kept (a digit damaged lower), yet whose place reads and fits: the clock goes back to
// the last event passed, never before it, where every gift and letter would come again. Before
// the first event there is none passed to go back to.
Bool cGameplay::goesOnFromASalvagedPlace(const TIMES& _times, Int _next, Int _nextAt, Float _clock, Float& _passed)
{
    if (_next <= 0 || UInt(_next) >= _times.size())
        return false;
    _passed = _times[UInt(_next) - 1].toSeconds();
    return _clock < _passed && placeFits(_times, _next, _nextAt, _passed);
}

Bool cGameplay::goOnFromASalvagedPlace()
{
    const Float read = key::GameTime();
    Float passed = 0;
    if (!goesOnFromASalvagedPlace(timesOf(m_events), key::eventNext(), key::eventNextAt(), read, passed))
        return false;
    key::GameTime() = passed;
    getLog("error")->print("The salvaged game clock, " + std::to_string(read) + " s, stands before the time-line's saved "
                           "place: it goes on from " + std::to_string(passed) + " s, the time of the last event passed.");
    setNext(UInt(key::eventNext()));
    return true;
}

// A goal holds the clock at its own time, so what follows it at that time is due but has not
// fired: a game continued while the goal waits goes on right after the goal, whenever it was
// saved, so that nothing the goal leads to is lost.
void cGameplay::goOnFromAWaitingGoal()
{
    if (key::mTrigger() == 0 && key::wlTrigger() == -1)
        return;
    for (UInt i = m_next; i-- > 0;) {
        if (m_events[i]->type == sBaseEvent::TRIGGER) {
            setNext(i + 1);
            return;
        }
    }
}

// A game saved without a place that fits (by an earlier build) may have stopped between the
// events due last, which share a time: the first of them whose work the farm plainly lacks had
// not fired. Events at the very start never fire, so they are left alone.
void cGameplay::goBackToWhatHasNotCome()
{
    if (m_next == 0)
        return;
    const sTimeObject last = m_events[m_next - 1]->time;
    if (last == sTimeObject())
        return;
    UInt first = m_next - 1;
    while (first > 0 && !(m_events[first - 1]->time < last))
        --first;
    for (UInt i = first; i < m_next; ++i) {
        if (m_events[i]->isPlainlyUnfired()) {
            setNext(i);
            return;
        }
    }
}

void cGameplay::setNext(UInt _next)
{
    m_next = _next;
    key::eventNext() = Int(_next);
    key::eventNextAt() = _next < m_events.size() ? Int(m_events[_next]->time.toSeconds()) : -1;
}

void cGameplay::process()
{
    GUARD_BEGIN
    if (m_inactive)
        return;
    const Float now = key::GameTime();
    if (m_next < m_events.size() && now >= m_events[m_next]->time.toSeconds()) {
        sBaseEvent* event = m_events[m_next].get();
        // A letter that finds the post box full is not sent this cycle.
        if (event->type != sBaseEvent::CONTRACT || m_targets->haveLetterRoom())
            event->fire(*m_targets);
        setNext(m_next + 1);
    }
    // The cycle ends only once everything due up to its end has fired, one a frame.
    if (now < m_endSeconds || m_next < m_events.size())
        return;
    endCycle(now);
    drawRandomFactors();
    applyRandomFactors();
    GUARD_END("void cGameplay::process()")
}

void cGameplay::endCycle(Float _now)
{
    const Float restart = m_events[m_restartIndex]->time.toSeconds();
    const Float cycle = m_endSeconds - restart;
    Float overshoot = _now - m_endSeconds;
    // An overshoot longer than a whole cycle starts the cycle afresh; a cycle that ends where it
    // starts has nothing to skip, and its clock runs on.
    if (cycle > 0 && overshoot >= cycle)
        overshoot = 0;
    key::GameTime() = restart + overshoot;
    setNext(m_restartIndex);
}

void cGameplay::drawRandomFactors()
{
    m_randomFactors.assign(m_events.size(), 0.0f);
    for (size_t i = 0; i < m_events.size(); ++i) {
        const Float range = m_events[i]->range;
        m_randomFactors[i] = Float(gameRand()) * (range - -range) * (1.0f / 32767.0f) + -range;
    }
}

void cGameplay::applyRandomFactors()
{
    for (size_t i = 0; i < m_events.size(); ++i)
        m_events[i]->applyRandomFactor(i < m_randomFactors.size() ? m_randomFactors[i] : 0.0f);
}

void cGameplay::setRandomFactors(const std::vector<Float>& _factors)
{
    GUARD_BEGIN
    m_randomFactors = _factors;
    applyRandomFactors();
    GUARD_END("void cGameplay::setRandomFactors(const std::vector<float>& _factors)")
}

void cGameplay::restoreRandomFactors(const std::vector<Float>& _factors)
{
    // A game continued at 0:00:00 has already drawn and applied factors of its own; the saved
    // ones take their place rather than adding to them.
    for (auto& event : m_events)
        event->clearRandomFactors();
    // A factor its event could not have drawn (damage, or a time-line whose ranges changed since)
    // counts as 0: a contract never pays more than its range allows.
    std::vector<Float> factors = _factors;
    for (size_t i = 0; i < factors.size() && i < m_events.size(); ++i)
        if (!(std::fabs(factors[i]) <= m_events[i]->range))
            factors[i] = 0;
    setRandomFactors(factors);
}

Float cGameplay::getGameTime()
{
    return key::GameTime();
}

UInt cGameplay::getEffectivePrice(UInt _type) const
{
    if (_type >= key::PRODUCT_COUNT)
        throw "invalid type";
    return UInt(key::MEffPrice[_type]);
}

void cGameplay::getPricePrognos(UInt _type, Float _step, UInt _count, std::vector<Float>& _out) const
{
    GUARD_BEGIN
    if (!(_step > 0))
        throw "invalid step";
    Float current = Float(std::max(Int(getEffectivePrice(_type)), 0));
    _out.assign(_count, 0.0f);
    if (_count == 0)
        return;
    const Float now = key::GameTime();
    const Float horizon = now + Float(_count) * _step;
    UInt filled = 0;
    for (size_t i = m_next; i < m_events.size(); ++i) {
        const Float seconds = m_events[i]->time.toSeconds();
        if (seconds >= horizon)
            break;
        if (m_events[i]->type != sBaseEvent::POPULARITY_CHANGE)
            continue;
        // An event already due counts from now; one that rounds onto the horizon, from the last step.
        const Double steps = std::trunc(Double(seconds - now) / Double(_step));
        const UInt k = UInt(std::clamp(steps, 0.0, Double(_count - 1)));
        for (const auto& pair : static_cast<const sPopularityChangeEvent&>(*m_events[i]).values) {
            if (pair.ProductType != _type)
                continue;
            for (; filled <= k; ++filled)
                _out[filled] = current;
            current = Float(std::max(pair.Value, 0));
        }
    }
    for (; filled < _count; ++filled)
        _out[filled] = current;
    for (Float& level : _out)
        level = forecastLevel(level);
    GUARD_END("void cGameplay::getPricePrognos(UInt type, float step, UInt count, std::vector<float>& out)")
}

sBaseEvent* cGameplay::getEvent(UInt _index) const
{
    if (_index >= m_events.size())
        throw "invalid event";
    return m_events[_index].get();
}

sBaseEvent* cGameplay::findEvent(Int _index) const
{
    return _index >= 0 && UInt(_index) < m_events.size() ? m_events[UInt(_index)].get() : nullptr;
}
