#include "Game/Contracts/SavedContract.h"

#include "engine/logs/LogManager.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/progress/Profile.h"
#include "engine/text/TermFill.h"
#include "engine/text/TextConvert.h"
#include "Game/Contracts/ContractWords.h"
#include "Game/GameKeys.h"
#include "Game/Timeline/Gameplay.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using eKind = cSavedContract::eKind;

// The values of a place, in the order membersOf gives them: the three that name the event,
// then the rest of its state.
enum eRole { POSITION, AT, NTH, TIME, BONUS, FLAG, REQ0, REQ1, ROLE_COUNT };

struct sMember {
    String name;
    ePropertyType type;
    // The text that stands for "none", taken where the last copy lacks the value.
    const char16_t* none;
    eRole role;
};

std::vector<sMember> membersOf(eKind _kind, UInt _place)
{
    const auto at = [_place](const char* _name) { return _name + std::to_string(_place); };
    if (_kind == cSavedContract::LETTER)
        return {{at("letter"), PT_INT, u"-1", POSITION}, {at("letterAt"), PT_INT, u"-1", AT},
            {at("letterNth"), PT_INT, u"0", NTH}, {at("letTime"), PT_FLOAT, u"0", TIME},
            {at("letState"), PT_INT, u"0", FLAG}};
    const String req = "req" + std::to_string(_place) + "_";
    return {{at("task"), PT_INT, u"-1", POSITION}, {at("taskAt"), PT_INT, u"-1", AT}, {at("taskNth"), PT_INT, u"0", NTH},
        {at("taskTime"), PT_FLOAT, u"0", TIME}, {at("taskBonus"), PT_INT, u"-1", BONUS},
        {at("taskPassCancel"), PT_BOOL, u"0", FLAG}, {req + "0", PT_INT, u"-1", REQ0}, {req + "1", PT_INT, u"-1", REQ1}};
}

UInt& sealOf(eKind _kind, UInt _place)
{
    return _kind == cSavedContract::LETTER ? key::letterSeal[_place] : key::taskSeal[_place];
}

String sealName(eKind _kind, UInt _place)
{
    return _kind == cSavedContract::LETTER ? key::letterSeal.key(_place) : key::taskSeal.key(_place);
}

// The last of the variables under _name (the one a load leaves in the maps), or null.
const sSavedVariable* findVariable(const std::vector<sSavedVariable>& _variables, const String& _name)
{
    const sSavedVariable* found = nullptr;
    for (const sSavedVariable& variable : _variables)
        if (variable.name == _name)
            found = &variable;
    return found;
}

template <ePropertyType Type>
void addOwn(std::vector<sSavedVariable>& _out, const String& _name)
{
    const auto& map = propertyMap<Type>();
    const auto found = map.find(_name);
    if (found != map.end())
        _out.push_back({getTypeName<Type>(), _name, writePropertyValue<Type>(found->second)});
}

// The place's values as the game holds them, in the form a save writes them.
std::vector<sSavedVariable> ownVariables(eKind _kind, UInt _place)
{
    std::vector<sSavedVariable> own;
    for (const sMember& member : membersOf(_kind, _place)) {
        switch (member.type) {
        case PT_INT: addOwn<PT_INT>(own, member.name); break;
        case PT_FLOAT: addOwn<PT_FLOAT>(own, member.name); break;
        case PT_BOOL: addOwn<PT_BOOL>(own, member.name); break;
        default: break;
        }
    }
    addOwn<PT_UINT>(own, sealName(_kind, _place));
    return own;
}

// A hash over the names and texts of the place's values, none left out.
UInt sealOver(const std::vector<sMember>& _members, const std::vector<sSavedVariable>& _variables)
{
    UInt hash = 2166136261u;
    const auto mix = [&hash](char16_t _c) {
        for (int shift : {0, 8}) {
            hash ^= UInt(_c >> shift) & 0xFFu;
            hash *= 16777619u;
        }
    };
    for (const sMember& member : _members) {
        for (char c : member.name)
            mix(char16_t(c));
        const sSavedVariable* variable = findVariable(_variables, member.name);
        mix(variable ? u'=' : u'!');
        for (char16_t c : variable ? variable->value : WString())
            mix(c);
        mix(u';');
    }
    return hash;
}

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

