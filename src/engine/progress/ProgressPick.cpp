#include "engine/progress/ProgressPick.h"

#include "engine/files/File.h"
#include "engine/files/FileManager.h"
#include "engine/files/KillPoint.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/GameVariables.h"
#include "engine/progress/PlayerCopy.h"
#include "engine/progress/PlayerFileSeal.h"
#include "engine/progress/ProfileIndexSalvage.h"
#include "engine/text/TextConvert.h"

#include <algorithm>
#include <memory>
#include <tuple>

fLevelStateCheck g_levelStateCheck = nullptr;
fSavedValueCheck g_savedValueCheck = nullptr;
fLostValues g_lostValues = nullptr;
const char* const SAVE_STAMP_VARIABLE = "SaveStamp";
const char* const LEVEL_STATE_STAMP_VARIABLE = "LevelStateStamp";
const char* const LEVEL_STATE_SEAL_VARIABLE = "LevelStateSeal";

namespace {

ULong valueOf(const std::vector<sSavedVariable>& _variables, const char* _name, Bool& _found)
{
    for (const sSavedVariable& variable : _variables) {
        ULong value = 0;
        if (variable.name == _name && cProgressPick::readStamp(variable.value, value)) {
            _found = true;
            return value;
        }
    }
    _found = false;
    return 0;
}

// The stamp of the level state the variables go with. Files from before the stamps (and a
// level state of theirs) have 0.
ULong levelStampOf(const std::vector<sSavedVariable>& _variables)
{
    Bool found = false;
    const ULong named = valueOf(_variables, LEVEL_STATE_STAMP_VARIABLE, found);
    if (found)
        return named == 0 ? cProgressPick::NO_LEVEL_STATE : named;
    return valueOf(_variables, SAVE_STAMP_VARIABLE, found);
}

// The seal the variables keep for the level state of _stamp; empty when they keep none for it.
WString levelSealOf(const std::vector<sSavedVariable>& _variables, ULong _stamp)
{
    for (const sSavedVariable& variable : _variables) {
        if (variable.name != LEVEL_STATE_SEAL_VARIABLE)
            continue;
        const std::size_t colon = variable.value.find(u':');
        ULong stamp = 0;
        if (colon != WString::npos && readProfileID(variable.value.substr(0, colon), stamp) && stamp == _stamp)
            return variable.value.substr(colon + 1);
    }
    return WString();
}

} // namespace

cProgressPick::cProgressPick(const String& _stem)
{
    m_vars[0].path = _stem + ".xml";
    m_vars[1].path = _stem + ".xml.bak";
    m_levels[0].path = _stem + ".save";
    m_levels[1].path = _stem + ".save.bak";
    readVariables(m_vars[0], true);
    // Beside whole newest variables the last copy is only checked by its seal, so that a
    // damaged one is kept aside before the next save writes over it; it is read in full when
    // it is taken.
    readVariables(m_vars[1], !m_vars[0].whole);
    const Bool levels = g_levelStateCheck != nullptr;
    if (levels)
        for (sCopy& copy : m_levels)
            readLevelState(copy);
    const sState vars[2] = {m_vars[0], m_vars[1]};
    const sState states[2] = {m_levels[0], m_levels[1]};
    const UInt salvaged = salvageCopy();
    auto [v, l] = choose(vars, states, levels, m_vars[salvaged].stamp);
    // A last copy taken after all is read in full, and judged again by every value.
    if (v == 1 && m_vars[1].partly) {
        readVariables(m_vars[1], true);
        const sState again[2] = {m_vars[0], m_vars[1]};
        std::tie(v, l) = choose(again, states, levels, m_vars[salvaged].stamp);
    }
    m_sealed = m_vars[v >= 0 ? v : Int(salvaged)].sealed;
    m_salvagedCount = m_vars[salvaged].variables.size();
    // Before the variables go to the game: the stamps are those of the copy used.
    mendSaveStamp(v, salvaged);
    use(v, l, salvaged);
    if (v < 0)
        listLost();
    m_chosen = {v, l, salvaged};
}

