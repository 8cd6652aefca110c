#include "engine/TextConvert.h"

namespace {

const char32_t kReplacement = 0xFFFD;

void appendUtf8(String& _out, char32_t _c)
{
    if (_c < 0x80) {
        _out += static_cast<char>(_c);
    } else if (_c < 0x800) {
        _out += static_cast<char>(0xC0 | (_c >> 6));
        _out += static_cast<char>(0x80 | (_c & 0x3F));
    } else if (_c < 0x10000) {
        _out += static_cast<char>(0xE0 | (_c >> 12));
        _out += static_cast<char>(0x80 | ((_c >> 6) & 0x3F));
        _out += static_cast<char>(0x80 | (_c & 0x3F));
    } else {
        _out += static_cast<char>(0xF0 | (_c >> 18));
        _out += static_cast<char>(0x80 | ((_c >> 12) & 0x3F));
        _out += static_cast<char>(0x80 | ((_c >> 6) & 0x3F));
        _out += static_cast<char>(0x80 | (_c & 0x3F));
    }
}

void appendUtf16(WString& _out, char32_t _c)
{
    if (_c < 0x10000) {
        _out += static_cast<char16_t>(_c);
    } else {
        _c -= 0x10000;
        _out += static_cast<char16_t>(0xD800 + (_c >> 10));
        _out += static_cast<char16_t>(0xDC00 + (_c & 0x3FF));
    }
}

// Decodes one UTF-8 sequence at _pos; rejects overlong forms, surrogates and values past U+10FFFF.
char32_t decodeUtf8(const String& _text, size_t& _pos)
{
    const unsigned char lead = static_cast<unsigned char>(_text[_pos++]);
    if (lead < 0x80)
        return lead;
    int extra;
    char32_t c;
    char32_t minimum;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, c = lead & 0x07, minimum = 0x10000;
    } else {
        return kReplacement;
    }
    for (int i = 0; i < extra; ++i) {
        if (_pos >= _text.size())
            return kReplacement;
        const unsigned char next = static_cast<unsigned char>(_text[_pos]);
        if ((next & 0xC0) != 0x80)
            return kReplacement;
        c = (c << 6) | (next & 0x3F);
        ++_pos;
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return kReplacement;
    return c;
}

} // namespace

String toString(const WString& _text)
{
    String out;
    out.reserve(_text.size());
    for (size_t i = 0; i < _text.size(); ++i) {
        char32_t c = _text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < _text.size() && _text[i + 1] >= 0xDC00 && _text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (_text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = kReplacement; // a lone surrogate has no UTF-8 form
        }
        appendUtf8(out, c);
    }
    return out;
}

WString toWString(const String& _text)
{
    WString out;
    out.reserve(_text.size());
    size_t pos = 0;
    while (pos < _text.size())
        appendUtf16(out, decodeUtf8(_text, pos));
    return out;
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