// How far the time-line's random factors can move a term in the cycles of a long game: each
// moves it by at most the event's range of its term as loaded (the bonus then rounded down to
// tens or hundreds).
constexpr Int CYCLES = 30;

Bool termLikeEvents(Int _term, Int _base, Int _current, Float _range, Int _grain)
{
    if (_term == _current)
        return true;
    const Double step = std::trunc(std::abs(Double(_base) * Double(_range)));
    return _term >= Double(_base) - CYCLES * (step + _grain) && _term <= Double(_base) + CYCLES * step;
}

// Whether a value that reads is one the event allows: a clock within its time, terms it could
// have offered. -1 (and a count of 0, the form in which a place's terms are left when its
// contract ends) stands for the event's own.
Bool allows(const sContractEvent& _event, eKind _kind, eRole _role, Int _number, Float _real)
{
    switch (_role) {
    case TIME: {
        const Float total = (_kind == cSavedContract::LETTER ? _event.LetterTime : _event.WinTime).toSeconds();
        return _real >= 0 && _real <= total;
    }
    case BONUS:
        return _number == -1 ||
               termLikeEvents(_number, _event.baseBonus, _event.Bonus, _event.range, _event.baseBonus > 1000 ? 99 : 9);
    case REQ0:
    case REQ1: {
        const UInt i = _role == REQ0 ? 0 : 1;
        return _number <= 0 || termLikeEvents(_number, Int(_event.baseRequirements[i].Count),
                                   Int(_event.Requirements[i].Count), _event.range, 0);
    }
    default:
        return true;
    }
}

// One value of a place as a copy of the player's file holds it.
struct sValue {
    const sSavedVariable* variable = nullptr;
    Bool reads = false;
    Int number = 0;
    Float real = 0;
};

// A place as one copy holds it, and the contracts its values name.
struct sPlace {
    std::vector<sMember> members;
    sValue values[ROLE_COUNT];
    Bool has[ROLE_COUNT] = {};
    // One save of this build wrote every value.
    Bool sealed = false;
    // The place says it is free.
    Bool free = false;
    // Some value names a contract, found or not.
    Bool names = false;
    // The position and the time name two different contracts: what only this build writes is
    // not of the same save as the position.
    Bool conflict = false;
    sContractEvent* byPosition = nullptr;
    sContractEvent* byTime = nullptr;
    // The contracts it names, the most believed first.
    std::vector<sContractEvent*> candidates;

    const sValue& operator[](eRole _role) const { return values[_role]; }
    // Missing or unreadable.
    Bool damaged(eRole _role) const { return has[_role] && !values[_role].reads; }
    // The place's value of _role does not fit _event.
    Bool unfit(eRole _role, const sContractEvent& _event, eKind _kind) const
    {
        if (!has[_role] || !values[_role].variable)
            return false;
        const sValue& value = values[_role];
        if (!value.reads)
            return true;
        if (_role == AT || _role == NTH)
            return !sealed && values[AT].reads && values[AT].number >= 0 && byTime != &_event;
        return !allows(_event, _kind, _role, value.number, value.real);
    }
};

