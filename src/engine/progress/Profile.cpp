#include "engine/progress/Profile.h"

#include "engine/logs/ErrorStack.h"
#include "engine/files/FileManager.h"
#include "engine/files/FileSizeLimit.h"
#include "engine/files/KillPoint.h"
#include "engine/files/PutInPlace.h"
#include "engine/logs/Log.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/KeptCopies.h"
#include "engine/progress/PlayerCopy.h"
#include "engine/progress/PlayerFileOwners.h"
#include "engine/progress/PlayerFileSeal.h"
#include "engine/progress/PlayerName.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/progress/ProgressNotice.h"
#include "engine/progress/ProfileIndexSalvage.h"
#include "engine/progress/ProgressPick.h"
#include "engine/resources/ResourceManager.h"
#include "engine/files/SaveBatch.h"
#include "engine/progress/SaveFailure.h"
#include "engine/settings/Settings.h"
#include "engine/text/TextConvert.h"
#include "engine/files/TextFile.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "engine/files/XmlEscape.h"
#include "platform/system/FileSystem.h"
#include "platform/system/System.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <memory>
#include <set>
#include <vector>

fProfileInit g_profileInitHook = nullptr;

namespace {

const char* const kIndexName = "profiles.xml";
const char16_t* const kDeclaration = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>";

void dropCachedCopy(const String& _path)
{
    if (!cResourceManager::exists())
        return;
    String key = _path;
    cResourceManager::getInstance()->releaseResource(toLowerCase(key));
}

// A player's file that cannot be read never ends the game: it is moved aside (nothing is
// deleted), the reason is logged, and the caller carries on as if the file were missing.
std::unique_ptr<cXML> readPlayerFile(const String& _path)
{
    try {
        return std::make_unique<cXML>(_path);
    } catch (const String& _error) {
        logError("File \"" + _path + "\" is damaged and is not used:\n" + _error);
    }
    // Still there when the damage was no parse error: it must not be written over either.
    cFileManager::get().moveAside(_path, "cannot be read");
    return nullptr;
}

// The bytes of a player's file as they are, for what can be saved from a damaged one; empty
// when it cannot be read.
std::string readRawFile(const String& _path)
{
    std::string bytes;
    return readSaveFileBytes(_path, bytes) ? bytes : std::string();
}

// The leading digits of a file name: the identifier of the profile it belongs to.
Bool identifierOf(const String& _fileName, ULong& _id)
{
    std::size_t digits = 0;
    while (digits < _fileName.size() && _fileName[digits] >= '0' && _fileName[digits] <= '9')
        ++digits;
    if (digits == 0 || digits > 10)
        return false;
    const unsigned long long value = std::stoull(_fileName.substr(0, digits));
    if (value > std::numeric_limits<ULong>::max())
        return false;
    _id = static_cast<ULong>(value);
    return true;
}

// Anything standing at the path: a file, a folder, a link.
Bool standsAt(const String& _path)
{
    const String path = cFileManager::get().getCommonPath(_path);
    return platform::getFileSize(path) >= 0 || platform::isFolder(path);
}

// The subject of a notice about one player or one file, told to each of them.
String about(const char* _what, const WString& _name)
{
    return String(_what) + " " + toString(_name);
}
String about(const char* _what, ULong _id)
{
    return String(_what) + " " + formatProfileID(_id);
}

// The words for a player left out of the index because her file names another player.
WString leftOutText(const WString& _name, ULong _id)
{
    return translated(u"Файл игрока") + u" «" + _name + u"» " + translated(u"называет другого игрока:") + u" «" +
           toWString(formatProfileID(_id)) + u".xml». " + translated(u"Файл оставлен как есть, а игрок убран из списка.");
}

// Property files and level states share the identifier prefix; "12345678" must not take
// the files of 123456789 with it.
bool isFileOf(const String& _fileName, const String& _id)
{
    if (_fileName.compare(0, _id.size(), _id) != 0)
        return false;
    return _fileName.size() == _id.size() || _fileName[_id.size()] < '0' || _fileName[_id.size()] > '9';
}

// The names kept in a player's own files: of the variables and of their last copy (which
// gives the farm when the variables are damaged); empty where a copy names nobody or is not whole.
// Files whose ends name the player the index gives them could say nothing new: they are not
// judged, so that a start reads no more of another player's farm than its end.
std::pair<WString, WString> namesIn(const String& _stem, const WString& _indexed)
{
    const Bool lastAgrees = !cFileManager::get().isExist(_stem + ".xml.bak") ||
                            cPlayerCopy::endNames(_stem + ".xml.bak", _indexed);
    if (!_indexed.empty() && lastAgrees && cPlayerCopy::endNames(_stem + ".xml", _indexed))
        return {_indexed, WString()};
    const WString newest = cPlayerCopy(_stem + ".xml", false).getPlayerName();
    // A last copy of the same name says nothing more, whole or not: only another name is judged.
    if (!newest.empty() && cPlayerCopy::endNames(_stem + ".xml.bak", newest))
        return {newest, WString()};
    return {newest, cPlayerCopy(_stem + ".xml.bak", false).getPlayerName()};
}

// The variables in memory say that the level state they go with is on no disk.
Bool namesNoLevelState()
{
    const auto& stamps = propertyMap<PT_ULONG>();
    const auto found = stamps.find(LEVEL_STATE_STAMP_VARIABLE);
    return found != stamps.end() && found->second == 0;
}

// Whether the file is a player's variables or their last copy, and whose identifier.
Bool isVariablesFile(const String& _fileName, ULong& _id)
{
    if (!identifierOf(_fileName, _id))
        return false;
    const String stem = formatProfileID(_id);
    return _fileName == stem + ".xml" || _fileName == stem + ".xml.bak";
}

} // namespace

