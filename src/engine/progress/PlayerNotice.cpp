#include "engine/progress/PlayerNotice.h"

#include "engine/logs/LogManager.h"
#include "engine/text/StringManager.h"
#include "engine/text/TextConvert.h"

#include <algorithm>
#include <deque>
#include <set>
#include <utility>

namespace {

struct sNotices {
    std::set<String> told;
    std::set<String> shown;
    std::size_t shownCount = 0;
    WString listener;
    // The notice last taken for the screen, while it may stand there; whether it has been seen.
    Bool onScreen = false;
    Bool onScreenSeen = false;
    sToldNotice showing;
    std::deque<sToldNotice> waiting;
    std::vector<sToldNotice> history;
};

sNotices& notices()
{
    static sNotices s_notices;
    return s_notices;
}

Bool isForListener(const sToldNotice& _notice)
{
    return _notice.player.empty() || _notice.player == notices().listener;
}

void tell(sToldNotice _notice)
{
    if (!notices().told.insert(_notice.subject).second)
        return;
    logError("The player is told: " + toString(_notice.text));
    notices().history.push_back(_notice);
    notices().waiting.push_back(std::move(_notice));
}

} // namespace

void tellPlayer(const String& _subject, const WString& _text, const WString& _player)
{
    tell({_subject, String(), _player, _text});
}

void tellPlayerAbout(const String& _kind, const WString& _player, const WString& _text)
{
    tell({noticeAbout(_kind, _player), _kind, _player, _text});
}

String noticeAbout(const String& _what, const WString& _player)
{
    return _what + " " + toString(_player);
}

void forgetPlayerNotice(const String& _subject)
{
    notices().told.erase(_subject);
}

WString translated(const WString& _text)
{
    cStringManager* strings = cStringManager::getInstance();
    return strings ? strings->getString(_text) : _text;
}

void setNoticeListener(const WString& _player)
{
    sNotices& all = notices();
    all.listener = _player;
    // What another player has not heard is hers to hear at her next farm, told again then.
    auto& waiting = all.waiting;
    for (auto notice = waiting.begin(); notice != waiting.end();) {
        if (isForListener(*notice)) {
            ++notice;
            continue;
        }
        all.told.erase(notice->subject);
        notice = waiting.erase(notice);
    }
    if (all.onScreen && !isForListener(all.showing)) {
        if (!all.onScreenSeen)
            all.told.erase(all.showing.subject);
        all.onScreen = false;
    }
}

Bool takePlayerNotice(WString& _text)
{
    sNotices& all = notices();
    all.onScreen = false;
    const auto next = std::find_if(all.waiting.begin(), all.waiting.end(), isForListener);
    if (next == all.waiting.end())
        return false;
    all.showing = std::move(*next);
    all.waiting.erase(next);
    all.onScreen = true;
    all.onScreenSeen = false;
    _text = all.showing.text;
    return true;
}

void seePlayerNotice()
{
    sNotices& all = notices();
    if (!all.onScreen || all.onScreenSeen)
        return;
    all.onScreenSeen = true;
    all.shown.insert(all.showing.subject);
    ++all.shownCount;
}

Bool isPlayerNoticeOnScreen()
{
    return notices().onScreen;
}

Bool isPlayerNoticeShown(const String& _subject)
{
    return notices().shown.count(_subject) != 0;
}

std::size_t countShownNotices()
{
    return notices().shownCount;
}

std::size_t countToldNotices()
{
    return notices().history.size();
}

std::vector<sToldNotice> toldNoticesSince(std::size_t _from)
{
    const auto& history = notices().history;
    return {history.begin() + std::ptrdiff_t(std::min(_from, history.size())), history.end()};
}
