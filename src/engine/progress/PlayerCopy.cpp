#include "engine/progress/PlayerCopy.h"

#include "engine/files/File.h"
#include "engine/files/FileManager.h"
#include "engine/files/FileSizeLimit.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/GameVariables.h"
#include "engine/progress/PlayerFileSeal.h"
#include "engine/progress/PlayerName.h"
#include "engine/progress/ProfileIndexSalvage.h"
#include "engine/progress/ProgressPick.h"
#include "engine/text/TextConvert.h"

#include <memory>

namespace {

// The game writes the stamps, its own texts and the name last: the file's end holds them.
constexpr std::size_t TAIL_BYTES = 64 * 1024;

} // namespace

cPlayerCopy::cPlayerCopy(const String& _path, Bool _full) : m_path(_path)
{
    cFileManager* files = cFileManager::getInstance();
    if (!files || !files->isExist(_path))
        return;
    // A file that cannot even be read (past the size limit, say) is damaged like any other.
    m_exists = true;
    if (!readSaveFileBytes(_path, m_bytes)) {
        logError("File \"" + _path + "\" cannot be read.");
        return;
    }
    // A seal that holds says the bytes are as a save wrote them; anything else is read in full.
    const WString seal = _full ? WString() : rootSeal(m_bytes);
    if (seal.empty() || !sealHolds(m_bytes, seal)) {
        readAll();
        m_bytes.clear();
        return;
    }
    // Its values are looked up in the bytes the seal covers when asked for.
    m_bytes = sealedBody(m_bytes);
    m_whole = m_sealed = m_bySeal = true;
}

void cPlayerCopy::readAll()
{
    try {
        sSavedVariables read = readSavedVariables(m_bytes);
        m_variables = std::move(read.variables);
        m_sealed = !read.seal.empty();
        m_whole = m_sealed ? sealHolds(m_bytes, read.seal) : !read.rootAttributes;
        if (!m_whole)
            logError("File \"" + m_path + "\" " +
                     (m_sealed ? "does not agree with its seal: some value in it was changed." :
                                 "carries no seal that reads, yet its root is not an earlier build's."));
    } catch (const String& _error) {
        logError("File \"" + m_path + "\" is damaged:\n" + _error);
        for (const auto& values : salvageElements(m_bytes, u"prop", {u"Type", u"Name", u"Val"}))
            m_variables.push_back({toString(values[0]), toString(values[1]), values[2]});
        m_sealed = !salvageAttribute(m_bytes, PLAYER_FILE_SEAL).empty();
    } catch (...) {
        logError("File \"" + m_path + "\" is damaged.");
    }
    const cVariablesSource source(m_path);
    for (const sSavedVariable& variable : m_variables)
        m_whole = isUsable(variable) && m_whole;
}

Bool cPlayerCopy::isUsable(const sSavedVariable& _variable)
{
    if (!isPropertyReadable(_variable.type, _variable.name, _variable.value))
        return false;
    // No save writes a stamp above the top of its range.
    ULong stamp = 0;
    if ((_variable.name == SAVE_STAMP_VARIABLE || _variable.name == LEVEL_STATE_STAMP_VARIABLE) &&
        readProfileID(_variable.value, stamp) && !cProgressPick::isStamp(stamp)) {
        logError("Game variable " + _variable.name + " held " + std::to_string(stamp) + ", above any save's stamp.");
        return false;
    }
    WString what;
    if (!g_savedValueCheck || g_savedValueCheck(_variable, what))
        return true;
    logError("Game variable " + _variable.name + " held \"" + cutForLog(toString(_variable.value)) +
             "\", which the game cannot use.");
    return false;
}

WString cPlayerCopy::getValue(const char* _name) const
{
    if (!m_whole)
        return WString();
    if (m_bySeal) {
        // Only a file whose end does not hold it is searched whole. From an even offset, so that
        // the end starts on a UTF-16 unit.
        const std::size_t tail = m_bytes.size() > TAIL_BYTES ? (m_bytes.size() - TAIL_BYTES) & ~std::size_t(1) : 0;
        if (tail > 0)
            if (WString value = findSavedValue(m_bytes.substr(tail), _name); !value.empty())
                return value;
        return findSavedValue(m_bytes, _name);
    }
    for (const sSavedVariable& variable : m_variables)
        if (variable.name == _name)
            return variable.value;
    return WString();
}

Bool cPlayerCopy::endNames(const String& _path, const WString& _player)
{
    try {
        cFileManager* files = cFileManager::getInstance();
        if (!files || !files->isExist(_path))
            return false;
        std::unique_ptr<iFile> file(files->open(_path));
        const ULong size = file->getSize();
        const ULong from = size > TAIL_BYTES ? (size - TAIL_BYTES) & ~ULong(1) : 0;
        if (size > getFileSizeLimit(_path) || file->seek(Long(from), 0) != from)
            return false;
        std::string tail(size - from, '\0');
        tail.resize(file->read(tail.data(), ULong(tail.size())));
        // Only up to the root's end: what follows it is covered by no seal.
        static const std::string s_end("<\0/\0P\0r\0o\0p\0s\0>\0", 16);
        std::size_t end = tail.rfind(s_end);
        while (end != std::string::npos && end % 2 != 0)
            end = end == 0 ? std::string::npos : tail.rfind(s_end, end - 1);
        return end != std::string::npos && findPlayerName(tail.substr(0, end)) == _player;
    } catch (...) {
        return false;
    }
}

Bool cPlayerCopy::judgeLevelState(const String& _path, std::string& _bytes, ULong& _stamp)
{
    return g_levelStateCheck && readSaveFileBytes(_path, _bytes) && g_levelStateCheck(_bytes, _stamp) &&
           cProgressPick::isStamp(_stamp);
}

WString cPlayerCopy::getPlayerName() const
{
    return getValue(PLAYER_NAME_VARIABLE);
}

Bool readSaveFileBytes(const String& _path, std::string& _bytes)
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
