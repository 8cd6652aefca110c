#include "engine/TextConvert.h"

#include "platform/Utf8.h"

String toString(const WString& _text)
{
    return platform::utf16ToUtf8(_text.data(), _text.size());
}

WString toWString(const String& _text)
{
    return platform::utf8ToUtf16(_text.data(), _text.size());
}

WString toWString(const char* _text)
{
    return _text ? toWString(String(_text)) : WString();
}

String& toLowerCase(String& _text)
{
    for (char& c : _text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return _text;
}

WString& toLowerCase(WString& _text)
{
    for (char16_t& c : _text)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    return _text;
}

String& replaceChar(String& _text, char _from, char _to)
{
    for (char& c : _text)
        if (c == _from)
            c = _to;
    return _text;
}

WString& replaceChar(WString& _text, char16_t _from, char16_t _to)
{
    for (char16_t& c : _text)
        if (c == _from)
            c = _to;
    return _text;
}

String& readWord(String& _res, const WString& _text)
{
    const String narrow = toString(_text);
    const char* space = " \t\n\v\f\r";
    const size_t begin = narrow.find_first_not_of(space);
    if (begin == String::npos)
        return _res; // no word: a failed read leaves the target as it was
    const size_t end = narrow.find_first_of(space, begin);
    _res = narrow.substr(begin, end == String::npos ? String::npos : end - begin);
    return _res;
}

String intToString(Int _value)
{
    return std::to_string(_value);
}

String makeKey(const char* _text, UInt _index)
{
    return String(_text ? _text : "") + std::to_string(_index);
}

WString makeWKey(const char* _text, UInt _index)
{
    return toWString(makeKey(_text, _index));
}

String& getStaticString(const char* _text, UInt _index)
{
    static String s_key;
    s_key = makeKey(_text, _index);
    return s_key;
}

WString& getStaticWString(const char* _text, UInt _index)
{
    static WString s_key;
    s_key = makeWKey(_text, _index);
    return s_key;
}