String formatProfileID(ULong _id)
{
    String text = std::to_string(_id);
    if (text.size() < 8)
        text.insert(0, 8 - text.size(), '0');
    return text;
}

cProfile::cProfile(const WString& _userName, Bool _resuming) : m_currentUserName(_userName), m_resuming(_resuming)
{
    GUARD_BEGIN
    if (g_profileInitHook)
        g_profileInitHook();
    load();
    GUARD_END("cProfile::cProfile()")
}

cProfile::~cProfile()
{
    runOrLog("cProfile::~cProfile()", [this] { save(); });
    clearProperties();
}

void cProfile::save()
{
    GUARD_BEGIN
    m_nowPlaying = false;
    m_indexChanged = true;
    // The variables go first, so that the index can say whether the play reached the disk. A
    // failed index must not cost the player the variables: both are tried, the first failure
    // is raised and a second one is logged.
    std::exception_ptr failure;
    try {
        saveAllProps();
    } catch (...) {
        failure = std::current_exception();
    }
    try {
        saveHeaders();
    } catch (const String& _error) {
        if (!failure)
            throw;
        logError(_error);
    }
    if (failure)
        std::rethrow_exception(failure);
    GUARD_END("void cProfile::save()")
}

void cProfile::load()
{
    GUARD_BEGIN
    setNoticeListener(m_currentUserName);
    if (m_currentUserName.empty() && !m_resuming)
        return;
    // The last game's save may still be on its way to the disk.
    cFileManager::get().waitForSaves();
    const String dir = getProfilesDir();
    if (isFolderClosed()) {
        // Nobody is loaded: the index and the variables are then never written, nor a level state.
        const String folder = cFileManager::get().getCommonPath(dir);
        logError("The profiles folder \"" + folder + "\" cannot be listed or read; no player is loaded and nothing is saved.");
        tellPlayer("players folder closed", translated(u"Папка игроков не читается:") + u" «" + toWString(folder) + u"». " +
                                                translated(u"Можно играть, но игра ничего не сохранит."));
        m_currentUserName.clear();
        setNoticeListener(m_currentUserName);
        return;
    }
    // A folder in the index's place would refuse every save of it: moved aside like a damaged index.
    std::vector<String> cleared;
    clearSavePlace(cFileManager::get().getCommonPath(dir + kIndexName), cleared);
    for (const String& line : cleared)
        logError(line);
    std::unique_ptr<cXML> index;
    std::string indexBytes;
    if (cFileManager::get().isExist(dir + kIndexName)) {
        indexBytes = readRawFile(dir + kIndexName);
        index = readPlayerFile(dir + kIndexName);
    }
    if (index) {
        loadHeaders(index.get());
    } else {
        salvageHeaders(indexBytes);
        // Whatever the index lost, the players' own files still tell who they are.
        adoptPlayerFiles();
    }
    index.reset();
    followPlayerFiles();
    m_indexOwned = true;
    if (m_resuming && m_index.count(m_currentUserName) == 0)
        resumeSomeone();
    setNoticeListener(m_currentUserName);
    for (const auto& [name, id] : m_leftOut) {
        logError("Profile \"" + cutForLog(toString(name)) + "\" is left out of the index: its file " + formatProfileID(id) +
                 ".xml names another player.");
        tellPlayer(about("left out", name), leftOutText(name, id));
    }
    // This player ended the last game on a save that failed; told now, and the mark goes once
    // the notice has been on the screen.
    const Bool lastPlayUnsaved = m_untold.isUnsaved(m_currentUserName);
    // Nobody to resume after all: nothing is made under an empty name.
    if (m_currentUserName.empty() || holdUnpartedFile())
        return;
    if (m_currentUserName != m_recordedUser) {
        m_recordedUser = m_currentUserName;
        m_indexChanged = true;
    }
    const Bool made = m_index.count(m_currentUserName) == 0;
    if (made)
        createProfile();
    const String id = getProfileID();
    cFileManager::get().clearStaleTemporaries(dir, id);
    cFileManager::get().clearStaleTemporaries(dir, kIndexName);
    loadVariables(dir + id, made, lastPlayUnsaved);
    m_copies.tellCopyOfPlayer(m_currentUserName, m_index[m_currentUserName]);
    m_loadedName = m_currentUserName;
    m_loadedID = m_index[m_currentUserName];
    m_variablesLoaded = true;
    m_nowPlaying = true;
    m_indexChanged = true;
    // A folder that takes no files is no reason to stop: the game plays on and says so.
    try {
        saveHeaders();
    } catch (const String& _error) {
        logError("The profile index could not be written:\n" + _error);
        // A folder closed to writing stops the farm's saves too; anything else, the list alone.
        if (!platform::canWriteIn(cFileManager::get().getCommonPath(dir)))
            tellSaveFailed(getProgressFiles());
        else
            tellPlayer("player list not saved", translated(u"Список игроков не удаётся сохранить.") + u" " +
                                                    describeSaveObstacle({dir + kIndexName}) + u" " +
                                                    translated(u"Можно играть дальше: игра попробует сохраниться снова."));
    }
    killPoint("farm-loaded");
    GUARD_END("void cProfile::load()")
}

