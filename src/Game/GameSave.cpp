#include "Game/Game.h"

#include "Game/GameKeys.h"
#include "Game/Timeline/Gameplay.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/Profile.h"
#include "engine/progress/ProgressPick.h"
#include "engine/progress/SaveFailure.h"

#include <algorithm>
#include <functional>
#include <map>

namespace {

// A kill, a crash or a lost display costs at most this much play.
constexpr Float SAVE_PERIOD = 120.0f;

} // namespace

void cGame::atSafePoint(Float _realSeconds)
{
    cGame* game = getInstance();
    if (!game)
        return;
    // Real time, not the game clock: a tip or a dialog that holds the clock holds no save.
    game->m_sinceSave += _realSeconds;
    if (game->m_sinceSave < SAVE_PERIOD && !game->m_saveRequested)
        return;
    saveProgress();
}

void cGame::requestSave()
{
    if (cGame* game = getInstance())
        game->m_saveRequested = true;
}

Bool cGame::saveProgress() noexcept
{
    // The next try is a whole period away, whether this one worked or not.
    if (cGame* game = getInstance()) {
        game->m_sinceSave = 0;
        game->m_saveRequested = false;
    }
    try {
        try {
            saveLevelState();
        } catch (...) {
            rethrowWithSignature("Bool cGame::saveProgress()");
        }
        return true;
    } catch (const String& _error) {
        logError(_error);
    } catch (...) {
        logError("The progress could not be saved.");
    }
    if (cProfile* profile = cProfile::getInstance())
        tellSaveFailed(profile->getProgressFiles());
    return false;
}

namespace {

// A saved value whose default would cost the player, with the player's words for it.
struct sCostlyValue {
    const char16_t* what;
    std::function<Bool(const sSavedVariable&)> reads;
};
using COSTLY_VALUES = std::map<String, sCostlyValue>;

template <ePropertyType Type, class Key>
Bool readsFor(const Key& _key, const sSavedVariable& _variable, tPropertyValue<Type>& _value)
{
    return _variable.type == getTypeName<Type>() && readPropertyValue<Type>(_variable.value, _value) && _key.accepts(_value);
}

template <ePropertyType Type, class Key>
Bool readsFor(const Key& _key, const sSavedVariable& _variable)
{
    tPropertyValue<Type> value{};
    return readsFor<Type>(_key, _variable, value);
}

std::vector<sSavedVariable>::const_iterator findVariable(const std::vector<sSavedVariable>& _variables, const String& _name)
{
    return std::find_if(
        _variables.begin(), _variables.end(), [&_name](const sSavedVariable& _variable) { return _variable.name == _name; });
}

// The value the game reads of _key: its default where the copy's does not read or cannot be used.
template <ePropertyType Type>
tPropertyValue<Type> readAsTheGame(const cGameKey<Type>& _key, const std::vector<sSavedVariable>& _variables)
{
    const auto found = findVariable(_variables, _key.name());
    tPropertyValue<Type> value{};
    return found != _variables.end() && readsFor<Type>(_key, *found, value) ? value : _key.defaultValue();
}

template <ePropertyType Type>
void add(COSTLY_VALUES& _values, const cGameKey<Type>& _key, const char16_t* _what)
{
    _values[_key.name()] = {_what, [&_key](const sSavedVariable& _variable) { return readsFor<Type>(_key, _variable); }};
}

template <ePropertyType Type>
void add(COSTLY_VALUES& _values, const cGameKeyFamily<Type>& _family, const char16_t* _what)
{
    for (UInt index = _family.first(); index < _family.first() + _family.count(); ++index)
        _values[_family.key(index)] = {
            _what, [&_family](const sSavedVariable& _variable) { return readsFor<Type>(_family, _variable); }};
}

// What the player earned and would lose to a default: money, the clock (set back to 0 it
// would pay the time-line's early gifts again), goods, buildings and their levels, fields,
// seeds and awards. Positions, tips and field states are left to their defaults: an older
// copy of them would not fit the rest of the farm any better.
const COSTLY_VALUES& costlyValues()
{
    static const COSTLY_VALUES s_values = [] {
        COSTLY_VALUES values;
        add(values, key::Money, u"деньги");
        add(values, key::GameTime, u"часы игры");
        add(values, key::WGoodCount, u"товары в амбаре");
        add(values, key::MGoodCount, u"товары на прилавке");
        add(values, key::PCC, u"урожай в руках работника");
        add(values, key::ProdCount, u"товары в мастерских");
        add(values, key::SlotUpgrade, u"мастерские");
        add(values, key::ProdType, u"мастерские");
        add(values, key::FarmUpgrade, u"уровни построек");
        add(values, key::DepotUpAvail, u"улучшения в продаже");
        add(values, key::FarmUpAvail, u"улучшения в продаже");
        add(values, key::fcu, u"поля");
        add(values, key::fua, u"поля");
        add(values, key::SeedAvail, u"семена в продаже");
        add(values, key::Award, u"награды");
        return values;
    }();
    return s_values;
}

} // namespace

Bool cGame::isSavedValueUsable(const sSavedVariable& _variable, WString& _what)
{
    const auto found = costlyValues().find(_variable.name);
    if (found == costlyValues().end() || found->second.reads(_variable))
        return true;
    _what = found->second.what;
    return false;
}

std::vector<WString> cGame::lostValues(const std::vector<sSavedVariable>& _salvaged)
{
    // A lost clock does not start afresh where the game goes on from the time-line's saved place:
    // the words ask the rule the game follows, or they would tell of a clock kept that starts
    // afresh (its early gifts paid again), or the reverse.
    const auto rebuilt = [&](const String& _name) {
        Bool goesOn = false;
        if (_name == key::GameTime.name())
            runOrLog("std::vector<WString> cGame::lostValues(const std::vector<sSavedVariable>& _salvaged)", [&] {
                Float passed = 0;
                goesOn = cGameplay::goesOnFromASalvagedPlace(cGameplay::readEventTimes(),
                    readAsTheGame(key::eventNext, _salvaged), readAsTheGame(key::eventNextAt, _salvaged),
                    readAsTheGame(key::GameTime, _salvaged), passed);
            });
        return goesOn;
    };
    std::vector<WString> lost;
    const auto lose = [&](const String& _name, const WString& _what) {
        if (!rebuilt(_name) && std::find(lost.begin(), lost.end(), _what) == lost.end())
            lost.push_back(_what);
    };
    WString what;
    for (const sSavedVariable& variable : _salvaged)
        if (!isSavedValueUsable(variable, what))
            lose(variable.name, what);
    // One the copy lacks (a file cut short before it) starts from its default as surely.
    for (const auto& value : costlyValues())
        if (findVariable(_salvaged, value.first) == _salvaged.end())
            lose(value.first, value.second.what);
    return lost;
}
