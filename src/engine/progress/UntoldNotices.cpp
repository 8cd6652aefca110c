#include "engine/progress/UntoldNotices.h"

#include "engine/files/XML.h"
#include "engine/files/XmlEscape.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/progress/ProgressPick.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"

#include <algorithm>
#include <set>
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

std::set<WString>& heldThisRun()
{
    static std::set<WString> s_held;
    return s_held;
}

} // namespace

void cUntoldNotices::readEntry(const WString& _name, iXML& _entry)
{
    sEntry read;
    for (std::size_t i = 0; i < MOST_KEPT; ++i) {
        const WString text = _entry[attributeName(u"Untold", i)];
        if (!text.empty())
            read.notices.push_back({toString(_entry[attributeName(u"UntoldAbout", i)]), text});
    }
    toBool(read.unsaved, _entry[u"LastSaveFailed"]);
    read.unsavedStamped = read.unsaved && cProgressPick::readStamp(_entry[u"LastSaveFailedAt"], read.unsavedStamp);
    toBool(read.nothingSaved, _entry[u"NothingSaved"]);
    if (read.isEmpty())
        return;
    sEntry& entry = m_entries[_name];
    entry.notices = std::move(read.notices);
    entry.nothingSaved = read.nothingSaved;
    if (read.unsaved) {
        entry.unsaved = true;
        entry.unsavedStamped = read.unsavedStamped;
        entry.unsavedStamp = read.unsavedStamp;
    }
}

void cUntoldNotices::writeEntry(WString& _text, const WString& _name, Bool _playUnsaved, ULong _stamp) const
{
    const auto found = m_entries.find(_name);
    const sEntry none;
    const sEntry& entry = found == m_entries.end() ? none : found->second;
    // Said of the player whose save failed, whoever plays next, until she has been told.
    if (_playUnsaved || entry.unsaved) {
        appendXmlAttribute(_text, u"LastSaveFailed", u"1");
        if (_playUnsaved || entry.unsavedStamped)
            appendXmlAttribute(_text, u"LastSaveFailedAt", toWString(std::to_string(_playUnsaved ? _stamp : entry.unsavedStamp)));
    }
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
            tellPlayerAbout(notice.kind, _name, notice.text);
}

Bool cUntoldNotices::keep(const WString& _name, std::size_t _from)
{
    std::vector<sToldNotice> toldNow = toldNoticesSince(_from);
    // Only what was told of her farm: the notices of her kept copies are kept with the copies.
    toldNow.erase(std::remove_if(toldNow.begin(), toldNow.end(),
                      [&](const sToldNotice& _told) { return _told.kind.empty() || _told.player != _name; }),
        toldNow.end());
    sEntry& entry = m_entries[_name];
    std::vector<sNotice> kept;
    for (const sNotice& notice : entry.notices) {
        const Bool toldAgain = std::any_of(
            toldNow.begin(), toldNow.end(), [&](const sToldNotice& _told) { return _told.text == notice.text; });
        if (notice.kind.empty() && !toldAgain)
            tellPlayerAbout(kindOf(notice), _name, notice.text);
        if (isHeld(_name) || !isShown(notice, _name))
            kept.push_back(notice);
    }
    for (const sToldNotice& told : toldNow)
        if (std::none_of(kept.begin(), kept.end(),
                [&](const sNotice& _notice) { return _notice.kind == told.kind || _notice.text == told.text; }))
            kept.push_back({told.kind, told.text});
    entry.notices = std::move(kept);
    return !entry.notices.empty();
}

Bool cUntoldNotices::forgetShown()
{
    Bool forgot = false;
    for (auto& [name, entry] : m_entries) {
        if (isHeld(name))
            continue;
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

Bool cUntoldNotices::believeUnsaved(const WString& _name, ULong _stamp)
{
    const auto found = m_entries.find(_name);
    if (found == m_entries.end() || !found->second.unsaved)
        return false;
    sEntry& entry = found->second;
    if (entry.unsavedStamped && _stamp > entry.unsavedStamp)
        entry.unsaved = false;
    return entry.unsaved;
}

Bool cUntoldNotices::hasNothingSaved(const WString& _name) const
{
    const auto found = m_entries.find(_name);
    return found != m_entries.end() && found->second.nothingSaved;
}

void cUntoldNotices::setNothingSaved(const WString& _name, Bool _nothing)
{
    if (_nothing)
        m_entries[_name].nothingSaved = true;
    else if (const auto found = m_entries.find(_name); found != m_entries.end())
        found->second.nothingSaved = false;
}

void cUntoldNotices::hold(const WString& _name)
{
    heldThisRun().insert(_name);
}

void cUntoldNotices::release(const WString& _name)
{
    heldThisRun().erase(_name);
}

Bool cUntoldNotices::isHeld(const WString& _name)
{
    return heldThisRun().count(_name) != 0;
}

String cUntoldNotices::kindOf(const sNotice& _notice)
{
    // The build before kept the words alone: they are the kind.
    return _notice.kind.empty() ? "told before: " + toString(_notice.text) : _notice.kind;
}

Bool cUntoldNotices::isShown(const sNotice& _notice, const WString& _name)
{
    if (isPlayerNoticeShown(noticeAbout(kindOf(_notice), _name)))
        return true;
    const auto toldInRun = toldNoticesSince(0);
    return std::any_of(toldInRun.begin(), toldInRun.end(), [&](const sToldNotice& _told) {
        return _told.player == _name && _told.text == _notice.text && isPlayerNoticeShown(_told.subject);
    });
}