void cProfile::loadHeaders(iXML* _xml_doc)
{
    GUARD_BEGIN
    iXML& doc = *_xml_doc;
    toULong(m_nextID, doc[u"NextID"]);
    m_recordedUser = doc[u"CurrentUser"];
    toBool(m_nowPlaying, doc[u"NowPlaying"]);
    // An index of an older build said it of its current user alone.
    Bool lastSaveFailed = false;
    toBool(lastSaveFailed, doc[u"LastSaveFailed"]);
    if (lastSaveFailed)
        m_untold.setUnsaved(m_recordedUser);
    m_copies.readIndex(doc[u"KeptApart"], doc[u"Parting"]);
    Bool dropped = false;
    for (UInt i = 0, count = doc.getNodeCount(); i < count; ++i) {
        iXML* entry = nullptr;
        if (!doc.get(i, entry))
            continue;
        dropped |= !addIndexEntry((*entry)[u"Name"], (*entry)[u"ID"], false);
        m_copies.readEntry((*entry)[u"Name"], (*entry)[u"NewestKeptApart"], (*entry)[u"CopyKeptApart"]);
        m_untold.readEntry((*entry)[u"Name"], *entry);
    }
    m_indexChanged = dropped;
    // An entry left out still has its files: they come back under the name kept in them.
    if (dropped)
        adoptPlayerFiles();
    GUARD_END("void cProfile::loadHeaders(iXML *xml_doc)")
}

void cProfile::salvageHeaders(const std::string& _bytes)
{
    UInt kept = 0;
    for (const auto& entry : salvageProfileEntries(_bytes))
        kept += addIndexEntry(entry.first, entry.second, true) ? 1 : 0;
    if (kept > 0)
        logError("The damaged profile index still named " + std::to_string(kept) + " players; they are kept.");
}