void cProgressPick::place()
{
    placeFiles(std::get<0>(m_chosen), std::get<1>(m_chosen), std::get<2>(m_chosen));
}

Bool cProgressPick::readStamp(const WString& _text, ULong& _stamp)
{
    return readProfileID(_text, _stamp) && isStamp(_stamp);
}

Bool cProgressPick::pairs(const sState& _vars, const sState& _level, Bool _bySeal)
{
    return _level.whole && _level.stamp == _vars.stamp && (!_bySeal || _vars.seal.empty() || _vars.seal == _level.seal);
}

Bool cProgressPick::isAhead(const sState& _vars, const sState& _level)
{
    // At the top the count stands still: no level state is ahead of it.
    return _level.whole && _vars.stamp != NO_LEVEL_STATE && _level.stamp != _vars.stamp &&
           _level.stamp == nextStamp(_vars.stamp);
}

std::pair<Int, Int> cProgressPick::choose(const sState (&_vars)[2], const sState (&_levels)[2], Bool _pairLevels,
    ULong _salvaged)
{
    // Without the game's check the level state is not paired at all. _sealed: only the level
    // state the variables keep a seal of, where they keep one; else any whole one of their stamp.
    const auto levelOf = [&](const sState& _copy, Bool _sealed) {
        for (Int l = 0; l < 2 && _pairLevels; ++l)
            if (pairs(_copy, _levels[l], _sealed))
                return l;
        return -1;
    };
    for (Int v = 0; v < 2; ++v) {
        if (!_vars[v].whole)
            continue;
        const Int l = levelOf(_vars[v], true);
        if (l >= 0 || _vars[v].seal.empty() || !_pairLevels)
            return {v, l};
        // Its level state is not there whole: the save is not, and the save before is used where it is whole.
        if (v == 0 && _vars[1].whole) {
            const Int before = levelOf(_vars[1], true);
            if (before >= 0)
                return {1, before};
        }
        // With no whole save, what still reads of it.
        return {v, levelOf(_vars[v], false)};
    }
    // What still reads of the variables keeps its stamp: its level state may still be whole.
    // Without a stamp it may have lost it in the damage.
    sState salvaged;
    salvaged.stamp = _salvaged;
    return {-1, _salvaged == 0 ? -1 : levelOf(salvaged, false)};
}

void cProgressPick::readVariables(sCopy& _copy, Bool _full)
{
    cPlayerCopy copy(_copy.path, _full);
    _copy.exists = copy.exists();
    _copy.whole = copy.isWhole();
    _copy.sealed = copy.isSealed();
    _copy.partly = copy.isWholeBySeal();
    _copy.variables = std::move(copy.getVariables());
    // Of a copy whole by its seal only the stamps are kept: no save may take a stamp it names.
    if (_copy.partly)
        for (const char* name : {SAVE_STAMP_VARIABLE, LEVEL_STATE_STAMP_VARIABLE, LEVEL_STATE_SEAL_VARIABLE})
            if (WString value = copy.getValue(name); !value.empty())
                _copy.variables.push_back({"", name, value});
    _copy.stamp = levelStampOf(_copy.variables);
    _copy.seal = _copy.whole ? levelSealOf(_copy.variables, _copy.stamp) : WString();
}

void cProgressPick::readLevelState(sCopy& _copy)
{
    if (!cFileManager::get().isExist(_copy.path))
        return;
    _copy.exists = true;
    _copy.whole = cPlayerCopy::judgeLevelState(_copy.path, _copy.bytes, _copy.stamp);
    _copy.seal = sealOverBytes(_copy.bytes);
}

ULong cProgressPick::getSaveStamp() const
{
    Bool found = false;
    return valueOf(m_variables, SAVE_STAMP_VARIABLE, found);
}

