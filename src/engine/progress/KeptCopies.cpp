#include "engine/progress/KeptCopies.h"

#include "engine/files/FileManager.h"
#include "engine/files/XmlEscape.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/progress/Profile.h"
#include "engine/progress/ProfileIndexSalvage.h"
#include "engine/progress/ProgressPick.h"
#include "engine/text/TextConvert.h"
#include "platform/system/System.h"

#include <sstream>

namespace {

cFileManager& files()
{
    cFileManager* manager = cFileManager::getInstance();
    if (!manager)
        throw "File manager not created.";
    return *manager;
}

// The subject of a notice about one file, told to each player it concerns.
String about(const char* _what, ULong _id)
{
    return String(_what) + " " + formatProfileID(_id);
}

// Players deleted in this run: a copy of theirs kept apart is not handed to them in the same
// run, as if the deletion had given it back.
std::set<WString>& deletedThisRun()
{
    static std::set<WString> s_deleted;
    return s_deleted;
}

// Identifiers written as numbers apart by spaces; what does not read is skipped.
std::set<ULong> readIdentifiers(const WString& _text)
{
    std::set<ULong> ids;
    std::istringstream words(toString(_text));
    for (String word; words >> word;) {
        ULong id = 0;
        if (readProfileID(toWString(word), id))
            ids.insert(id);
    }
    return ids;
}

} // namespace

void cKeptCopies::readKeptApart(const WString& _text)
{
    m_kept = readIdentifiers(_text);
}

void cKeptCopies::readEntry(const WString& _name, const WString& _text)
{
    const std::set<ULong> kept = readIdentifiers(_text);
    if (!kept.empty())
        m_newestKeptApart[_name] = *kept.begin();
}

void cKeptCopies::writeKeptApart(WString& _text) const
{
    if (m_kept.empty())
        return;
    WString kept;
    for (const ULong id : m_kept)
        kept += (kept.empty() ? WString() : WString(u" ")) + toWString(std::to_string(id));
    appendXmlAttribute(_text, u"KeptApart", kept);
}

void cKeptCopies::writeEntry(WString& _text, const WString& _name, Bool _loaded) const
{
    const auto kept = m_newestKeptApart.find(_name);
    if (kept == m_newestKeptApart.end())
        return;
    Bool heard = isPlayerNoticeShown(about("newest copy kept apart", kept->second));
    for (const sParting& parting : m_partings)
        heard |= parting.kept == kept->second && _loaded &&
                 isPlayerNoticeShown(about("player file names two players", parting.kept));
    if (!heard)
        appendXmlAttribute(_text, u"NewestKeptApart", toWString(std::to_string(kept->second)));
}

void cKeptCopies::holdForDeleted(cPlayerFileOwners& _owners, const cPlayerFileOwners::NAMES& _names) const
{
    for (const ULong id : m_kept) {
        const auto kept = _names.find(id);
        if (kept != _names.end() &&
            (deletedThisRun().count(kept->second.first) != 0 || deletedThisRun().count(kept->second.second) != 0))
            _owners.putInDoubt(id);
    }
}

void cKeptCopies::forget(const WString& _name)
{
    m_newestKeptApart.erase(_name);
    deletedThisRun().insert(_name);
}

Bool cKeptCopies::part(const cPlayerFileOwners& _owners, const std::function<ULong()>& _freeIdentifier)
{
    const String dir = cProfile::getProfilesDir();
    Bool parted = false;
    for (const auto& [id, settled] : _owners.getSettled()) {
        if (m_unparted.count(id) != 0)
            continue;
        // The copy that names the other player goes, with the level state of its place.
        const Bool newestGoes = settled.newest != settled.owner;
        const WString& other = newestGoes ? settled.newest : settled.last;
        const String from = dir + formatProfileID(id);
        const String tail = newestGoes ? "" : ".bak";
        const ULong keptID = _freeIdentifier();
        const String kept = formatProfileID(keptID);
        const String who = "Player file " + formatProfileID(id) + ".xml names \"" + cutForLog(toString(settled.newest)) +
                           "\", its last copy \"" + cutForLog(toString(settled.last)) + "\"; ";
        if (!files().moveTo(from + ".xml" + tail, dir + kept + ".xml")) {
            logError(who + "the copy that names \"" + cutForLog(toString(other)) + "\" cannot be moved to a file of its own (" +
                     platform::getLastErrorText() + "), so the file stays with \"" + cutForLog(toString(settled.owner)) +
                     "\" and is left as it is.");
            m_unparted[id] = other;
            continue;
        }
        parted = true;
        if (files().isExist(from + ".save" + tail) && !files().moveTo(from + ".save" + tail, dir + kept + ".save"))
            logError("The level state \"" + from + ".save" + tail + "\" stays where it is: " + platform::getLastErrorText());
        m_kept.insert(keptID);
        if (newestGoes)
            m_newestKeptApart[settled.owner] = keptID;
        m_partings.push_back({id, settled.newest, settled.last, settled.owner, other, keptID});
        logError(who + "it is \"" + cutForLog(toString(settled.owner)) + "\"'s, and the copy that names \"" +
                 cutForLog(toString(other)) + "\" is kept as " + kept + ".xml.");
    }
    return parted;
}