void cProfile::loadVariables(const String& _stem, Bool _new, Bool _unsaved)
{
    const WString obstacle = clearFarmPlaces(_stem);
    const std::size_t told = countToldNotices();
    m_untold.tellKept(m_currentUserName);
    cProgressPick pick(_stem);
    // Her variables never reached the disk: she has lost nothing (a level state they did not
    // follow is no farm). She is told of missing files once, and is so from then on.
    const Bool nothingSaved = pick.hasNoVariables() && m_untold.hasNothingSaved(m_currentUserName);
    m_untold.setNothingSaved(m_currentUserName, _new || pick.hasNoVariables());
    // A failed save is no longer the last word once a newer save of the farm is on the disk.
    const Bool unsaved = _unsaved && m_untold.believeUnsaved(m_currentUserName, pick.getSaveStamp());
    tellProgress(pick, m_currentUserName, obstacle, _new || nothingSaved, m_copies, unsaved);
    // A farm rebuilt from what reads of damaged files is on the disk only once a save of it has
    // landed: until then what she is told of it stays kept, seen or not. A level state used as it
    // reads is whole on the disk only once the game has written it anew.
    m_rebuilt = pick.isSalvaged() || pick.isLevelStateSalvaged() || pick.isLevelStateLost();
    m_rebuiltLevelState = pick.isLevelStateSalvaged();
    m_rebuiltStamp = pick.getSaveStamp();
    if (m_rebuilt)
        cUntoldNotices::hold(m_currentUserName);
    else
        cUntoldNotices::release(m_currentUserName);
    // On the disk before a file moves: once they are in place the files say nothing of it.
    if (m_untold.keep(m_currentUserName, told))
        runOrLog("cProfile::loadVariables()", [this] { m_indexChanged = true; saveHeaders(); });
    pick.place();
    const cVariablesSource source(_stem + ".xml");
    for (const sSavedVariable& variable : pick.getVariables())
        setProperty(variable.type, variable.name, variable.value);
    // Its level state is on no disk: her variables, saved before the game writes one, must not
    // name the one lost, or the next start finds it lost again.
    if (pick.isLevelStateLost())
        propertyMap<PT_ULONG>()[LEVEL_STATE_STAMP_VARIABLE] = 0;
    setLoadedCopy({pick.takeVariables(), pick.isSealed(), pick.isSalvaged(), pick.isLevelStateSalvaged()});
    m_loadedLevelState = {_stem + ".save", pick.takeLevelState()};
}

void cProfile::forgetShownNotices()
{
    const Bool forgotHeld = followLandedSaves();
    const std::size_t shown = countShownNotices();
    if (shown == m_shownNotices && !forgotHeld)
        return;
    m_shownNotices = shown;
    const Bool forgot = m_untold.forgetShown();
    if (!m_copies.forgetHeard(m_loadedName) && !forgot && !forgotHeld)
        return;
    // Before anything else is saved: a crash a moment later must not tell it again.
    cFileManager::get().waitForSaves();
    m_indexChanged = true;
    runOrLog("cProfile::forgetShownNotices()", [this] { saveHeaders(); });
}

Bool cProfile::followLandedSaves()
{
    if (!m_handed.pending || cFileManager::get().getDoneSaveCount() == m_handed.doneBefore)
        return false;
    m_handed.pending = false;
    // Saves land in turn, each with her variables: this one, or a later one, is on the disk.
    m_untold.setNothingSaved(m_loadedName, false);
    if (!m_rebuilt || (m_rebuiltLevelState && m_handed.stamp <= m_rebuiltStamp))
        return false;
    // What she was told of the rebuilt farm is true on the disk: what she has seen of it may go.
    m_rebuilt = false;
    cUntoldNotices::release(m_loadedName);
    return m_untold.forgetShown();
}

void cProfile::forgetLoadedCopies()
{
    m_loadedCopy = sLoadedCopy();
    m_loadedLevelState = {};
}

cPlayerFileOwners cProfile::readOwners() const
{
    const String dir = getProfilesDir();
    cPlayerFileOwners::NAMES names;
    std::map<ULong, WString> indexed;
    for (const auto& [name, id] : m_index)
        indexed[id] = name;
    FILE_NAME_LIST fileNames;
    cFileManager::get().getFilesNames(dir, fileNames);
    for (const String& name : fileNames) {
        ULong id = 0;
        if (isVariablesFile(name, id) && names.count(id) == 0)
            names[id] = namesIn(dir + formatProfileID(id), indexed[id]);
    }
    cPlayerFileOwners owners(names, m_index);
    m_copies.holdForDeleted(owners, names);
    return owners;
}

