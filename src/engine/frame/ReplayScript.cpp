#include "engine/frame/ReplayScript.h"

#include "input/KeyNames.h"
#include "platform/system/Utf8.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

const char* const SPACE = " \t";

struct sButtonName {
    const char* name;
    UInt button;
};

// Windows order, as the mouse device numbers them.
const sButtonName s_buttons[] = {{"left", 0}, {"right", 1}, {"middle", 2}};

struct sActionName {
    const char* name;
    eReplayAction action;
};

const sActionName s_actions[] = {
    {"move", REPLAY_MOVE},    {"press", REPLAY_PRESS}, {"release", REPLAY_RELEASE}, {"down", REPLAY_KEY_DOWN},
    {"up", REPLAY_KEY_UP},    {"text", REPLAY_TEXT},   {"shot", REPLAY_SHOT},
};

String lowerCase(String _text)
{
    std::transform(_text.begin(), _text.end(), _text.begin(),
                   [](unsigned char _c) { return char(std::tolower(_c)); });
    return _text;
}

String trimmed(const String& _text)
{
    const std::size_t first = _text.find_first_not_of(SPACE);
    if (first == String::npos)
        return String();
    return _text.substr(first, _text.find_last_not_of(SPACE) - first + 1);
}

// A whole decimal number (or hexadecimal after "0x"), nothing else.
template <class T>
bool parseNumber(const String& _text, T& _value, int _base = 10)
{
    const char* end = _text.data() + _text.size();
    const auto result = std::from_chars(_text.data(), end, _value, _base);
    return !_text.empty() && result.ec == std::errc() && result.ptr == end;
}

// Splits off the first word of _rest.
String takeWord(String& _rest)
{
    const std::size_t end = _rest.find_first_of(SPACE);
    const String word = _rest.substr(0, end);
    _rest = end == String::npos ? String() : _rest.substr(_rest.find_first_not_of(SPACE, end));
    return word;
}

class cLineParser {
public:
    cLineParser(const String& _fileName, UInt _line) : m_fileName(_fileName), m_line(_line) {}

    [[noreturn]] void fail(const String& _message) const
    {
        throw "Replay \"" + m_fileName + "\", line " + std::to_string(m_line) + ": " + _message;
    }

    sReplayEvent parse(const String& _line, UInt _previousFrame) const
    {
        String rest = trimmed(_line);
        const String frame = takeWord(rest);
        sReplayEvent event;
        if (!parseNumber(frame, event.frame))
            fail("the line does not start with a frame number.");
        if (event.frame == 0)
            fail("frames count from 1.");
        if (event.frame < _previousFrame)
            fail("frame " + frame + " comes after frame " + std::to_string(_previousFrame) +
                 ": frames never go back.");
        const String name = takeWord(rest);
        const auto action = std::find_if(std::begin(s_actions), std::end(s_actions),
                                         [&name](const sActionName& _action) { return name == _action.name; });
        if (action == std::end(s_actions))
            fail(name.empty() ? String("the frame number has no event.") : "unknown event \"" + name + "\".");
        event.action = action->action;
        // A comment may close any line but a text line, which types everything.
        if (event.action != REPLAY_TEXT)
            rest = trimmed(rest.substr(0, rest.find('#')));
        switch (event.action) {
        case REPLAY_MOVE:
            parseMove(rest, event);
            break;
        case REPLAY_PRESS:
        case REPLAY_RELEASE:
            event.code = parseButton(rest);
            break;
        case REPLAY_KEY_DOWN:
        case REPLAY_KEY_UP:
            event.code = parseKey(rest);
            break;
        case REPLAY_TEXT:
            event.text = parseText(_line);
            break;
        case REPLAY_SHOT:
            event.text = parseShot(rest);
            break;
        }
        return event;
    }

private:
    void parseMove(String _rest, sReplayEvent& _event) const
    {
        const String x = takeWord(_rest);
        const String y = takeWord(_rest);
        if (!parseNumber(x, _event.x) || !parseNumber(y, _event.y) || !_rest.empty())
            fail("a move takes two whole numbers, x and y.");
    }

    UInt parseButton(const String& _rest) const
    {
        UInt button = 0;
        if (parseNumber(_rest, button) && button < 8)
            return button;
        const String name = lowerCase(_rest);
        for (const sButtonName& entry : s_buttons)
            if (name == entry.name)
                return entry.button;
        fail("unknown mouse button \"" + _rest + "\" (left, right, middle or 0 to 7).");
    }

    UInt parseKey(const String& _rest) const
    {
        // Codes are written as hexadecimal so they never read as the digit keys' names.
        UInt code = 0;
        if (_rest.size() > 2 && (_rest.compare(0, 2, "0x") == 0 || _rest.compare(0, 2, "0X") == 0) &&
            parseNumber(_rest.substr(2), code, 16) && code > 0 && code < 0x100)
            return code;
        const String name = lowerCase(_rest);
        for (const sKeyName& key : getKeyNameTable())
            if (*key.name && name == lowerCase(key.name))
                return UInt(key.code);
        fail("unknown key \"" + _rest + "\" (a name from the key list or a code from 0x01 to 0xFF).");
    }

    String parseText(const String& _line) const
    {
        // Everything after "text" and the one space that follows it, spaces included.
        const std::size_t keyword = _line.find("text");
        String text = _line.substr(keyword + 4);
        if (!text.empty())
            text.erase(0, 1);
        if (text.empty())
            fail("nothing to type.");
        const std::u16string units = platform::utf8ToUtf16(text.data(), text.size());
        if (platform::utf16ToUtf8(units.data(), units.size()) != text)
            fail("the text is not UTF-8.");
        return text;
    }

    String parseShot(const String& _rest) const
    {
        if (_rest.size() <= 4 || lowerCase(_rest.substr(_rest.size() - 4)) != ".png")
            fail("a shot takes a file name ending in .png.");
        return _rest;
    }

    const String& m_fileName;
    UInt m_line;
};

} // namespace

std::vector<sReplayEvent> parseReplay(const String& _text, const String& _fileName)
{
    std::vector<sReplayEvent> events;
    std::istringstream lines(_text);
    String line;
    UInt number = 0;
    UInt frame = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (number == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
        const String content = trimmed(line);
        if (content.empty() || content[0] == '#')
            continue;
        events.push_back(cLineParser(_fileName, number).parse(line, frame));
        frame = events.back().frame;
    }
    return events;
}

std::vector<sReplayEvent> loadReplay(const String& _path)
{
    std::ifstream file(_path, std::ios::binary);
    String text;
    if (file)
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (!file && !file.eof())
        throw "Can't read the replay \"" + _path + "\".";
    return parseReplay(text, _path);
}
