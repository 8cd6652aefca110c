#include "platform/sdl/SdlCharacters.h"

#include <SDL.h>

#include <iterator>

namespace sdl {

namespace {

struct sControlKey {
    Int keycode;
    UInt16 character;
};

const sControlKey s_controlKeys[] = {
    {SDLK_BACKSPACE, 8},
    {SDLK_TAB, 9},
    {SDLK_RETURN, 13},
    {SDLK_KP_ENTER, 13},
    {SDLK_ESCAPE, 27},
};

const UInt s_replacement = 0xFFFD;

// Reads one code point starting at _text[_at] and moves _at past it.
UInt decodeOne(const unsigned char* _text, size_t& _at)
{
    const unsigned char lead = _text[_at++];
    if (lead < 0x80)
        return lead;
    int extra = 0;
    UInt code = 0;
    UInt minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
        return s_replacement;
    }
    for (int i = 0; i < extra; ++i) {
        if ((_text[_at] & 0xC0) != 0x80)
            return s_replacement; // the byte that broke the sequence starts the next one
        code = (code << 6) | (_text[_at++] & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < minimum || code > 0x10FFFF || surrogate)
        return s_replacement;
    return code;
}

} // namespace

UInt16 getControlCharacter(Int _keycode)
{
    for (const sControlKey& key : s_controlKeys)
        if (key.keycode == _keycode)
            return key.character;
    return 0;
}

void appendUtf16(const char* _utf8, std::vector<UInt16>& _units)
{
    const unsigned char* text = reinterpret_cast<const unsigned char*>(_utf8);
    size_t at = 0;
    while (text[at] != 0) {
        const UInt code = decodeOne(text, at);
        if (code < 0x10000) {
            _units.push_back(static_cast<UInt16>(code));
        } else {
            const UInt rest = code - 0x10000;
            _units.push_back(static_cast<UInt16>(0xD800 + (rest >> 10)));
            _units.push_back(static_cast<UInt16>(0xDC00 + (rest & 0x3FF)));
        }
    }
}

} // namespace sdl