void cProfile::followPlayerFiles()
{
    if (m_copies.finishRecorded())
        m_indexChanged = true;
    const cPlayerFileOwners owners = readOwners();
    mendIndex(owners);
    const auto record = [this] {
        // Written at once, before a file moves, so that a start cut short is finished by the next.
        try {
            m_indexChanged = true;
            m_indexOwned = true;
            saveHeaders();
            return true;
        } catch (const String& _error) {
            logError("The profile index could not be written before a copy was parted:\n" + _error);
            return false;
        }
    };
    if (!m_copies.part(owners, [this](ULong _wanted) { return takeFreeIdentifier(_wanted); }, record)) {
        tellKeptCopies();
        tellOwners(owners);
        return;
    }
    m_indexChanged = true;
    // The parted copies judged against the mended index: a player it gives a file already
    // finds the copy nobody's, one it does not takes it as her file.
    mendIndex(readOwners());
    adoptPlayerFiles();
    tellKeptCopies();
    tellOwners(readOwners());
}

void cProfile::tellKeptCopies()
{
    if (m_copies.tell(m_index))
        m_indexChanged = true;
}

Bool cProfile::holdUnpartedFile()
{
    const auto found = m_index.find(m_currentUserName);
    Bool newest = true;
    if (found == m_index.end() || !m_copies.tellUnparted(found->second, m_currentUserName, newest))
        return false;
    // Neither the index nor her variables are written: m_variablesLoaded stays false.
    m_indexOwned = false;
    m_held = true;
    m_heldTail = newest ? "" : ".bak";
    const String copy = formatProfileID(found->second) + ".xml" + m_heldTail;
    logError("The player plays \"" + cutForLog(toString(m_currentUserName)) + "\" from " + copy +
             ", as it is; nothing is saved in this run.");
    loadHeldCopy(getProfilesDir() + copy);
    return true;
}

void cProfile::loadHeldCopy(const String& _path)
{
    // Judged as any copy, but read as it stands: choosing copies would put them in place, and
    // nothing of this file may change.
    cPlayerCopy copy(_path, true);
    if (copy.exists() && !copy.isWhole())
        logError("File \"" + _path + "\" is damaged; what still reads of it is played.");
    for (const sSavedVariable& variable : copy.getVariables())
        setProperty(variable.type, variable.name, variable.value);
}

String cProfile::getLevelStateFile() const
{
    if (m_currentUserName.empty())
        return String();
    return getProfilesDir() + getProfileID() + ".save" + (m_held ? m_heldTail : String());
}

void cProfile::mendIndex(const cPlayerFileOwners& _owners)
{
    // A file that names its player is hers, whatever the index says.
    const cPlayerFileOwners& owners = _owners;
    std::map<WString, ULong> mended;
    for (const auto& [id, owner] : owners.getOwners())
        mended[owner] = id;
    // The index's word stands where no file says otherwise: a new player has no file yet.
    for (const auto& [name, id] : m_index) {
        if (mended.count(name) != 0)
            continue;
        if (owners.getOwners().count(id) != 0 || owners.isDoubtful(id)) {
            logError("Profile \"" + cutForLog(toString(name)) + "\" has in the index the file " + formatProfileID(id) +
                     ".xml of another player; it is left out of the index, the files stay.");
            m_leftOut[name] = id;
            continue;
        }
        mended[name] = id;
    }
    if (mended == m_index)
        return;
    for (const auto& [name, id] : mended) {
        const auto was = m_index.find(name);
        if (was != m_index.end() && was->second == id)
            continue;
        logError("Player file " + formatProfileID(id) + ".xml names \"" + cutForLog(toString(name)) + "\", whom the index " +
                 (was == m_index.end() ? String("left out") : "gave the identifier " + std::to_string(was->second)) +
                 "; the index follows the file.");
        if (id >= m_nextID)
            m_nextID = id + 1;
    }
    m_index.swap(mended);
    m_indexChanged = true;
    adoptPlayerFiles();
}

