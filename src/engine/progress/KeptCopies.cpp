#include "engine/progress/KeptCopies.h"

#include "engine/files/FileManager.h"
#include "engine/files/KillPoint.h"
#include "engine/files/XmlEscape.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/PlayerCopy.h"
#include "engine/progress/PlayerName.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/progress/Profile.h"
#include "engine/progress/ProfileIndexSalvage.h"
#include "engine/progress/ProgressPick.h"
#include "engine/text/TextConvert.h"
#include "platform/system/System.h"

#include <algorithm>
#include <sstream>

namespace {

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

// The words written apart by spaces.
std::vector<String> wordsOf(const WString& _text)
{
    std::vector<String> words;
    std::istringstream in(toString(_text));
    for (String word; in >> word;)
        words.push_back(word);
    return words;
}

// Identifiers written as numbers apart by spaces; what does not read is skipped.
std::set<ULong> readIdentifiers(const WString& _text)
{
    std::set<ULong> ids;
    for (const String& word : wordsOf(_text)) {
        ULong id = 0;
        if (readProfileID(toWString(word), id))
            ids.insert(id);
    }
    return ids;
}

WString writeIdentifiers(const std::set<ULong>& _ids)
{
    WString text;
    for (const ULong id : _ids)
        text += (text.empty() ? WString() : WString(u" ")) + toWString(std::to_string(id));
    return text;
}

// The copy of a parting as the index writes it: "<file>:<kept file>" when the newest copy
// goes, "<file>.bak:<kept file>" when the last.
const char* const LAST_COPY_MARK = ".bak";

} // namespace

void cKeptCopies::readIndex(const WString& _kept, const WString& _parting)
{
    m_kept = readIdentifiers(_kept);
    for (String word : wordsOf(_parting)) {
        const std::size_t colon = word.find(':');
        if (colon == String::npos)
            continue;
        String from = word.substr(0, colon);
        const Bool last = from.size() > 4 && from.compare(from.size() - 4, 4, LAST_COPY_MARK) == 0;
        if (last)
            from.erase(from.size() - 4);
        sParting parting{0, !last, 0, WString(), WString()};
        if (readProfileID(toWString(from), parting.from) && readProfileID(toWString(word.substr(colon + 1)), parting.kept))
            m_recorded.push_back(parting);
    }
}

void cKeptCopies::readEntry(const WString& _name, const WString& _newest, const WString& _copy)
{
    const std::set<ULong> kept = readIdentifiers(_newest);
    if (!kept.empty())
        m_newestKeptApart[_name] = *kept.begin();
    const std::set<ULong> copies = readIdentifiers(_copy);
    if (!copies.empty())
        m_copiesOfPlayer[_name] = copies;
}

void cKeptCopies::writeIndex(WString& _text) const
{
    if (!m_kept.empty())
        appendXmlAttribute(_text, u"KeptApart", writeIdentifiers(m_kept));
    WString recorded;
    for (const sParting& parting : m_recorded)
        recorded += (recorded.empty() ? WString() : WString(u" ")) + toWString(std::to_string(parting.from)) +
                    (parting.newest ? WString() : toWString(LAST_COPY_MARK)) + u":" +
                    toWString(std::to_string(parting.kept));
    if (!recorded.empty())
        appendXmlAttribute(_text, u"Parting", recorded);
}

void cKeptCopies::writeEntry(WString& _text, const WString& _name) const
{
    const auto newest = m_newestKeptApart.find(_name);
    if (newest != m_newestKeptApart.end())
        appendXmlAttribute(_text, u"NewestKeptApart", toWString(std::to_string(newest->second)));
    const auto copies = m_copiesOfPlayer.find(_name);
    if (copies != m_copiesOfPlayer.end() && !copies->second.empty())
        appendXmlAttribute(_text, u"CopyKeptApart", writeIdentifiers(copies->second));
}

Bool cKeptCopies::forgetHeard(const WString& _loaded)
{
    Bool forgot = false;
    for (auto newest = m_newestKeptApart.begin(); newest != m_newestKeptApart.end();) {
        const Bool heard = isHeard("newest copy kept apart", newest->second, newest->first == _loaded);
        forgot = forgot || heard;
        newest = heard ? m_newestKeptApart.erase(newest) : std::next(newest);
    }
    for (auto& [name, copies] : m_copiesOfPlayer)
        for (auto kept = copies.begin(); kept != copies.end();) {
            const Bool heard = isHeard("copy of the player kept apart", *kept, name == _loaded);
            forgot = forgot || heard;
            kept = heard ? copies.erase(kept) : std::next(kept);
        }
    return forgot;
}

Bool cKeptCopies::isHeard(const char* _what, ULong _kept, Bool _loaded) const
{
    return isPlayerNoticeShown(about(_what, _kept)) ||
           (_loaded && partedNow(_kept) && isPlayerNoticeShown(about("player file names two players", _kept)));
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
    m_copiesOfPlayer.erase(_name);
    deletedThisRun().insert(_name);
}

