#pragma once
#include "engine/Singleton.h"
#include "Game/Timeline/EventTargets.h"
#include "Game/Timeline/GameEvent.h"

#include <memory>
#include <vector>

class iXML;

// The scripted time-line of "Gameplay/Gameplay.xml": events due at times of the game clock,
// which the game menu bar advances. After the last event the clock goes back to the
// main-game-end event and the events from there on repeat, with fresh random factors.
class cGameplay : public cSingleton<cGameplay> {
public:
    using TIMES = std::vector<sTimeObject>;

    // Reads the time-line and places it on the clock ("GameTime"). A new game (clock at 0)
    // draws its random factors; a continued one gets its own back through restoreRandomFactors.
    // Null targets are the running game's objects.
    explicit cGameplay(std::unique_ptr<iEventTargets> _targets = nullptr);
    // The same from a document already read.
    cGameplay(iXML* _xml_doc, std::unique_ptr<iEventTargets> _targets);
    ~cGameplay() override;

    // One step a frame while the clock runs: at most one event fires.
    void process();

    static Float getGameTime();
    // The demand of the kind as stored, a negative one as its bit pattern; "invalid type"
    // past kind 18.
    UInt getEffectivePrice(UInt _type) const;
    // _count forecast levels (0..100) of the kind's demand, _step seconds apart from now.
    // "invalid step" for a step not above 0.
    void getPricePrognos(UInt _type, Float _step, UInt _count, std::vector<Float>& _out) const;

    std::vector<Float> getRandomFactors() const { return m_randomFactors; }
    // Factors missing at the end count as 0; extra ones are kept and unused.
    void setRandomFactors(const std::vector<Float>& _factors);
    // The saved factors in place of any applied so far.
    void restoreRandomFactors(const std::vector<Float>& _factors);

    // Raises "invalid event" past the end; findEvent answers null instead.
    sBaseEvent* getEvent(UInt _index) const;
    sBaseEvent* findEvent(Int _index) const;
    UInt getEventCount() const { return UInt(m_events.size()); }
    Bool isInactive() const { return m_inactive; }
    // The next event to fire; the event count once this cycle's events have all fired.
    UInt getNext() const { return m_next; }
    UInt getRestartIndex() const { return m_restartIndex; }
    Float getEndSeconds() const { return m_endSeconds; }

    // The times of the time-line file's events, in the order the time-line keeps them: for the
    // profile's load, which runs before any game is built.
    static TIMES readEventTimes();
    // Whether a salvaged farm whose clock reads _clock goes on from the time-line's saved place,
    // event _next due at _nextAt seconds, among events due at _times: its clock then goes back
    // to _passed, the time of the last event passed. Elsewhere the clock is the farm's own, or
    // starts afresh.
    static Bool goesOnFromASalvagedPlace(const TIMES& _times, Int _next, Int _nextAt, Float _clock, Float& _passed);

private:
    using EVENTS = std::vector<std::unique_ptr<sBaseEvent>>;

    void start(iXML* _xml_doc);
    void loadXML(iXML* _xml_doc);
    // The events of the document, checked and in time order; _report logs those skipped.
    static void loadEvents(iXML* _xml_doc, EVENTS& _events, Bool _report);
    static void insert(EVENTS& _events, std::unique_ptr<sBaseEvent> _event);
    // Whether the saved place fits the events and the clock: the event there has the saved
    // time, the one before it was due, and nothing is due past the events that share that
    // one's time.
    static Bool placeFits(const TIMES& _times, Int _next, Int _nextAt, Float _clock);
    static TIMES timesOf(const EVENTS& _events);
    void placeOnClock();
    Bool goOnWhereSaved();
    Bool goOnFromASalvagedPlace();
    void goOnFromAWaitingGoal();
    void goBackToWhatHasNotCome();
    // Also keeps the place in the game variables, for a continued game.
    void setNext(UInt _next);
    void drawRandomFactors();
    void applyRandomFactors();
    void endCycle(Float _now);

    std::unique_ptr<iEventTargets> m_targets;
    Bool m_inactive = true;
    sTimeObject m_endTime;
    Float m_endSeconds = 0;
    EVENTS m_events;
    std::vector<Float> m_randomFactors;
    UInt m_next = 0;
    UInt m_restartIndex = 0;
};