void cProfile::tellOwners(const cPlayerFileOwners& _owners) const
{
    for (const ULong id : _owners.getDoubtful()) {
        if (m_copies.isKept(id))
            continue;
        logError("Player file " + formatProfileID(id) + ".xml names a player whom another file names too; it is nobody's "
                 "and is left as it is.");
        tellPlayer(about("player file in doubt", id), translated(u"Неясно, чья это ферма:") + u" «" +
                                               toWString(formatProfileID(id)) + u".xml». " +
                                               translated(u"Файл оставлен как есть."));
    }
}

void cProfile::adoptPlayerFiles()
{
    std::set<ULong> indexed;
    for (const auto& entry : m_index)
        indexed.insert(entry.second);
    const cPlayerFileOwners owners = readOwners();
    FILE_NAME_LIST names;
    cFileManager::get().getFilesNames(getProfilesDir(), names);
    for (const String& name : names) {
        ULong id = 0;
        if (!isVariablesFile(name, id) || indexed.count(id) != 0 || owners.isDoubtful(id))
            continue;
        const String stem = formatProfileID(id);
        const auto owner = owners.getOwners().find(id);
        // A file that names a player the index gives another file is settled by the files
        // alone: under its identifier, a session would write into a file of her name.
        if (owner != owners.getOwners().end() && m_index.count(owner->second) != 0)
            continue;
        const WString player = owner != owners.getOwners().end() ? owner->second : toWString(stem);
        if (addIndexEntry(player, toWString(std::to_string(id)), false)) {
            indexed.insert(id);
            m_indexChanged = true;
            logError("Player file \"" + name + "\" is back in the profile index as \"" + cutForLog(toString(player)) + "\".");
        }
    }
}

void cProfile::resumeSomeone()
{
    const WString lost = m_currentUserName;
    adoptPlayerFiles();
    if (m_index.count(lost) != 0 || m_index.empty())
        return;
    m_currentUserName = m_index.begin()->first;
    // An index that names nobody (damaged where the name stood) needs no words.
    if (lost.empty())
        return;
    logError("The profile index names \"" + cutForLog(toString(lost)) + "\" as the player, who is not in it; \"" +
             cutForLog(toString(m_currentUserName)) + "\" plays.");
    const WString playing = translated(u"Играет:") + u" «" + m_currentUserName + u"».";
    // Left out by this start: said why, under the subject of that notice, which is then told.
    const auto leftOut = m_leftOut.find(lost);
    if (leftOut != m_leftOut.end())
        tellPlayer(about("left out", lost), leftOutText(lost, leftOut->second) + u" " + playing);
    else
        tellPlayer("player not found", translated(u"Игрока нет в списке игроков:") + u" «" + lost + u"». " + playing);
}

Bool cProfile::addIndexEntry(const WString& _name, const WString& _idText, Bool _needFile)
{
    const String who = "Profile \"" + cutForLog(toString(_name)) + "\" ";
    if (m_index.count(_name) != 0) {
        logError(who + "is in the index twice; only its first entry is kept.");
        return false;
    }
    ULong id = 0;
    if (!readProfileID(_idText, id)) {
        logError(who + "has the identifier \"" + cutForLog(toString(_idText)) +
                 "\", which does not read; it is left out of the index and its files stay.");
        return false;
    }
    // Two entries on one file would write into each other's progress: the first keeps it.
    for (const auto& entry : m_index)
        if (entry.second == id) {
            logError(who + "names the file of \"" + cutForLog(toString(entry.first)) +
                     "\"; it is left out of the index.");
            return false;
        }
    if (_needFile && !cFileManager::get().isExist(getProfilesDir() + formatProfileID(id) + ".xml"))
        return false;
    m_index.insert({_name, id});
    // A damaged NextID must not hand out an identifier that a profile already has.
    if (id >= m_nextID)
        m_nextID = id + 1;
    return true;
}

