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

private:
    void start(iXML* _xml_doc);
    void loadXML(iXML* _xml_doc);
    void insert(std::unique_ptr<sBaseEvent> _event);
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
    std::vector<std::unique_ptr<sBaseEvent>> m_events;
    std::vector<Float> m_randomFactors;
    UInt m_next = 0;
    UInt m_restartIndex = 0;
};
