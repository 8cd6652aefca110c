#include "engine/progress/UntoldNotices.h"

#include "engine/files/XML.h"
#include "engine/files/XmlEscape.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"

#include <algorithm>
#include <string>
#include <utility>

namespace {

// More than a start ever tells of one farm.
constexpr std::size_t MOST_KEPT = 8;
const char* const LAST_SAVE_FAILED = "last save failed";

WString attributeName(const char16_t* _what, std::size_t _index)
{
    return _what + toWString(std::to_string(_index));
}

// What a notice told in this run is about, when it is about _name: its subject less her name.
Bool kindOf(const String& _subject, const WString& _name, String& _kind)
{
    const String tail = " " + toString(_name);
    if (_subject.size() <= tail.size() || _subject.compare(_subject.size() - tail.size(), tail.size(), tail) != 0)
        return false;
    _kind = _subject.substr(0, _subject.size() - tail.size());
    return true;
}

Bool isAbout(const String& _subject, const WString& _name)
{
    String kind;
    return kindOf(_subject, _name, kind);
}

} // namespace

void cUntoldNotices::readEntry(const WString& _name, iXML& _entry)
{
    sEntry entry;
    for (std::size_t i = 0; i < MOST_KEPT; ++i) {
        const WString text = _entry[attributeName(u"Untold", i)];
        if (!text.empty())
            entry.notices.push_back({toString(_entry[attributeName(u"UntoldAbout", i)]), text});
    }
    toBool(entry.unsaved, _entry[u"LastSaveFailed"]);
    toBool(entry.nothingSaved, _entry[u"NothingSaved"]);
    if (!entry.isEmpty())
        m_entries[_name] = std::move(entry);
}

void cUntoldNotices::writeEntry(WString& _text, const WString& _name, Bool _playUnsaved) const
{
    const auto found = m_entries.find(_name);
    if (found == m_entries.end()) {
        if (_playUnsaved)
            appendXmlAttribute(_text, u"LastSaveFailed", u"1");
        return;
    }
    const sEntry& entry = found->second;
    // Said of the player whose save failed, whoever plays next, until she has been told.
    if (_playUnsaved || entry.unsaved)
        appendXmlAttribute(_text, u"LastSaveFailed", u"1");
    if (entry.nothingSaved)
        appendXmlAttribute(_text, u"NothingSaved", u"1");
    for (std::size_t i = 0; i < entry.notices.size() && i < MOST_KEPT; ++i) {
        appendXmlAttribute(_text, attributeName(u"Untold", i).c_str(), entry.notices[i].text);
        if (!entry.notices[i].kind.empty())
            appendXmlAttribute(_text, attributeName(u"UntoldAbout", i).c_str(), toWString(entry.notices[i].kind));
    }
}

void cUntoldNotices::tellKept(const WString& _name)
{
    const auto found = m_entries.find(_name);
    if (found == m_entries.end())
        return;
    for (const sNotice& notice : found->second.notices)
        if (!notice.kind.empty())
            tellPlayer(subjectOf(notice, _name), notice.text);
}

Bool cUntoldNotices::keep(const WString& _name, std::size_t _from)
{
    const auto toldNow = toldNoticesSince(_from);
    sEntry& entry = m_entries[_name];
    std::vector<sNotice> kept;
    for (const sNotice& notice : entry.notices) {
        const Bool toldAgain = std::any_of(toldNow.begin(), toldNow.end(),
            [&](const auto& _told) { return _told.second == notice.text && isAbout(_told.first, _name); });
        if (notice.kind.empty() && !toldAgain)
            tellPlayer(subjectOf(notice, _name), notice.text);
        if (!isShown(notice, _name))
            kept.push_back(notice);
    }
    for (const auto& told : toldNow) {
        String kind;
        if (kindOf(told.first, _name, kind) && std::none_of(kept.begin(), kept.end(), [&](const sNotice& _notice) {
                return _notice.kind == kind || _notice.text == told.second;
            }))
            kept.push_back({kind, told.second});
    }
    entry.notices = std::move(kept);
    return !entry.notices.empty();
}

Bool cUntoldNotices::forgetShown()
{
    Bool forgot = false;
    for (auto& [name, entry] : m_entries) {
        const WString& player = name;
        const auto shown = std::remove_if(entry.notices.begin(), entry.notices.end(),
            [&player](const sNotice& _notice) { return isShown(_notice, player); });
        forgot = forgot || shown != entry.notices.end();
        entry.notices.erase(shown, entry.notices.end());
        if (entry.unsaved && isPlayerNoticeShown(noticeAbout(LAST_SAVE_FAILED, name))) {
            entry.unsaved = false;
            forgot = true;
        }
    }
    return forgot;
}

Bool cUntoldNotices::isUnsaved(const WString& _name) const
{
    const auto found = m_entries.find(_name);
    return found != m_entries.end() && found->second.unsaved;
}

Bool cUntoldNotices::findsNothingSaved(const WString& _name, Bool _missing)
{
    if (_missing)
        return std::exchange(m_entries[_name].nothingSaved, true);
    if (const auto found = m_entries.find(_name); found != m_entries.end())
        found->second.nothingSaved = false;
    return false;
}

String cUntoldNotices::subjectOf(const sNotice& _notice, const WString& _name)
{
    // The build before kept the words alone: they are the subject.
    return noticeAbout(_notice.kind.empty() ? "told before: " + toString(_notice.text) : _notice.kind, _name);
}

Bool cUntoldNotices::isShown(const sNotice& _notice, const WString& _name)
{
    if (isPlayerNoticeShown(subjectOf(_notice, _name)))
        return true;
    const auto toldInRun = toldNoticesSince(0);
    return std::any_of(toldInRun.begin(), toldInRun.end(), [&](const auto& _told) {
        return _told.second == _notice.text && isAbout(_told.first, _name) && isPlayerNoticeShown(_told.first);
    });
}