void cProfile::saveHeaders()
{
    GUARD_BEGIN
    // An object that never read the index (an empty name) knows nothing it could write.
    if (!m_indexChanged || !m_indexOwned)
        return;
    // What it says of her saves follows the disk as far as it is known.
    followLandedSaves();
    m_indexChanged = false;
    const String path = getProfilesDir() + kIndexName;
    if (m_index.empty()) {
        dropCachedCopy(path);
        cFileManager::get().remove(path);
        return;
    }
    WString text = kDeclaration;
    text += u"\n<Profiles ";
    appendXmlAttribute(text, u"NextID", toWString(std::to_string(m_nextID)));
    appendXmlAttribute(text, u"CurrentUser", m_currentUserName);
    appendXmlAttribute(text, u"NowPlaying", m_nowPlaying ? u"1" : u"0");
    m_copies.writeIndex(text);
    text += u">\n";
    const auto stamp = propertyMap<PT_ULONG>().find(SAVE_STAMP_VARIABLE);
    for (const auto& entry : m_index) {
        text += u"<Profile ";
        appendXmlAttribute(text, u"Name", entry.first);
        appendXmlAttribute(text, u"ID", toWString(std::to_string(entry.second)));
        m_copies.writeEntry(text, entry.first);
        m_untold.writeEntry(text, entry.first, m_playUnsaved && entry.first == m_loadedName && entry.second == m_loadedID,
            stamp == propertyMap<PT_ULONG>().end() ? 0 : stamp->second);
        text += u"/>\n";
    }
    text += u"</Profiles>";
    writeUtf16File(path, text, true);
    GUARD_END("void cProfile::saveHeaders()")
}

void cProfile::saveAllProps()
{
    GUARD_BEGIN
    // Only into the file of the profile the variables were loaded for, and only while that
    // profile still exists: after a deletion the current user may be another player.
    if (!m_variablesLoaded)
        return;
    const auto found = m_index.find(m_loadedName);
    if (found == m_index.end() || found->second != m_loadedID)
        return;
    // A save still on its way may yet fail and take its stamps back.
    cFileManager::get().waitForSaves();
    followLandedSaves();
    const UInt doneBefore = cFileManager::get().getDoneSaveCount();
    // Variables that name no level state (the game's last save failed) are not written alone
    // beside a level state: the start would part them from it for good, while the pair on the
    // disk is whole. That pair stays, and the index says that the play is not on the disk.
    const String stem = getProfilesDir() + formatProfileID(m_loadedID);
    if (g_levelStateCheck && namesNoLevelState() && cFileManager::get().isExist(stem + ".save")) {
        logError("The variables of \"" + stem + ".xml\" go with a level state that is on no disk; they are not saved "
                 "alone, and the last whole save stays.");
        m_playUnsaved = true;
        return;
    }
    // The index may be lost one day: the player's own file says whose it is.
    propertyMap<PT_WSTRING>()[PLAYER_NAME_VARIABLE] = m_loadedName;
    WString values;
    writeAllProperties(values);
    WString text = kDeclaration;
    text += u"<Props ";
    appendXmlAttribute(text, PLAYER_FILE_SEAL, sealOver(values));
    text += u">" + values + u"</Props>";
    // The same variables again (the profile's own save right after the game's) would only
    // push the save before out of its last copy; unless that save never reached the disk.
    if (text == m_lastWritten && cFileManager::get().getFailedSaveCount() == m_failedSavesWritten)
        return;
    m_playUnsaved = true;
    cSaveBatch batch;
    writeUtf16File(stem + ".xml", text, true);
    batch.commit();
    m_playUnsaved = false;
    // Handed to the disk, which may yet refuse it (a game's save lands beside the frames).
    m_handed = {true, doneBefore, propertyMap<PT_ULONG>()[SAVE_STAMP_VARIABLE]};
    m_lastWritten = std::move(text);
    m_failedSavesWritten = cFileManager::get().getFailedSaveCount();
    GUARD_END("void cProfile::saveAllProps()")
}

void cProfile::createProfile()
{
    GUARD_BEGIN
    m_index.insert({m_currentUserName, takeFreeIdentifier()});
    clearProperties();
    if (g_profileInitHook)
        g_profileInitHook();
    m_indexChanged = true;
    GUARD_END("void cProfile::createProfile()")
}

