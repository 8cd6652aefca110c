#include "engine/progress/PlayerName.h"

#include "engine/files/XML.h"
#include "engine/text/TextConvert.h"

#include <cstring>

const char* const PLAYER_NAME_VARIABLE = "PlayerName";

namespace {

// The UTF-16 little-endian bytes of an ASCII text, as the player's files are written.
std::string wide(const char* _text)
{
    std::string bytes;
    for (; *_text; ++_text) {
        bytes += *_text;
        bytes += '\0';
    }
    return bytes;
}

// Where _needle stands in the text from _from on (back from _from, with _back), on the UTF-16
// units that start at _start: a match across two units reads as other text.
std::size_t findUnits(const std::string& _bytes, const std::string& _needle, std::size_t _from, std::size_t _start,
    bool _back = false)
{
    // Forward, the search skips along the bytes rather than stopping at each space the needle starts with.
    const auto find = [&](std::size_t _at) {
        if (_at >= _bytes.size())
            return std::string::npos;
        const void* found = memmem(_bytes.data() + _at, _bytes.size() - _at, _needle.data(), _needle.size());
        return found ? std::size_t(static_cast<const char*>(found) - _bytes.data()) : std::string::npos;
    };
    for (std::size_t at = _back ? _bytes.rfind(_needle, _from) : find(_from); at != std::string::npos;
         at = _back ? (at == 0 ? std::string::npos : _bytes.rfind(_needle, at - 1)) : find(at + 1))
        if (at >= _start && (at - _start) % 2 == 0)
            return at;
    return std::string::npos;
}

} // namespace

WString findSavedValue(const std::string& _bytes, const char* _name)
{
    const std::string attribute = wide((" Name=\"" + String(_name) + "\"").c_str());
    static const std::string s_open = wide("<prop ");
    static const std::string s_close = wide("/>");
    static const std::string s_anyOpen = wide("<");
    const std::size_t text = _bytes.compare(0, 2, "\xFF\xFE") == 0 ? 2 : 0;
    for (std::size_t at = findUnits(_bytes, attribute, 0, text); at != std::string::npos;
         at = findUnits(_bytes, attribute, at + 1, text)) {
        const std::size_t begin = findUnits(_bytes, s_open, at, text, true);
        const std::size_t end = findUnits(_bytes, s_close, at, text);
        // Complete means nothing else opens inside it: a cut line is no element.
        if (begin == std::string::npos || end == std::string::npos || findUnits(_bytes, s_anyOpen, begin + 2, text) < end)
            continue;
        const std::string element = "\xFF\xFE" + _bytes.substr(begin, end + s_close.size() - begin);
        try {
            cXML prop("saved value", element.data(), ULong(element.size()));
            if (prop[u"Name"] == toWString(_name))
                return prop[u"Val"];
        } catch (...) {
            // A damaged element is one less, not a failure.
        }
    }
    return WString();
}

WString findPlayerName(const std::string& _bytes)
{
    return findSavedValue(_bytes, PLAYER_NAME_VARIABLE);
}
