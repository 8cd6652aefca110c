#include "engine/progress/PlayerNotice.h"

#include "engine/logs/LogManager.h"
#include "engine/text/StringManager.h"
#include "engine/text/TextConvert.h"

#include <deque>
#include <set>

namespace {

struct sNotices {
    std::set<String> told;
    std::deque<WString> waiting;
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
    notices().waiting.push_back(_text);
    logError("The player is told: " + toString(_text));
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
    _text = notices().waiting.front();
    notices().waiting.pop_front();
    return true;
}
