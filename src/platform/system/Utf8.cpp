#include "platform/system/Utf8.h"

namespace platform {

namespace {

const char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& _out, char32_t _c)
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

void appendUtf16(std::u16string& _out, char32_t _c)
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
char32_t decodeUtf8(const char* _text, std::size_t _size, std::size_t& _pos)
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
        if (_pos >= _size)
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

std::u16string utf8ToUtf16(const char* _text, std::size_t _size)
{
    std::u16string out;
    out.reserve(_size);
    std::size_t pos = 0;
    while (pos < _size)
        appendUtf16(out, decodeUtf8(_text, _size, pos));
    return out;
}

std::string utf16ToUtf8(const char16_t* _text, std::size_t _size)
{
    std::string out;
    out.reserve(_size);
    for (std::size_t i = 0; i < _size; ++i) {
        char32_t c = _text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < _size && _text[i + 1] >= 0xDC00 && _text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (_text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = kReplacement; // a lone surrogate has no UTF-8 form
        }
        appendUtf8(out, c);
    }
    return out;
}

} // namespace platform
