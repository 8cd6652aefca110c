#include "Game/Contracts/SavedContract.h"

#include "engine/logs/LogManager.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/progress/Profile.h"
#include "engine/text/TermFill.h"
#include "engine/text/TextConvert.h"
#include "Game/Contracts/ContractWords.h"
#include "Game/GameKeys.h"
#include "Game/Timeline/Gameplay.h"

#include <limits>
#include <string>
#include <vector>

namespace {

using eKind = cSavedContract::eKind;

// The event's time in whole seconds; -1 past what a game variable holds.
Int secondsOf(const sBaseEvent& _event)
{
    const Double seconds = Double(_event.time.hours) * 3600 + Double(_event.time.minutes) * 60 + _event.time.seconds;
    return seconds <= std::numeric_limits<Int>::max() ? Int(seconds) : -1;
}

sContractEvent* contractAt(const cGameplay& _line, Int _at, Int _nth)
{
    Int seen = 0;
    for (UInt i = 0; i < _line.getEventCount(); ++i) {
        sBaseEvent* event = _line.getEvent(i);
        if (event->type == sBaseEvent::CONTRACT && secondsOf(*event) == _at && seen++ == _nth)
            return static_cast<sContractEvent*>(event);
    }
    return nullptr;
}

sContractEvent* contractOf(const cGameplay& _line, Int _position)
{
    sBaseEvent* event = _line.findEvent(_position);
    return event && event->type == sBaseEvent::CONTRACT ? static_cast<sContractEvent*>(event) : nullptr;
}

// The values of a place as the game holds them.
struct sPlace {
    Int position;
    Int at;
    Int nth;
    Float left;
    // The contract its position names, and the one its time names.
    sContractEvent* byPosition = nullptr;
    sContractEvent* byTime = nullptr;
};

sPlace placeOf(eKind _kind, UInt _place)
{
    const Bool letter = _kind == cSavedContract::LETTER;
    sPlace place{letter ? key::letter[_place] : key::task[_place], letter ? key::letterAt[_place] : key::taskAt[_place],
        letter ? key::letterNth[_place] : key::taskNth[_place], letter ? key::letTime[_place] : key::taskTime[_place]};
    if (const cGameplay* line = cGameplay::getInstance()) {
        place.byPosition = place.position >= 0 ? contractOf(*line, place.position) : nullptr;
        place.byTime = place.at >= 0 ? contractAt(*line, place.at, place.nth) : nullptr;
    }
    return place;
}

// The variables the game was loaded from, while they are being taken; null for the game's own.
const cProfile::sLoadedCopy* loadedCopy()
{
    const cProfile* profile = cProfile::getInstance();
    return profile && !profile->getLoadedCopy().variables.empty() ? &profile->getLoadedCopy() : nullptr;
}

// Whether _text reads as the type named _type (the loaded file's tag for it).
Bool reads(const String& _type, const WString& _text)
{
    Int number = 0;
    Float real = 0;
    if (_type == getTypeName<PT_INT>())
        return readPropertyValue<PT_INT>(_text, number);
    return _type == getTypeName<PT_FLOAT>() && readPropertyValue<PT_FLOAT>(_text, real);
}

// Of salvaged values, whether each value of the place reads. Its flag is left out: where it did
// not read, the game's default keeps the contract, and a contract it names is the player's.
Bool readsWhole(eKind _kind, UInt _place, const cProfile::sLoadedCopy& _copy)
{
    const String at = std::to_string(_place);
    const std::vector<String> names = _kind == cSavedContract::LETTER ?
        std::vector<String>{"letter" + at, "letterAt" + at, "letterNth" + at, "letTime" + at} :
        std::vector<String>{"task" + at, "taskAt" + at, "taskNth" + at, "taskTime" + at, "taskBonus" + at,
            "req" + at + "_0", "req" + at + "_1"};
    for (const String& name : names)
        for (const sSavedVariable& variable : _copy.variables)
            if (variable.name == name && !reads(variable.type, variable.value))
                return false;
    return true;
}

// The contract the place's values name as the build that saved them meant it: this build's by
// the time wherever a newer time-line put it, an earlier build's by the position; in salvaged
// values only where the position and the time agree. Null for none.
sContractEvent* namedBy(const sPlace& _place, const cProfile::sLoadedCopy* _copy)
{
    if (_copy && _copy->isEarlierBuilds())
        return _place.byPosition;
    if (_place.at < 0)
        return _place.byPosition;
    if (_copy && _copy->salvaged && _place.position >= 0 && _place.byPosition != _place.byTime)
        return nullptr;
    return _place.byTime;
}

// Whether the clock left is one the event allows.
Bool clockFits(eKind _kind, const sPlace& _place, const sContractEvent& _event)
{
    const Float total = (_kind == cSavedContract::LETTER ? _event.LetterTime : _event.WinTime).toSeconds();
    return _place.left >= 0 && _place.left <= total;
}

// The contract the place comes back with, whatever other places hold.
sContractEvent* contractIn(eKind _kind, UInt _place)
{
    const cProfile::sLoadedCopy* copy = loadedCopy();
    const sPlace place = placeOf(_kind, _place);
    sContractEvent* event = namedBy(place, copy);
    if (!event || !clockFits(_kind, place, *event) || (copy && copy->salvaged && !readsWhole(_kind, _place, *copy)))
        return nullptr;
    return event;
}

String timeText(Int _seconds)
{
    sTimeObject time;
    time.setSeconds(Float(_seconds));
    return toString(time.toString(false));
}

// The words between quotes, which end the sentence: a letter's own full stop goes.
WString quoted(WString _words)
{
    if (!_words.empty() && _words.back() == u'.')
        _words.pop_back();
    return _words.empty() ? WString(u".") : u" «" + _words + u"».";
}

} // namespace

