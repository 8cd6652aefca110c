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

// The values of a place, in this order: the three that name the event, then the rest of its
// state, each with the text that stands for "none" or its default.
enum eRole { POSITION, AT, NTH, BONUS, OTHER };

struct sMember {
    String name;
    ePropertyType type;
    const char16_t* none;
    eRole role;
};

std::vector<sMember> membersOf(cSavedContract::eKind _kind, UInt _place)
{
    const auto at = [_place](const char* _name) { return _name + std::to_string(_place); };
    if (_kind == cSavedContract::LETTER)
        return {{at("letter"), PT_INT, u"-1", POSITION}, {at("letterAt"), PT_INT, u"-1", AT},
            {at("letterNth"), PT_INT, u"0", NTH}, {at("letTime"), PT_FLOAT, u"0", OTHER},
            {at("letState"), PT_INT, u"0", OTHER}};
    const String req = "req" + std::to_string(_place) + "_";
    return {{at("task"), PT_INT, u"-1", POSITION}, {at("taskAt"), PT_INT, u"-1", AT}, {at("taskNth"), PT_INT, u"0", NTH},
        {at("taskTime"), PT_FLOAT, u"0", OTHER}, {at("taskBonus"), PT_INT, u"-1", BONUS},
        {at("taskPassCancel"), PT_BOOL, u"0", OTHER}, {req + "0", PT_INT, u"-1", OTHER},
        {req + "1", PT_INT, u"-1", OTHER}};
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

// Whether the text reads as the member's type; a whole number is given in _number.
Bool readsAs(const sSavedVariable& _variable, ePropertyType _type, Int& _number)
{
    if (_variable.type != getTypeName(_type))
        return false;
    Float real = 0;
    Bool flag = false;
    switch (_type) {
    case PT_INT:
        return readPropertyValue<PT_INT>(_variable.value, _number);
    case PT_FLOAT:
        return readPropertyValue<PT_FLOAT>(_variable.value, real);
    case PT_BOOL:
        return readPropertyValue<PT_BOOL>(_variable.value, flag);
    default:
        return false;
    }
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

} // namespace

struct cSavedContract::sSaved {
    // Every value there reads; a value that does not keeps its "none" below.
    Bool whole = true;
    Bool positionReads = true;
    Int position = -1;
    Int at = -1;
    Int nth = 0;
    Int bonus = -1;
};

cSavedContract::cSavedContract(eKind _kind, UInt _place) : m_kind(_kind), m_place(_place)
{
    // A place the variables do not have raises the families' error here, not halfway through.
    (void)key::taskAt.key(_place);
}

cSavedContract::sSaved cSavedContract::judge(Bool _lastCopy) const
{
    sSaved saved;
    const cProfile* profile = cProfile::getInstance();
    // Once the game has written the variables, they are what is saved.
    if (!_lastCopy && (!profile || profile->getLoadedVariables().empty())) {
        const Bool letter = m_kind == LETTER;
        saved.position = letter ? key::letter[m_place] : key::task[m_place];
        saved.at = letter ? key::letterAt[m_place] : key::taskAt[m_place];
        saved.nth = letter ? key::letterNth[m_place] : key::taskNth[m_place];
        saved.bonus = letter ? -1 : key::taskBonus[m_place];
        return saved;
    }
    if (!profile)
        return saved;
    const std::vector<sSavedVariable>& variables =
        _lastCopy ? profile->getLoadedLastCopy() : profile->getLoadedVariables();
    for (const sMember& member : membersOf(m_kind, m_place)) {
        const sSavedVariable* variable = findVariable(variables, member.name);
        Int number = 0;
        if (!variable)
            continue;
        const Bool reads = readsAs(*variable, member.type, number) && number >= (member.role == NTH ? 0 : -1);
        saved.whole = saved.whole && reads;
        if (!reads) {
            saved.positionReads = saved.positionReads && member.role != POSITION;
            continue;
        }
        switch (member.role) {
        case POSITION: saved.position = number; break;
        case AT: saved.at = number; break;
        case NTH: saved.nth = number; break;
        case BONUS: saved.bonus = number; break;
        case OTHER: break;
        }
    }
    return saved;
}

sContractEvent* cSavedContract::find(const sSaved& _saved) const
{
    const cGameplay* line = cGameplay::getInstance();
    if (!line)
        return nullptr;
    if (_saved.at >= 0)
        return contractAt(*line, _saved.at, _saved.nth);
    sBaseEvent* event = line->findEvent(_saved.position);
    return event && event->type == sBaseEvent::CONTRACT ? static_cast<sContractEvent*>(event) : nullptr;
}

sContractEvent* cSavedContract::restore()
{
    m_fromLastCopy = false;
    const sSaved saved = judge(false);
    if (saved.positionReads && saved.position == -1)
        return nullptr;
    if (sContractEvent* event = saved.whole ? find(saved) : nullptr) {
        if (saved.at >= 0 && Int(event->index) != saved.position)
            logError(label() + " of " + timeText(saved.at) + " stood at event " + std::to_string(saved.position) +
                     " of the time-line; it is found at event " + std::to_string(event->index) + ".");
        record(*event);
        return event;
    }
    // A contract known by its time that this time-line does not hold: the last copy knows no
    // better, and any other contract in its place would not be the player's.
    if (saved.whole && saved.at >= 0) {
        logError(label() + " of " + timeText(saved.at) + " is no contract of the time-line: it is dropped.");
        tellLost(saved);
        clear();
        return nullptr;
    }
    const sSaved last = judge(true);
    if (sContractEvent* event = last.whole && last.position >= 0 ? find(last) : nullptr) {
        logError(label() + " does not read or names no contract; its last copy, event " +
                 std::to_string(event->index) + ", is used.");
        takeLastCopy();
        record(*event);
        m_fromLastCopy = true;
        return event;
    }
    logError(label() + " does not read or names no contract, nor does its last copy: it is dropped.");
    tellLost(saved);
    clear();
    return nullptr;
}

void cSavedContract::takeLastCopy() const
{
    const cProfile* profile = cProfile::getInstance();
    for (const sMember& member : membersOf(m_kind, m_place)) {
        const sSavedVariable* variable = profile ? findVariable(profile->getLoadedLastCopy(), member.name) : nullptr;
        setProperty(getTypeName(member.type), member.name, variable ? variable->value : WString(member.none));
    }
}

void cSavedContract::tellRestored(const sContractEvent& _terms) const
{
    const Bool letter = m_kind == LETTER;
    tellPlayer("contract restored " + label(),
        translated(u"Часть файла фермы не читается. Из предыдущего сохранения взяты:") + u" " +
            translated(letter ? u"письмо в почтовом ящике" : u"идущий контракт") +
            quoted(wordsOf(&_terms, -1)));
}

void cSavedContract::tellLost(const sSaved& _saved) const
{
    const Bool letter = m_kind == LETTER;
    const sContractEvent* event = nullptr;
    if (const cGameplay* line = cGameplay::getInstance()) {
        sBaseEvent* named = _saved.at >= 0 ? contractAt(*line, _saved.at, _saved.nth) : line->findEvent(_saved.position);
        if (named && named->type == sBaseEvent::CONTRACT)
            event = static_cast<const sContractEvent*>(named);
    }
    const WString words = wordsOf(event, _saved.bonus);
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

String cSavedContract::label() const
{
    return (m_kind == LETTER ? "The letter in place " : "The running contract in place ") + std::to_string(m_place);
}
