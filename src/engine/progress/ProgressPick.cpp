#include "engine/progress/ProgressPick.h"

#include "engine/files/File.h"
#include "engine/files/FileManager.h"
#include "engine/files/FileSizeLimit.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/GameVariables.h"
#include "engine/progress/PlayerFileSeal.h"
#include "engine/progress/PlayerName.h"
#include "engine/progress/ProfileIndexSalvage.h"
#include "engine/text/TextConvert.h"

#include <algorithm>
#include <memory>

fLevelStateCheck g_levelStateCheck = nullptr;
fSavedValueCheck g_savedValueCheck = nullptr;
const char* const SAVE_STAMP_VARIABLE = "SaveStamp";
const char* const LEVEL_STATE_STAMP_VARIABLE = "LevelStateStamp";

namespace {

// The bytes as they are; false when the file is missing, too large or cannot be read.
Bool readBytes(const String& _path, std::string& _bytes)
{
    try {
        if (!cFileManager::get().isExist(_path))
            return false;
        std::unique_ptr<iFile> file(cFileManager::get().open(_path));
        const ULong size = file->getSize();
        if (size > getFileSizeLimit(_path))
            return false;
        _bytes.assign(size, '\0');
        return size == 0 || file->read(_bytes.data(), size) == size;
    } catch (...) {
        return false;
    }
}

ULong valueOf(const std::vector<sSavedVariable>& _variables, const char* _name, Bool& _found)
{
    for (const sSavedVariable& variable : _variables) {
        ULong value = 0;
        if (variable.name == _name && readProfileID(variable.value, value)) {
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

} // namespace

cProgressPick::cProgressPick(const String& _stem)
{
    m_vars[0].path = _stem + ".xml";
    m_vars[1].path = _stem + ".xml.bak";
    m_levels[0].path = _stem + ".save";
    m_levels[1].path = _stem + ".save.bak";
    readVariables(m_vars[0]);
    // Whole newest variables are taken whatever their last copy holds: that copy is only
    // checked, so that a damaged one is kept aside before the next save writes over it.
    if (m_vars[0].whole)
        checkLastCopy(m_vars[1]);
    else
        readVariables(m_vars[1]);
    const Bool levels = g_levelStateCheck != nullptr;
    if (levels)
        for (sCopy& copy : m_levels)
            readLevelState(copy);
    const sState vars[2] = {m_vars[0], m_vars[1]};
    const sState states[2] = {m_levels[0], m_levels[1]};
    const UInt salvaged = salvageCopy();
    const auto [v, l] = choose(vars, states, levels, m_vars[salvaged].stamp);
    m_sealed = m_vars[v >= 0 ? v : Int(salvaged)].sealed;
    use(v, l, salvaged);
    if (v < 0)
        listLost();
    mendSaveStamp();
}

std::pair<Int, Int> cProgressPick::choose(const sState (&_vars)[2], const sState (&_levels)[2], Bool _pairLevels,
    ULong _salvaged)
{
    // Without the game's check the level state is not paired at all.
    const auto levelOf = [&](ULong _stamp) {
        for (Int l = 0; l < 2 && _pairLevels; ++l)
            if (_levels[l].whole && _levels[l].stamp == _stamp)
                return l;
        return -1;
    };
    for (Int v = 0; v < 2; ++v)
        if (_vars[v].whole)
            return {v, levelOf(_vars[v].stamp)};
    // What still reads of the variables keeps its stamp: its level state may still be whole.
    // Without a stamp it may have lost it in the damage.
    return {-1, _salvaged == 0 ? -1 : levelOf(_salvaged)};
}

void cProgressPick::readVariables(sCopy& _copy)
{
    if (!cFileManager::get().isExist(_copy.path))
        return;
    // A file that cannot even be read (past the size limit, say) is damaged like any other.
    _copy.exists = true;
    if (!readBytes(_copy.path, _copy.bytes)) {
        logError("File \"" + _copy.path + "\" cannot be read.");
        return;
    }
    try {
        sSavedVariables read = readSavedVariables(_copy.bytes);
        _copy.variables = std::move(read.variables);
        _copy.sealed = !read.seal.empty();
        _copy.whole = !_copy.sealed || sealHolds(_copy.bytes, read.seal);
        if (!_copy.whole)
            logError("File \"" + _copy.path + "\" does not agree with its seal: some value in it was changed.");
    } catch (const String& _error) {
        logError("File \"" + _copy.path + "\" is damaged:\n" + _error);
        for (const auto& values : salvageElements(_copy.bytes, u"prop", {u"Type", u"Name", u"Val"}))
            _copy.variables.push_back({toString(values[0]), toString(values[1]), values[2]});
        _copy.sealed = !salvageAttribute(_copy.bytes, PLAYER_FILE_SEAL).empty();
    } catch (...) {
        logError("File \"" + _copy.path + "\" is damaged.");
    }
    const cVariablesSource source(_copy.path);
    for (const sSavedVariable& variable : _copy.variables)
        _copy.whole = isUsable(variable) && _copy.whole;
    _copy.stamp = levelStampOf(_copy.variables);
}

void cProgressPick::checkLastCopy(sCopy& _copy)
{
    if (!cFileManager::get().isExist(_copy.path))
        return;
    // A seal that holds says the bytes are as a save wrote them; anything else is read in full.
    std::string bytes;
    WString seal;
    if (!readBytes(_copy.path, bytes) || (seal = rootSeal(bytes)).empty() || !sealHolds(bytes, seal)) {
        readVariables(_copy);
        return;
    }
    _copy.exists = _copy.whole = _copy.sealed = true;
    // Of its values only the stamps are kept: no save may take a stamp it names.
    for (const char* name : {SAVE_STAMP_VARIABLE, LEVEL_STATE_STAMP_VARIABLE})
        if (WString value = findSavedValue(bytes, name); !value.empty())
            _copy.variables.push_back({"ULong", name, value});
    _copy.stamp = levelStampOf(_copy.variables);
}

Bool cProgressPick::isUsable(const sSavedVariable& _variable)
{
    if (!isPropertyReadable(_variable.type, _variable.name, _variable.value))
        return false;
    WString what;
    if (!g_savedValueCheck || g_savedValueCheck(_variable, what))
        return true;
    logError("Game variable " + _variable.name + " held \"" + cutForLog(toString(_variable.value)) +
             "\", which the game cannot use.");
    return false;
}

void cProgressPick::readLevelState(sCopy& _copy)
{
    if (!cFileManager::get().isExist(_copy.path))
        return;
    _copy.exists = true;
    _copy.whole = readBytes(_copy.path, _copy.bytes) && g_levelStateCheck(_copy.bytes, _copy.stamp);
    _copy.bytes.clear();
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
    // Whatever is not used stays on the disk under a name of its own.
    const auto setAside = [&describe](sCopy& _copy) {
        if (_copy.exists && cFileManager::get().isExist(_copy.path))
            cFileManager::get().moveAside(_copy.path, describe(_copy));
    };
    if (_v == 1 || (_v < 0 && m_vars[0].exists))
        m_damage += "\"" + m_vars[0].path + "\" " + describe(m_vars[0]) + ". ";
    if (_v < 0) {
        m_variables = std::move(m_vars[_salvaged].variables);
        m_salvaged = m_vars[0].exists || m_vars[1].exists;
        if (m_salvaged)
            m_damage += "No copy of the variables reads whole; " + std::to_string(m_variables.size()) +
                        " variables that still read are kept. ";
    } else {
        m_variables = std::move(m_vars[_v].variables);
    }
    for (Int v = 0; v < 2; ++v)
        if (v != _v && (v == 0 || !m_vars[v].whole || _v < 0))
            setAside(m_vars[v]);
    if (_v == 1)
        cFileManager::get().restoreLastCopy(m_vars[0].path);
    const Bool anyLevel = m_levels[0].exists || m_levels[1].exists;
    // The level state goes first into its place: a kill (or a failed put-back) before the
    // variables followed leaves it one save ahead of them, whole. Nothing of it was damaged,
    // and without its variables it is of no use: its last copy simply takes its place.
    m_interrupted = _v == 0 && _l == 1 && m_levels[0].whole && m_levels[0].stamp > m_vars[0].stamp &&
                    m_vars[0].stamp != NO_LEVEL_STATE;
    if (m_interrupted) {
        m_damage += "the last save did not finish: \"" + m_levels[0].path + "\" is of a save whose variables never "
                    "reached the disk; its last copy goes with the variables. ";
    } else if (g_levelStateCheck && anyLevel && _l != 0) {
        m_damage += "\"" + m_levels[0].path + "\" " + describe(m_levels[0]) + "; ";
        m_damage += _l == 1 ? "its last copy goes with the variables. " : "the level state starts afresh. ";
        m_levelStateLost = _l < 0;
        m_levelStateUnsaved = m_levelStateLost && _v >= 0 && m_vars[_v].stamp == NO_LEVEL_STATE;
    }
    if (g_levelStateCheck)
        for (Int l = 0; l < 2; ++l)
            if (l != _l && (l == 0 || !m_levels[l].whole || _l < 0) && !(l == 0 && m_interrupted))
                setAside(m_levels[l]);
    if (_l == 1)
        cFileManager::get().restoreLastCopy(m_levels[0].path);
    if (!m_damage.empty())
        logError("The progress of \"" + m_vars[0].path + "\" is restored: " + m_damage);
}

void cProgressPick::listLost()
{
    if (!g_savedValueCheck)
        return;
    for (const sSavedVariable& variable : m_variables) {
        WString what;
        if (!g_savedValueCheck(variable, what) && std::find(m_lost.begin(), m_lost.end(), what) == m_lost.end())
            m_lost.push_back(what);
    }
}

void cProgressPick::mendSaveStamp()
{
    // Every stamp a file on the disk names, the level states' own included: a kill between
    // the renames leaves one a save ahead of the variables.
    ULong newest = 0;
    Bool found = false;
    // The copy taken gave its variables away to m_variables.
    for (const std::vector<sSavedVariable>* variables : {&m_vars[0].variables, &m_vars[1].variables, &m_variables})
        for (const char* name : {SAVE_STAMP_VARIABLE, LEVEL_STATE_STAMP_VARIABLE})
            newest = std::max(newest, valueOf(*variables, name, found));
    for (const sCopy& copy : m_levels)
        if (copy.whole)
            newest = std::max(newest, copy.stamp);
    const auto stamp = std::find_if(m_variables.begin(), m_variables.end(),
        [](const sSavedVariable& _variable) { return _variable.name == SAVE_STAMP_VARIABLE; });
    ULong value = 0;
    const Bool reads = stamp != m_variables.end() && stamp->type == "ULong" && readProfileID(stamp->value, value);
    if (newest == 0 || (reads && value >= newest))
        return;
    const WString text = toWString(std::to_string(newest));
    logError("Game variable " + String(SAVE_STAMP_VARIABLE) + " of \"" + m_vars[0].path + "\" held \"" +
             (stamp == m_variables.end() ? String() : toString(stamp->value)) + "\"; " + toString(text) +
             ", the newest stamp on the disk, is used, so that no stamp names two saves.");
    if (stamp == m_variables.end())
        m_variables.push_back({"ULong", SAVE_STAMP_VARIABLE, text});
    else
        *stamp = {"ULong", SAVE_STAMP_VARIABLE, text};
}