Bool cKeptCopies::finishRecorded()
{
    const Bool any = !m_recorded.empty();
    const String dir = cProfile::getProfilesDir();
    for (sParting& parting : m_recorded) {
        const String from = dir + formatProfileID(parting.from);
        const String kept = dir + formatProfileID(parting.kept);
        if (!cFileManager::get().isExist(kept + ".xml")) {
            m_wanted[parting.from] = parting.kept;
            continue;
        }
        // The copy went and the start ended: its level state may still stand in its old place.
        const String tail = parting.newest ? "" : LAST_COPY_MARK;
        if (!cFileManager::get().isExist(from + ".xml" + tail) && !cFileManager::get().isExist(kept + ".save"))
            moveLevelState(parting);
        parting.other = cPlayerCopy(kept + ".xml", false).getPlayerName();
        parting.owner = cPlayerCopy(from + (parting.newest ? ".xml.bak" : ".xml"), false).getPlayerName();
        // The last copy that stayed is in the file's place once the start that parted it put it there.
        if (parting.owner.empty() && parting.newest)
            parting.owner = cPlayerCopy(from + ".xml", false).getPlayerName();
        logError("The copy of \"" + cutForLog(toString(parting.other)) + "\" parted from player file " +
                 formatProfileID(parting.from) + ".xml by a start that did not end is kept as " +
                 formatProfileID(parting.kept) + ".xml.");
        m_kept.insert(parting.kept);
        if (parting.newest && !parting.owner.empty())
            m_newestKeptApart[parting.owner] = parting.kept;
        if (!parting.other.empty())
            m_copiesOfPlayer[parting.other].insert(parting.kept);
        m_partings.push_back(parting);
    }
    m_recorded.clear();
    return any;
}

Bool cKeptCopies::part(const cPlayerFileOwners& _owners, const std::function<ULong(ULong)>& _freeIdentifier,
    const std::function<Bool()>& _record)
{
    Bool parted = false;
    for (const auto& [id, settled] : _owners.getSettled()) {
        if (m_unparted.count(id) != 0)
            continue;
        // The copy that names the other player goes, with the level state of its place.
        const Bool newestGoes = settled.newest != settled.owner;
        const WString& other = newestGoes ? settled.newest : settled.last;
        const auto wanted = m_wanted.find(id);
        const sParting parting{id, newestGoes, _freeIdentifier(wanted == m_wanted.end() ? 0 : wanted->second), settled.owner,
            other};
        const String kept = formatProfileID(parting.kept);
        const String who = "Player file " + formatProfileID(id) + ".xml names \"" + cutForLog(toString(settled.newest)) +
                           "\", its last copy \"" + cutForLog(toString(settled.last)) + "\"; ";
        // Recorded before anything moves: a start cut short anywhere in between is finished by the next.
        m_recorded.push_back(parting);
        m_kept.insert(parting.kept);
        if (newestGoes)
            m_newestKeptApart[settled.owner] = parting.kept;
        m_copiesOfPlayer[other].insert(parting.kept);
        const Bool recorded = _record();
        if (recorded)
            killPoint("parting-recorded");
        if (!recorded || !moveCopy(parting)) {
            logError(who + "the copy that names \"" + cutForLog(toString(other)) + "\" cannot be moved to a file of its own (" +
                     platform::getLastErrorText() + "), so the file stays with \"" + cutForLog(toString(settled.owner)) +
                     "\" and is left as it is.");
            unrecord(parting.kept);
            // Taken back out of the index: nothing moved.
            if (recorded)
                _record();
            m_unparted[id] = {other, newestGoes};
            continue;
        }
        killPoint("copy-moved");
        moveLevelState(parting);
        killPoint("level-state-moved");
        m_recorded.pop_back();
        m_partings.push_back(parting);
        parted = true;
        logError(who + "it is \"" + cutForLog(toString(settled.owner)) + "\"'s, and the copy that names \"" +
                 cutForLog(toString(other)) + "\" is kept as " + kept + ".xml.");
    }
    return parted;
}

Bool cKeptCopies::moveCopy(const sParting& _parting)
{
    const String dir = cProfile::getProfilesDir();
    const String tail = _parting.newest ? "" : LAST_COPY_MARK;
    return cFileManager::get().moveTo(
        dir + formatProfileID(_parting.from) + ".xml" + tail, dir + formatProfileID(_parting.kept) + ".xml");
}

void cKeptCopies::moveLevelState(const sParting& _parting)
{
    const String dir = cProfile::getProfilesDir();
    const String from = dir + formatProfileID(_parting.from) + ".save" + (_parting.newest ? "" : LAST_COPY_MARK);
    cFileManager& files = cFileManager::get();
    if (files.isExist(from) && !files.moveTo(from, dir + formatProfileID(_parting.kept) + ".save"))
        logError("The level state \"" + from + "\" stays where it is: " + platform::getLastErrorText());
}