std::string cProgressPick::takeLevelState()
{
    const Int l = std::get<1>(m_chosen);
    return l >= 0 ? std::move(m_levels[l].bytes) : std::string();
}

UInt cProgressPick::salvageCopy() const
{
    // The copy that still names the most variables gives what it can.
    return m_vars[1].variables.size() > m_vars[0].variables.size() ? 1 : 0;
}

void cProgressPick::use(Int _v, Int _l, UInt _salvaged)
{
    const auto describe = [](const sCopy& _copy) -> String {
        return !_copy.exists ? "is missing" : !_copy.whole ? "is damaged" : "belongs to another save";
    };
    if (_v == 1 || (_v < 0 && m_vars[0].exists))
        m_damage += "\"" + m_vars[0].path + "\" " +
                    (m_vars[0].whole ? String("goes with no whole level state") : describe(m_vars[0])) + ". ";
    if (_v < 0) {
        m_variables = std::move(m_vars[_salvaged].variables);
        m_salvaged = m_vars[0].exists || m_vars[1].exists;
        if (m_salvaged)
            m_damage += "No copy of the variables reads whole; " + std::to_string(m_salvagedCount) +
                        " variables that still read are kept. ";
    } else {
        m_variables = std::move(m_vars[_v].variables);
    }
    const Bool anyLevel = m_levels[0].exists || m_levels[1].exists;
    m_saveBefore = _v == 1;
    // A kill (or a failed put-back) between the two files of a save leaves the level state one
    // save ahead of its variables, whole. Nothing of it was damaged, and without its variables it
    // is of no use: its last copy simply takes its place.
    m_interrupted = _v == 0 && _l == 1 && isAhead(m_vars[0], m_levels[0]);
    m_levelStateSalvaged = _v >= 0 && _l >= 0 && !pairs(m_vars[_v], m_levels[_l]);
    if (m_interrupted) {
        m_damage += "the last save did not finish: \"" + m_levels[0].path + "\" is of a save whose variables never "
                    "reached the disk; its last copy goes with the variables. ";
    } else if (m_levelStateSalvaged) {
        m_damage += "\"" + m_levels[_l].path + "\" does not agree with the seal its variables keep, and no whole save "
                    "stands before it: it is used as it reads. ";
    } else if (g_levelStateCheck && anyLevel && _l != 0) {
        m_damage += "\"" + m_levels[0].path + "\" " + describe(m_levels[0]) + "; ";
        m_damage += _l == 1 ? "its last copy goes with the variables. " : "the level state starts afresh. ";
        m_levelStateLost = _l < 0;
        m_levelStateUnsaved = m_levelStateLost && _v >= 0 && m_vars[_v].stamp == NO_LEVEL_STATE;
    } else if (g_levelStateCheck && _l < 0 && (_v >= 0 ? !m_vars[_v].seal.empty() : namesLevelState(m_vars[_salvaged]))) {
        // Variables that seal a level state (or what reads of them names one) had one on the
        // disk: with none there it is lost, not new.
        m_damage += "\"" + m_levels[0].path + "\" is missing, though its variables name one: the level state is lost. ";
        m_levelStateLost = m_levelStateMissing = true;
    }
    // The newest file of the save not used is missing, not damaged: the player hears it so.
    m_variablesMissing = _v == 1 && !m_vars[0].exists && (!m_levels[0].exists || m_levels[0].whole);
    m_levelStateMissing = m_levelStateMissing || (_v == 1 && m_vars[0].whole && !m_levels[0].exists);
    if (!m_damage.empty())
        logError("The progress of \"" + m_vars[0].path + "\" is restored: " + m_damage);
}