sPlace readPlace(const std::vector<sSavedVariable>& _variables, eKind _kind, UInt _place)
{
    sPlace place;
    place.members = membersOf(_kind, _place);
    for (const sMember& member : place.members) {
        sValue& value = place.values[member.role];
        place.has[member.role] = true;
        value.variable = findVariable(_variables, member.name);
        if (!value.variable || value.variable->type != getTypeName(member.type))
            continue;
        Bool flag = false;
        switch (member.type) {
        case PT_INT: value.reads = readPropertyValue<PT_INT>(value.variable->value, value.number); break;
        case PT_FLOAT: value.reads = readPropertyValue<PT_FLOAT>(value.variable->value, value.real); break;
        case PT_BOOL:
            value.reads = readPropertyValue<PT_BOOL>(value.variable->value, flag);
            value.number = flag ? 1 : 0;
            break;
        default: break;
        }
        // Positions and times are -1 for none; a number among contracts is never below 0.
        if (value.reads && (member.role == POSITION || member.role == AT))
            value.reads = value.number >= -1;
        if (value.reads && member.role == NTH)
            value.reads = value.number >= 0;
    }
    UInt seal = 0;
    const sSavedVariable* sealVariable = findVariable(_variables, sealName(_kind, _place));
    place.sealed = sealVariable && readPropertyValue<PT_UINT>(sealVariable->value, seal) &&
                   seal == sealOver(place.members, _variables);

    const cGameplay* line = cGameplay::getInstance();
    const sValue& position = place[POSITION];
    const Bool timeReads = place[AT].reads && place[NTH].reads;
    if (line && position.reads && position.number >= 0)
        place.byPosition = contractOf(*line, position.number);
    if (line && timeReads && place[AT].number >= 0)
        place.byTime = contractAt(*line, place[AT].number, place[NTH].number);
    place.names = (position.reads && position.number >= 0) || (timeReads && place[AT].number >= 0);
    if (place.sealed) {
        // One save wrote them all: the time finds the event wherever a newer time-line put it.
        place.free = place[AT].number < 0 && position.number < 0;
        if (sContractEvent* event = place[AT].number >= 0 ? place.byTime : place.byPosition)
            place.candidates.push_back(event);
        return place;
    }
    // The position, which every build writes, first.
    place.free = (position.reads && position.number == -1) ||
                 (!position.reads && timeReads && place[AT].number == -1) ||
                 (!place.names && place[BONUS].reads && place[BONUS].number == -1);
    if (place.free)
        return place;
    place.conflict = place.byPosition && place.byTime && place.byPosition != place.byTime;
    for (sContractEvent* event : {place.byPosition, place.byTime})
        if (event && std::find(place.candidates.begin(), place.candidates.end(), event) == place.candidates.end())
            place.candidates.push_back(event);
    return place;
}

const std::vector<sSavedVariable>& noVariables()
{
    static const std::vector<sSavedVariable> s_none;
    return s_none;
}

// The last copy, while the loaded values are being taken; none after.
const std::vector<sSavedVariable>& lastCopy()
{
    const cProfile* profile = cProfile::getInstance();
    return profile && !profile->getLoadedVariables().empty() ? profile->getLoadedLastCopy() : noVariables();
}

constexpr UInt PLACES = 2 * key::PLACE_COUNT;

// Which contract each of the six places (the running ones first) comes back with, and whether
// from the last copy: no contract in two places, the most believed claim first.
struct sAssignment {
    sContractEvent* event[PLACES] = {};
    Bool fromCopy[PLACES] = {};
    // A place whose contracts all run or wait in other places.
    Bool taken[PLACES] = {};
};

UInt slotOf(eKind _kind, UInt _place)
{
    return (_kind == cSavedContract::LETTER ? key::PLACE_COUNT : 0) + _place;
}

sAssignment assign(const std::vector<sPlace>& _newest, const std::vector<sPlace>& _last)
{
    struct sClaim {
        UInt rank;
        UInt slot;
        sContractEvent* event;
    };
    std::vector<sClaim> claims;
    for (UInt slot = 0; slot < PLACES; ++slot) {
        const sPlace& place = _newest[slot];
        for (size_t i = 0; i < place.candidates.size(); ++i)
            claims.push_back({place.sealed ? 0u : UInt(1 + i), slot, place.candidates[i]});
        // The last copy only where the newest values name no contract of the time-line and do
        // not say that the place is free.
        if (!place.free && place.candidates.empty() && !_last[slot].candidates.empty())
            claims.push_back({3, slot, _last[slot].candidates.front()});
    }
    std::stable_sort(claims.begin(), claims.end(), [](const sClaim& _a, const sClaim& _b) { return _a.rank < _b.rank; });
    sAssignment assignment;
    for (const sClaim& claim : claims) {
        if (assignment.event[claim.slot])
            continue;
        if (std::find(std::begin(assignment.event), std::end(assignment.event), claim.event) != std::end(assignment.event)) {
            assignment.taken[claim.slot] = true;
            continue;
        }
        assignment.event[claim.slot] = claim.event;
        assignment.fromCopy[claim.slot] = claim.rank == 3;
        assignment.taken[claim.slot] = false;
    }
    return assignment;
}

