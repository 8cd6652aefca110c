#include "engine/ProgressPick.h"

#include "engine/File.h"
#include "engine/FileManager.h"
#include "engine/FileSizeLimit.h"
#include "engine/LogManager.h"
#include "engine/ProfileIndexSalvage.h"
#include "engine/TextConvert.h"
#include "engine/XML.h"

#include <memory>

fLevelStateCheck g_levelStateCheck = nullptr;
const char* const SAVE_STAMP_VARIABLE = "SaveStamp";

namespace {

cFileManager& files()
{
    cFileManager* manager = cFileManager::getInstance();
    if (!manager)
        throw "File manager not created.";
    return *manager;
}

// The bytes as they are; false when the file is missing, too large or cannot be read.
Bool readBytes(const String& _path, std::string& _bytes)
{
    try {
        if (!files().isExist(_path))
            return false;
        std::unique_ptr<iFile> file(files().open(_path));
        const ULong size = file->getSize();
        if (size > getFileSizeLimit(_path))
            return false;
        _bytes.assign(size, '\0');
        return size == 0 || file->read(_bytes.data(), size) == size;
    } catch (...) {
        return false;
    }
}

ULong stampOf(const std::vector<sSavedVariable>& _variables)
{
    for (const sSavedVariable& variable : _variables) {
        ULong stamp = 0;
        if (variable.name == SAVE_STAMP_VARIABLE && readProfileID(variable.value, stamp))
            return stamp;
    }
    return 0;
}

} // namespace

cProgressPick::cProgressPick(const String& _stem)
{
    m_vars[0].path = _stem + ".xml";
    m_vars[1].path = _stem + ".xml.bak";
    m_levels[0].path = _stem + ".save";
    m_levels[1].path = _stem + ".save.bak";
    for (sCopy& copy : m_vars)
        readVariables(copy);
    const Bool levels = g_levelStateCheck != nullptr;
    if (levels)
        for (sCopy& copy : m_levels)
            readLevelState(copy);
    const auto [v, l] = choose(levels);
    use(v, l);
}

std::pair<Int, Int> cProgressPick::choose(Bool _levels) const
{
    const Bool anyLevel = m_levels[0].exists || m_levels[1].exists;
    for (Int v = 0; v < 2; ++v) {
        if (!m_vars[v].whole)
            continue;
        // A player who never played a game has no level state yet; without the game's check
        // the level state is not paired at all.
        if (!_levels || (!anyLevel && m_vars[v].stamp == 0))
            return {v, -1};
        for (Int l = 0; l < 2; ++l)
            if (m_levels[l].whole && m_levels[l].stamp == m_vars[v].stamp)
                return {v, l};
    }
    for (Int v = 0; v < 2; ++v)
        if (m_vars[v].whole)
            return {v, -1};
    // What still reads of the variables keeps its stamp: its level state may still be whole.
    const UInt best = salvageCopy();
    for (Int l = 0; l < 2 && _levels; ++l)
        if (m_levels[l].whole && m_vars[best].stamp != 0 && m_levels[l].stamp == m_vars[best].stamp)
            return {-1, l};
    return {-1, -1};
}

void cProgressPick::readVariables(sCopy& _copy)
{
    if (!files().isExist(_copy.path))
        return;
    // A file that cannot even be read (past the size limit, say) is damaged like any other.
    _copy.exists = true;
    if (!readBytes(_copy.path, _copy.bytes)) {
        logError("File \"" + _copy.path + "\" cannot be read.");
        return;
    }
    try {
        cXML document(_copy.path, _copy.bytes.data(), ULong(_copy.bytes.size()));
        iXML* prop = nullptr;
        for (UInt i = 0, count = document.getNodeCount(); i < count; ++i)
            if (document.get(i, prop))
                _copy.variables.push_back({toString((*prop)[u"Type"]), toString((*prop)[u"Name"]), (*prop)[u"Val"]});
        _copy.whole = true;
    } catch (const String& _error) {
        logError("File \"" + _copy.path + "\" is damaged:\n" + _error);
        for (const auto& values : salvageElements(_copy.bytes, u"prop", {u"Type", u"Name", u"Val"}))
            _copy.variables.push_back({toString(values[0]), toString(values[1]), values[2]});
    } catch (...) {
        logError("File \"" + _copy.path + "\" is damaged.");
    }
    _copy.stamp = stampOf(_copy.variables);
}

void cProgressPick::readLevelState(sCopy& _copy)
{
    if (!files().isExist(_copy.path))
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

void cProgressPick::use(Int _v, Int _l)
{
    const auto describe = [](const sCopy& _copy) {
        return !_copy.exists ? "is missing" : !_copy.whole ? "is damaged" : "belongs to another save";
    };
    // Whatever is not used stays on the disk under a name of its own.
    const auto setAside = [](sCopy& _copy) {
        if (_copy.exists && files().isExist(_copy.path))
            files().moveAside(_copy.path);
    };
    if (_v == 1 || (_v < 0 && m_vars[0].exists))
        m_damage += "\"" + m_vars[0].path + "\" " + describe(m_vars[0]) + ". ";
    if (_v < 0) {
        m_variables = m_vars[salvageCopy()].variables;
        m_salvaged = m_vars[0].exists || m_vars[1].exists;
        if (m_salvaged)
            m_damage += "No copy of the variables reads whole; " + std::to_string(m_variables.size()) +
                        " variables that still read are kept. ";
    } else {
        m_variables = m_vars[_v].variables;
    }
    for (Int v = 0; v < 2; ++v)
        if (v != _v && (v == 0 || !m_vars[v].whole || _v < 0))
            setAside(m_vars[v]);
    if (_v == 1)
        files().restoreLastCopy(m_vars[0].path);
    const Bool anyLevel = m_levels[0].exists || m_levels[1].exists;
    if (g_levelStateCheck && anyLevel && _l != 0) {
        m_damage += "\"" + m_levels[0].path + "\" " + describe(m_levels[0]) + "; ";
        m_damage += _l == 1 ? "its last copy goes with the variables. " : "the level state starts afresh. ";
        m_levelStateLost = _l < 0;
    }
    if (g_levelStateCheck)
        for (Int l = 0; l < 2; ++l)
            if (l != _l && (l == 0 || !m_levels[l].whole || _l < 0))
                setAside(m_levels[l]);
    if (_l == 1)
        files().restoreLastCopy(m_levels[0].path);
    if (!m_damage.empty())
        logError("The progress of \"" + m_vars[0].path + "\" is restored: " + m_damage);
}
