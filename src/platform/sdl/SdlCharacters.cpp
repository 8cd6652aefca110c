#include "platform/sdl/SdlCharacters.h"

#include "platform/system/Utf8.h"

#include <SDL.h>

#include <cstring>

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
    if (!_utf8)
        return;
    for (char16_t unit : platform::utf8ToUtf16(_utf8, std::strlen(_utf8)))
        _units.push_back(unit);
}

} // namespace sdl