String timeText(Int _seconds)
{
    sTimeObject time;
    time.setSeconds(Float(_seconds));
    return toString(time.toString(false));
}

// How the player knows a contract: the words of its letter, else what it pays.
WString wordsOf(const sContractEvent* _terms, Int _bonus)
{
    if (_terms && !_terms->note.empty())
        return contractWords(*_terms, _terms->note);
    if (_terms)
        _bonus = _terms->Bonus;
    if (_bonus < 0)
        return WString();
    return fillTerms(translated(u"за {bonus} монет"), {{u"{bonus}", toWString(std::to_string(_bonus))}});
}

// The words between quotes, which end the sentence: a letter's own full stop goes.
WString quoted(WString _words)
{
    if (!_words.empty() && _words.back() == u'.')
        _words.pop_back();
    return _words.empty() ? WString(u".") : u" «" + _words + u"».";
}

// Takes from the last copy what it holds of _event: every value where the newest values name no
// contract (_newest null), else those the newest values hold damaged; _whole is cleared when
// such a value is not to be had. Whether any was taken.
Bool takeFromLastCopy(eKind _kind, UInt _place, const String& _label, const sContractEvent& _event,
    const sPlace* _newest, Bool& _whole)
{
    const sPlace copy = readPlace(lastCopy(), _kind, _place);
    const Bool copyHolds = !copy.candidates.empty() && copy.candidates.front() == &_event;
    Bool taken = false;
    for (const sMember& member : copy.members) {
        const eRole role = member.role;
        const Bool identity = role == POSITION || role == AT || role == NTH;
        // Terms only this build keeps, not of the same save as the place's position.
        const Bool unknown = role == BONUS && (_newest ? _newest->conflict : copy.conflict);
        if (_newest) {
            const Bool bad = identity ? (role == POSITION ? _newest->damaged(role) : _newest->unfit(role, _event, _kind)) :
                                        unknown || _newest->unfit(role, _event, _kind);
            // What was judged is what comes back.
            if (!bad && !identity && (*_newest)[role].variable)
                setProperty(getTypeName(member.type), member.name, (*_newest)[role].variable->value);
            if (!bad)
                continue;
            // A number that names the event is recorded afresh; the copy only tells that it is the same.
            if (identity) {
                taken = taken || copyHolds;
                continue;
            }
            const Bool copyFits = copyHolds && copy[role].variable && !copy.unfit(role, _event, _kind) &&
                                  !(role == BONUS && copy.conflict);
            if (copyFits) {
                setProperty(getTypeName(member.type), member.name, copy[role].variable->value);
                taken = true;
            } else if (unknown) {
                key::taskBonus[_place] = -1;
            } else {
                _whole = false;
            }
            continue;
        }
        const sSavedVariable* variable = copy[role].variable;
        setProperty(getTypeName(member.type), member.name, variable ? variable->value : WString(member.none));
        if (unknown)
            key::taskBonus[_place] = -1;
        else if (!identity)
            _whole = _whole && !copy.unfit(role, _event, _kind);
        taken = true;
    }
    if (taken)
        logError(_label + " does not read or names no contract; its last copy, event " + std::to_string(_event.index) +
                 ", is used.");
    return taken;
}

// Logs why a place that holds no contract now is empty, and tells the player of one that was lost.
void dropped(const String& _label, const sPlace& _place, const sPlace& _last, Bool _taken,
    const std::function<void(const sContractEvent*, Int)>& _tellLost)
{
    // Nothing was there: a free place, or one of a profile that never had it.
    if (_place.free || (!_place.names && !_place[BONUS].variable && !_place[TIME].variable))
        return;
    if (_taken && _place[AT].reads && _place[AT].number == -1) {
        logError(_label + " names a contract that another place holds; the place is free.");
        return;
    }
    if (_place[AT].reads && _place[AT].number >= 0 && !_place.byTime && !_place.byPosition)
        logError(_label + " of " + timeText(_place[AT].number) + " is no contract of the time-line: it is dropped.");
    else
        logError(_label + " does not read or names no contract, nor does its last copy: it is dropped.");
    const std::vector<sContractEvent*>& named = _place.candidates.empty() ? _last.candidates : _place.candidates;
    _tellLost(named.empty() || _taken ? nullptr : named.front(),
        _place[BONUS].reads && !_place.conflict ? _place[BONUS].number : -1);
}

} // namespace