cSavedContract::cSavedContract(eKind _kind, UInt _place) : m_kind(_kind), m_place(_place)
{
    // A place the variables do not have raises the families' error here, not halfway through.
    (void)key::taskAt.key(_place);
}

sContractEvent* cSavedContract::restore()
{
    sContractEvent* event = contractIn(m_kind, m_place);
    // The places before this one (the running ones first) keep what they hold: one card each.
    for (UInt slot = 0; event && slot < (m_kind == LETTER ? key::PLACE_COUNT : 0) + m_place; ++slot)
        if (contractIn(slot < key::PLACE_COUNT ? RUNNING : LETTER, slot % key::PLACE_COUNT) == event) {
            logError(label() + " names a contract that another place holds; the place is free.");
            clear();
            return nullptr;
        }
    const sPlace place = placeOf(m_kind, m_place);
    const cProfile::sLoadedCopy* copy = loadedCopy();
    if (event) {
        if (place.byTime == event && place.byPosition != event && place.position >= 0)
            logError(label() + " of " + timeText(place.at) + " stood at event " + std::to_string(place.position) +
                     " of the time-line; it is found at event " + std::to_string(event->index) + ".");
        // An earlier build kept the time and the terms of the contract before, unknowing.
        if (m_kind == RUNNING && copy && copy->isEarlierBuilds() && place.byTime && place.byTime != event) {
            logError(label() + " stood at event " + std::to_string(event->index) + "; its kept terms are of event " +
                     std::to_string(place.byTime->index) + " and are left out.");
            key::taskBonus[m_place] = -1;
        }
        record(*event);
        return event;
    }
    const Bool free = place.position == -1 && (place.at == -1 || (copy && copy->isEarlierBuilds()));
    clear();
    if (free)
        return nullptr;
    sContractEvent* named = namedBy(place, copy);
    if (named)
        logError(label() + " does not read whole, or holds a clock its contract " +
                 std::to_string(named->index) + " does not allow: it is dropped.");
    else if (place.at >= 0 && !(copy && copy->isEarlierBuilds()))
        logError(label() + " of " + timeText(place.at) + " is no contract of the time-line: it is dropped.");
    else
        logError(label() + " names no contract of the time-line: it is dropped.");
    tellLost(named);
    return nullptr;
}

void cSavedContract::tellLost(const sContractEvent* _event) const
{
    const Bool letter = m_kind == LETTER;
    WString words;
    if (_event && !_event->note.empty())
        words = contractWords(*_event, _event->note);
    else if (!letter && (_event || key::taskBonus[m_place] >= 0))
        words = fillTerms(translated(u"за {bonus} монет"),
            {{u"{bonus}", toWString(std::to_string(_event ? _event->Bonus : key::taskBonus[m_place]))}});
    tellPlayer("contract lost " + label(),
        translated(letter ? u"Письмо в почтовом ящике не удалось восстановить, оно снято" :
                            u"Идущий контракт не удалось восстановить, он снят") +
            (words.empty() ? WString(u".") : u":" + quoted(words)));
}

Bool cSavedContract::areTermsKept()
{
    // The pay and the counts are values of the variables, sealed with them; the level state holds
    // only the factors that would work them out afresh, so its damage leaves the terms believed.
    const cProfile::sLoadedCopy* copy = loadedCopy();
    return !copy || copy->areVariablesVouchedFor();
}

void cSavedContract::record(const sContractEvent& _event) const
{
    const cGameplay* line = cGameplay::getInstance();
    // An event of no time-line (a test's, say) is kept by its position alone.
    const Bool known = line && line->findEvent(Int(_event.index)) == &_event;
    Int nth = 0;
    for (UInt i = 0; known && i < _event.index; ++i) {
        const sBaseEvent* before = line->getEvent(i);
        nth += before->type == sBaseEvent::CONTRACT && secondsOf(*before) == secondsOf(_event) ? 1 : 0;
    }
    const Bool letter = m_kind == LETTER;
    (letter ? key::letter[m_place] : key::task[m_place]) = Int(_event.index);
    (letter ? key::letterAt[m_place] : key::taskAt[m_place]) = known ? secondsOf(_event) : -1;
    (letter ? key::letterNth[m_place] : key::taskNth[m_place]) = nth;
}

void cSavedContract::clear() const
{
    const Bool letter = m_kind == LETTER;
    (letter ? key::letter[m_place] : key::task[m_place]) = -1;
    (letter ? key::letterAt[m_place] : key::taskAt[m_place]) = -1;
    (letter ? key::letterNth[m_place] : key::taskNth[m_place]) = 0;
}

String cSavedContract::label() const
{
    return (m_kind == LETTER ? "The letter in place " : "The running contract in place ") + std::to_string(m_place);
}
