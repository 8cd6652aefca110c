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
    // The subject of the text on the screen that has not been seen yet.
    String onScreen;
    std::deque<std::pair<String, WString>> waiting;
    std::vector<std::pair<String, WString>> history;
};

sNotices& notices()
{
    static sNotices s_notices;
    return s_notices;
}

} // namespace

void tellPlayer(const String& _subject, const WString& _text)
{
    if (!notices().told.insert(_subject).second)
        return;
    notices().waiting.emplace_back(_subject, _text);
    notices().history.emplace_back(_subject, _text);
    logError("The player is told: " + toString(_text));
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

Bool takePlayerNotice(WString& _text)
{
    if (notices().waiting.empty())
        return false;
    _text = notices().waiting.front().second;
    notices().onScreen = notices().waiting.front().first;
    notices().waiting.pop_front();
    return true;
}

void seePlayerNotice()
{
    if (notices().onScreen.empty())
        return;
    notices().shown.insert(notices().onScreen);
    notices().onScreen.clear();
    ++notices().shownCount;
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

std::vector<std::pair<String, WString>> toldNoticesSince(std::size_t _from)
{
    const auto& history = notices().history;
    return {history.begin() + std::ptrdiff_t(std::min(_from, history.size())), history.end()};
}