cSavedContract::cSavedContract(eKind _kind, UInt _place) : m_kind(_kind), m_place(_place)
{
    // A place the variables do not have raises the families' error here, not halfway through.
    (void)key::taskAt.key(_place);
}

sContractEvent* cSavedContract::restore()
{
    m_fromLastCopy = false;
    const cProfile* profile = cProfile::getInstance();
    const Bool loaded = profile && !profile->getLoadedVariables().empty();
    // The places point into the variables they were read from.
    std::vector<std::vector<sSavedVariable>> own;
    own.reserve(PLACES);
    std::vector<sPlace> newest, last;
    for (eKind kind : {RUNNING, LETTER})
        for (UInt place = 0; place < key::PLACE_COUNT; ++place) {
            own.push_back(loaded ? std::vector<sSavedVariable>() : ownVariables(kind, place));
            newest.push_back(readPlace(loaded ? profile->getLoadedVariables() : own.back(), kind, place));
            last.push_back(readPlace(lastCopy(), kind, place));
        }
    const UInt slot = slotOf(m_kind, m_place);
    const sAssignment assignment = assign(newest, last);
    const sPlace& place = newest[slot];
    sContractEvent* event = assignment.event[slot];
    if (!event) {
        clear();
        dropped(label(), place, last[slot], assignment.taken[slot],
            [this](const sContractEvent* _event, Int _bonus) { tellLost(_event, _bonus); });
        return nullptr;
    }
    Bool whole = true;
    if (assignment.fromCopy[slot]) {
        m_fromLastCopy = takeFromLastCopy(m_kind, m_place, label(), *event, nullptr, whole);
    } else {
        if (place.conflict)
            logError(label() + " stood at event " + std::to_string(place[POSITION].number) + ", but its time names event " +
                     std::to_string(place.byTime->index) + ": the time and the kept terms are of another save and left out.");
        else if (place.byTime == event && place.byPosition != event && place[POSITION].reads)
            logError(label() + " of " + timeText(place[AT].number) + " stood at event " +
                     std::to_string(place[POSITION].number) + " of the time-line; it is found at event " +
                     std::to_string(event->index) + ".");
        m_fromLastCopy = takeFromLastCopy(m_kind, m_place, label(), *event, &place, whole);
    }
    if (!whole) {
        logError(label() + " holds a clock or terms its event does not allow, and no copy of it holds better: it is "
                           "dropped.");
        tellLost(event, -1);
        clear();
        m_fromLastCopy = false;
        return nullptr;
    }
    record(*event);
    return event;
}

void cSavedContract::tellRestored(const sContractEvent& _terms) const
{
    const Bool letter = m_kind == LETTER;
    tellPlayer("contract restored " + label(),
        translated(u"Часть файла фермы не читается. Из предыдущего сохранения взяты:") + u" " +
            translated(letter ? u"письмо в почтовом ящике" : u"идущий контракт") +
            quoted(wordsOf(&_terms, -1)));
}

void cSavedContract::tellLost(const sContractEvent* _event, Int _bonus) const
{
    const Bool letter = m_kind == LETTER;
    const WString words = wordsOf(_event, letter ? -1 : _bonus);
    tellPlayer("contract lost " + label(),
        translated(letter ? u"Письмо в почтовом ящике не удалось восстановить, оно снято" :
                            u"Идущий контракт не удалось восстановить, он снят") +
            (words.empty() ? WString(u".") : u":" + quoted(words)));
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

void cSavedContract::sealPlaces()
{
    for (eKind kind : {RUNNING, LETTER})
        for (UInt place = 0; place < key::PLACE_COUNT; ++place)
            sealOf(kind, place) = sealOver(membersOf(kind, place), ownVariables(kind, place));
}

String cSavedContract::label() const
{
    return (m_kind == LETTER ? "The letter in place " : "The running contract in place ") + std::to_string(m_place);
}