ULong cProfile::takeFreeIdentifier(ULong _wanted)
{
    // Files left by profiles an earlier index knew are never taken over, nor an identifier
    // the index already gives to someone.
    std::set<ULong> used;
    for (const auto& entry : m_index)
        used.insert(entry.second);
    FILE_NAME_LIST names;
    cFileManager::get().getFilesNames(getProfilesDir(), names);
    for (const String& name : names) {
        ULong id = 0;
        if (identifierOf(name, id))
            used.insert(id);
    }
    const String dir = getProfilesDir();
    const auto taken = [&](ULong _id) {
        if (used.count(_id) != 0)
            return true;
        for (const char* suffix : {".xml", ".xml.bak", ".save", ".save.bak"})
            if (standsAt(dir + formatProfileID(_id) + suffix))
                return true;
        return false;
    };
    if (_wanted != 0 && !taken(_wanted)) {
        m_nextID = std::max(m_nextID, _wanted + 1);
        return _wanted;
    }
    ULong id = m_nextID;
    while (taken(id))
        ++id;
    m_nextID = id + 1;
    return id;
}

void cProfile::deleteProfile(const WString& _name)
{
    GUARD_BEGIN
    const auto found = m_index.find(_name);
    if (found == m_index.end())
        return;
    // A save still on its way would bring the files back after they are gone.
    cFileManager::get().waitForSaves();
    const String id = formatProfileID(found->second);
    m_index.erase(found);
    // Deleting the player ends the notices kept for her.
    m_copies.forget(_name);
    m_untold.forget(_name);
    m_currentUserName = m_index.empty() ? WString() : m_index.begin()->first;
    m_recordedUser = m_currentUserName;
    m_indexChanged = true;
    saveHeaders();
    const String dir = getProfilesDir();
    FILE_NAME_LIST names;
    cFileManager::get().getFilesNames(dir, names);
    for (const String& name : names) {
        if (!isFileOf(name, id))
            continue;
        dropCachedCopy(dir + name);
        cFileManager::get().remove(dir + name);
    }
    GUARD_END("void cProfile::deleteProfile(const WString& _name)")
}

void cProfile::getNames(NAME_LIST& _names) const
{
    GUARD_BEGIN
    for (const auto& entry : m_index)
        _names.push_back(entry.first);
    GUARD_END("void cProfile::getNames(NAME_LIST &_names) const")
}

String cProfile::getProfileID() const
{
    GUARD_BEGIN
    const auto found = m_index.find(m_currentUserName);
    if (found == m_index.end())
        throw "ProfileID error.";
    return formatProfileID(found->second);
    GUARD_END("String cProfile::getProfileID() const")
}

String cProfile::getProfilesDir()
{
    GUARD_BEGIN
    String dir;
    if (cSettings::exists())
        cSettings::getInstance()->getPropertyT("game", "profiles", dir);
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    // A damaged setting must not send the profiles out of the player's folder.
    if (!cFileManager::isInside(dir)) {
        logError("Setting \"profiles\" names \"" + dir + "\", outside the application-data folder; not used.");
        dir.clear();
    }
    return dir;
    GUARD_END("String cProfile::getProfilesDir()")
}

std::vector<String> cProfile::getProgressFiles() const
{
    const String dir = getProfilesDir();
    std::vector<String> names{dir + kIndexName};
    const auto found = m_index.find(m_currentUserName);
    if (found != m_index.end()) {
        names.push_back(dir + formatProfileID(found->second) + ".xml");
        names.push_back(dir + formatProfileID(found->second) + ".save");
    }
    return names;
}

Bool cProfile::isHeadersExist()
{
    return cFileManager::get().isExist(getProfilesDir() + kIndexName);
}

WString cProfile::getCurrentUserName()
{
    const String path = getProfilesDir() + kIndexName;
    if (!cFileManager::get().isExist(path))
        return WString();
    // Only read: a damaged index stays in place for the profile to salvage.
    const std::string bytes = readRawFile(path);
    try {
        cXML index(path, bytes.data(), ULong(bytes.size()));
        return index[u"CurrentUser"];
    } catch (...) {
        return salvageAttribute(bytes, u"CurrentUser");
    }
}

Bool cProfile::isFolderClosed()
{
    const String folder = cFileManager::get().getCommonPath(getProfilesDir());
    return platform::isFolder(folder) && !platform::canReadIn(folder);
}

Bool cProfile::hasPlayerFiles()
{
    FILE_NAME_LIST names;
    cFileManager::get().getFilesNames(getProfilesDir(), names);
    for (const String& name : names) {
        ULong id = 0;
        if (identifierOf(name, id) && (name == formatProfileID(id) + ".xml" || name == formatProfileID(id) + ".xml.bak"))
            return true;
    }
    return false;
}
