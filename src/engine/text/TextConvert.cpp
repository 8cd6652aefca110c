#include "engine/text/TextConvert.h"

#include "platform/system/Utf8.h"

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

namespace {

Bool inRange(char16_t _c, char16_t _first, char16_t _last)
{
    return _c >= _first && _c <= _last;
}

// Alphabets whose capitals alternate with their small letters: the capital on an even code
// unit (or an odd one for the blocks marked so), its small letter right after it.
struct sPairedBlock {
    char16_t first, last;
    Bool oddCapitals;
};
const sPairedBlock PAIRED_BLOCKS[] = {
    {0x0100, 0x012F, false}, {0x0132, 0x0137, false}, {0x0139, 0x0148, true},  {0x014A, 0x0177, false},
    {0x0179, 0x017E, true},  {0x01DE, 0x01EF, false}, {0x01F8, 0x021F, false}, {0x03D8, 0x03EF, false},
    {0x0460, 0x0481, false}, {0x048A, 0x04BF, false}, {0x04C1, 0x04CE, true},  {0x04D0, 0x052F, false},
    {0x1E00, 0x1E95, false}, {0x1EA0, 0x1EFF, false},
};

// Simple (one to one) lower-casing of the letters of the Latin, Greek, Cyrillic and Armenian
// alphabets and the full-width Latin forms, the same on every machine whatever its locale.
char16_t lowerLetter(char16_t _c)
{
    if (inRange(_c, u'A', u'Z') || (inRange(_c, 0xC0, 0xDE) && _c != 0xD7) || inRange(_c, 0x391, 0x3AB) ||
        inRange(_c, 0x410, 0x42F) || inRange(_c, 0xFF21, 0xFF3A))
        return _c == 0x3A2 ? _c : char16_t(_c + 32); // 0x3A2 is no letter
    if (inRange(_c, 0x400, 0x40F))
        return char16_t(_c + 80);
    if (inRange(_c, 0x531, 0x556))
        return char16_t(_c + 48);
    switch (_c) {
    case 0x130: return u'i';
    case 0x178: return 0xFF;
    case 0x386: return 0x3AC;
    case 0x388: case 0x389: case 0x38A: return char16_t(_c + 37);
    case 0x38C: return 0x3CC;
    case 0x38E: case 0x38F: return char16_t(_c + 63);
    case 0x4C0: return 0x4CF;
    default: break;
    }
    for (const sPairedBlock& block : PAIRED_BLOCKS)
        if (inRange(_c, block.first, block.last) && (_c % 2 == 1) == block.oddCapitals)
            return char16_t(_c + 1);
    return _c;
}

} // namespace

WString& toLowerCase(WString& _text)
{
    for (char16_t& c : _text)
        c = lowerLetter(c);
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