Bool cKeptCopies::tell(const std::map<WString, ULong>& _index)
{
    const String dir = cProfile::getProfilesDir();
    const auto playerOf = [&_index](ULong _id) {
        for (const auto& [name, id] : _index)
            if (id == _id)
                return name;
        return WString();
    };
    for (const sParting& parting : m_partings) {
        const WString taker = playerOf(parting.kept);
        tellPlayer(about("player file names two players", parting.kept),
            translated(u"В файле фермы игрока") + u" «" + parting.owner + u"» " + translated(u"лежала копия игрока") + u" «" +
                parting.other + u"». " + translated(u"Копия сохранена отдельно:") + u" «" +
                toWString(formatProfileID(parting.kept)) + u".xml» " + translated(u"в папке") + u" «" +
                toWString(files().getCommonPath(dir)) + u"». " +
                (taker.empty() ? translated(u"В неё никто не играет, она оставлена как есть.") :
                                 translated(u"Теперь это ферма игрока:") + u" «" + taker + u"»."));
    }
    // A copy kept apart that has become its player's only file is his farm again: said, once.
    Bool changed = false;
    for (auto kept = m_kept.begin(); kept != m_kept.end();) {
        const String name = formatProfileID(*kept) + ".xml";
        const WString taker = playerOf(*kept);
        Bool partedNow = false;
        for (const sParting& parting : m_partings)
            partedNow |= parting.kept == *kept;
        if (taker.empty() && (files().isExist(dir + name) || files().isExist(dir + name + ".bak"))) {
            ++kept;
            continue;
        }
        if (!taker.empty() && !partedNow) {
            logError("The copy kept apart as " + name + " is the only file of \"" + cutForLog(toString(taker)) +
                     "\" now; it is that player's farm.");
            tellPlayer(about("kept copy taken", *kept), translated(u"Копия, сохранённая отдельно:") + u" «" +
                                                            toWString(name) + u"» " +
                                                            translated(u"теперь ферма игрока:") + u" «" + taker + u"».");
        }
        kept = m_kept.erase(kept);
        changed = true;
    }
    return changed;
}

Bool cKeptCopies::tellNewestKeptApart(const WString& _player, const cProgressPick& _pick)
{
    const auto parted = m_newestKeptApart.find(_player);
    if (parted == m_newestKeptApart.end())
        return false;
    if (_pick.isSalvaged() || _pick.isLevelStateLost()) {
        m_newestKeptApart.erase(parted);
        return false;
    }
    Bool toldNow = false;
    for (const sParting& parting : m_partings)
        toldNow |= parting.kept == parted->second;
    if (!toldNow)
        tellPlayer(about("newest copy kept apart", parted->second),
            translated(u"Новая копия вашей фермы называла другого игрока и сохранена отдельно:") + u" «" +
                toWString(formatProfileID(parted->second)) + u".xml». " +
                translated(u"Ферма восстановлена из предыдущего сохранения."));
    return true;
}

Bool cKeptCopies::tellUnparted(ULong _id, const WString& _player) const
{
    const auto unparted = m_unparted.find(_id);
    if (unparted == m_unparted.end())
        return false;
    const String name = formatProfileID(_id) + ".xml";
    logError("The file " + name + " of \"" + cutForLog(toString(_player)) + "\" holds a copy of \"" +
             cutForLog(toString(unparted->second)) + "\" that cannot be moved apart; no player is loaded and nothing is "
             "saved.");
    tellPlayer(about("copy not parted", _id),
        translated(u"В файле вашей фермы лежит копия другого игрока:") + u" «" + unparted->second + u"» (" +
            toWString(name) + u"). " + translated(u"Её не удаётся сохранить отдельно, и файл оставлен как есть.") + u" " +
            translated(u"Можно играть, но игра ничего не сохранит."));
    return true;
}
