#include "engine/progress/UntoldNotices.h"

#include "engine/files/XML.h"
#include "engine/files/XmlEscape.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/text/TextConvert.h"

#include <algorithm>
#include <string>

namespace {

// More than a start ever tells of one farm.
constexpr std::size_t MOST_KEPT = 8;

WString attributeName(std::size_t _index)
{
    return u"Untold" + toWString(std::to_string(_index));
}

} // namespace

void cUntoldNotices::readEntry(const WString& _name, iXML& _entry)
{
    std::vector<sNotice> kept;
    for (std::size_t i = 0; i < MOST_KEPT; ++i) {
        const WString text = _entry[attributeName(i)];
        if (!text.empty())
            kept.push_back({"told before " + std::to_string(i) + " " + toString(_name), text});
    }
    if (!kept.empty())
        m_kept[_name] = std::move(kept);
}

void cUntoldNotices::writeEntry(WString& _text, const WString& _name) const
{
    const auto found = m_kept.find(_name);
    if (found == m_kept.end())
        return;
    std::size_t index = 0;
    for (const sNotice& notice : found->second)
        if (!isShown(notice) && index < MOST_KEPT)
            appendXmlAttribute(_text, attributeName(index++).c_str(), notice.text);
}

Bool cUntoldNotices::tellAndKeep(const WString& _name, std::size_t _from)
{
    // Told once a run: what this run told already waits for the screen as it was told.
    const auto toldInRun = toldNoticesSince(0);
    const auto told = [](const auto& _notices, const WString& _text) {
        return std::any_of(_notices.begin(), _notices.end(), [&_text](const auto& _notice) { return _notice.text == _text; });
    };
    std::vector<sNotice> kept;
    for (const sNotice& notice : m_kept[_name]) {
        if (!std::any_of(toldInRun.begin(), toldInRun.end(), [&notice](const auto& _told) { return _told.second == notice.text; }))
            tellPlayer(notice.subject, notice.text);
        if (!isShown(notice))
            kept.push_back(notice);
    }
    for (const auto& [subject, text] : toldNoticesSince(_from))
        if (!told(kept, text))
            kept.push_back({subject, text});
    m_kept[_name] = kept;
    return !kept.empty();
}

Bool cUntoldNotices::isShown(const sNotice& _notice)
{
    if (isPlayerNoticeShown(_notice.subject))
        return true;
    const auto toldInRun = toldNoticesSince(0);
    return std::any_of(toldInRun.begin(), toldInRun.end(),
        [&_notice](const auto& _told) { return _told.second == _notice.text && isPlayerNoticeShown(_told.first); });
}