void cKeptCopies::unrecord(ULong _kept)
{
    m_recorded.erase(std::remove_if(m_recorded.begin(), m_recorded.end(),
                         [_kept](const sParting& _parting) { return _parting.kept == _kept; }),
        m_recorded.end());
    m_kept.erase(_kept);
    for (auto newest = m_newestKeptApart.begin(); newest != m_newestKeptApart.end();)
        newest = newest->second == _kept ? m_newestKeptApart.erase(newest) : std::next(newest);
    for (auto& [name, copies] : m_copiesOfPlayer)
        copies.erase(_kept);
}

Bool cKeptCopies::partedNow(ULong _kept) const
{
    for (const sParting& parting : m_partings)
        if (parting.kept == _kept)
            return true;
    return false;
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
                toWString(cFileManager::get().getCommonPath(dir)) + u"». " +
                (taker.empty() ? translated(u"В неё никто не играет, она оставлена как есть.") :
                                 translated(u"Теперь это ферма игрока:") + u" «" + taker + u"»."));
    }
    // A copy kept apart that has become its player's only file is his farm again: said, once.
    Bool changed = false;
    for (auto kept = m_kept.begin(); kept != m_kept.end();) {
        const String name = formatProfileID(*kept) + ".xml";
        const WString taker = playerOf(*kept);
        const Bool there = cFileManager::get().isExist(dir + name) || cFileManager::get().isExist(dir + name + ".bak");
        if (taker.empty() && there) {
            ++kept;
            continue;
        }
        if (!taker.empty() && !partedNow(*kept)) {
            logError("The copy kept apart as " + name + " is the only file of \"" + cutForLog(toString(taker)) +
                     "\" now; it is that player's farm.");
            tellPlayer(about("kept copy taken", *kept), translated(u"Копия, сохранённая отдельно:") + u" «" +
                                                            toWString(name) + u"» " +
                                                            translated(u"теперь ферма игрока:") + u" «" + taker + u"».");
        }
        // Nothing is said of a copy that is no longer there, nor of one that is its player's farm.
        for (auto& [player, copies] : m_copiesOfPlayer)
            copies.erase(*kept);
        if (!there)
            for (auto newest = m_newestKeptApart.begin(); newest != m_newestKeptApart.end();)
                newest = newest->second == *kept ? m_newestKeptApart.erase(newest) : std::next(newest);
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
    if (_pick.isSalvaged() || _pick.isLevelStateLost() || _pick.isLevelStateSalvaged()) {
        m_newestKeptApart.erase(parted);
        return false;
    }
    if (!partedNow(parted->second))
        tellPlayer(about("newest copy kept apart", parted->second),
            translated(u"Новая копия вашей фермы называла другого игрока и сохранена отдельно:") + u" «" +
                toWString(formatProfileID(parted->second)) + u".xml». " +
                translated(u"Ферма восстановлена из предыдущего сохранения."),
            _player);
    return true;
}

void cKeptCopies::tellCopyOfPlayer(const WString& _player, ULong _id) const
{
    const auto copies = m_copiesOfPlayer.find(_player);
    if (copies == m_copiesOfPlayer.end())
        return;
    for (const ULong kept : copies->second) {
        // Her own file, or a copy whose parting she has just heard of in its own words.
        if (kept == _id || partedNow(kept) || !isKept(kept))
            continue;
        tellPlayer(about("copy of the player kept apart", kept),
            translated(u"Копия вашей фермы нашлась в файле другого игрока и сохранена отдельно:") + u" «" +
                toWString(formatProfileID(kept)) + u".xml» " + translated(u"в папке") + u" «" +
                toWString(cFileManager::get().getCommonPath(cProfile::getProfilesDir())) + u"». " +
                translated(u"Вы играете свою ферму, а копия оставлена как есть."),
            _player);
    }
}

Bool cKeptCopies::tellUnparted(ULong _id, const WString& _player, Bool& _newest) const
{
    const auto unparted = m_unparted.find(_id);
    if (unparted == m_unparted.end())
        return false;
    _newest = !unparted->second.newestGoes;
    const String name = formatProfileID(_id) + ".xml";
    logError("The file " + name + " of \"" + cutForLog(toString(_player)) + "\" holds a copy of \"" +
             cutForLog(toString(unparted->second.other)) + "\" that cannot be moved apart.");
    tellPlayer(about("copy not parted", _id),
        translated(u"В файле вашей фермы лежит копия другого игрока:") + u" «" + unparted->second.other + u"» (" +
            toWString(name) + u"). " + translated(u"Её не удаётся сохранить отдельно, и файл оставлен как есть.") + u" " +
            translated(u"Можно играть, но игра ничего не сохранит."),
        _player);
    return true;
}