void cProgressPick::placeFiles(Int _v, Int _l, UInt _salvaged)
{
    // Whatever is not used stays on the disk under a name of its own.
    const auto setAside = [](sCopy& _copy, const String& _why) {
        if (_copy.exists && cFileManager::get().isExist(_copy.path))
            cFileManager::get().moveAside(_copy.path, _why);
    };
    // The level state first: a kill before the variables follow leaves the damaged variables
    // beside the level state of the save before, which the next start pairs as this one did.
    if (g_levelStateCheck) {
        for (Int l = 0; l < 2; ++l)
            if (l != _l && (l == 0 || !m_levels[l].whole || _l < 0) && !(l == 0 && m_interrupted))
                setAside(m_levels[l], !m_levels[l].exists ? "is missing" :
                                      !m_levels[l].whole  ? "is damaged" : "belongs to another save");
        if (_l == 1)
            cFileManager::get().restoreLastCopy(m_levels[0].path);
    }
    killPoint("level-state-placed");
    // A salvaged copy stays where it is until a save has taken what was read of it.
    for (Int v = 0; v < 2; ++v)
        if (v != _v && (v == 0 || !m_vars[v].whole || _v < 0) && !(_v < 0 && v == Int(_salvaged)))
            setAside(m_vars[v], !m_vars[v].whole ? "is damaged" : "goes with no whole level state");
    if (_v == 1)
        cFileManager::get().restoreLastCopy(m_vars[0].path);
    killPoint("variables-placed");
}

void cProgressPick::listLost()
{
    // Of a copy of which nothing reads the whole farm starts afresh, and is told so.
    if (g_lostValues && m_salvagedCount > 0)
        m_lost = g_lostValues(m_variables);
}

Bool cProgressPick::namesLevelState(const sCopy& _salvaged)
{
    return _salvaged.stamp != 0 && _salvaged.stamp != NO_LEVEL_STATE;
}

void cProgressPick::mendSaveStamp(Int _v, UInt _salvaged)
{
    // Every stamp a whole file on the disk names. Nothing of a copy that is not whole is
    // believed, a salvaged one's own stamp included; a level state has no seal of its own, and
    // is whole where a whole copy of the variables seals it, or, beside whole variables that
    // keep no seal (an earlier build's), where it reads. A kill between the renames leaves one
    // a save ahead of its variables: that step is believed too.
    ULong newest = 0;
    Bool found = false;
    Bool sealing = false;
    for (const sCopy& copy : m_vars)
        if (copy.whole) {
            sealing = sealing || !copy.seal.empty();
            for (const char* name : {SAVE_STAMP_VARIABLE, LEVEL_STATE_STAMP_VARIABLE})
                newest = std::max(newest, valueOf(copy.variables, name, found));
        }
    sState newestSave;
    newestSave.stamp = newest;
    for (const sCopy& level : m_levels) {
        const auto seals = [&level](const sCopy& _copy) { return _copy.whole && pairs(_copy, level); };
        if (level.whole && (!sealing || isAhead(newestSave, level) || std::any_of(m_vars, m_vars + 2, seals)))
            newest = std::max(newest, level.stamp);
    }
    const Bool salvage = _v < 0;
    std::vector<sSavedVariable>& variables = m_vars[salvage ? Int(_salvaged) : _v].variables;
    const auto stamp = std::find_if(variables.begin(), variables.end(),
        [](const sSavedVariable& _variable) { return _variable.name == SAVE_STAMP_VARIABLE; });
    ULong value = 0;
    const Bool reads = stamp != variables.end() && stamp->type == "ULong" && readStamp(stamp->value, value);
    const Bool believed = reads && (value == newest || (value > newest && !salvage));
    if (believed || (newest == 0 && (!salvage || stamp == variables.end())))
        return;
    const WString text = toWString(std::to_string(newest));
    logError("Game variable " + String(SAVE_STAMP_VARIABLE) + " of \"" + m_vars[0].path + "\" held \"" +
             (stamp == variables.end() ? String() : toString(stamp->value)) + "\"; " + toString(text) +
             ", the newest stamp on the disk, is used, so that no stamp names two saves.");
    if (stamp == variables.end())
        variables.push_back({"ULong", SAVE_STAMP_VARIABLE, text});
    else
        *stamp = {"ULong", SAVE_STAMP_VARIABLE, text};
}
