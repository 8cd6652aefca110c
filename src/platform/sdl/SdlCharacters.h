#pragma once
#include "engine/Types.h"

#include <vector>

// Typed characters as a Windows character message carries them. SDL's text input brings
// printable text only, so the control characters are made from key presses.
namespace sdl {

// The character a key press types by itself (Backspace 8, Tab 9, Enter 13, Escape 27), or 0
// for a key that types nothing or types through text input. _keycode is SDL's key code.
UInt16 getControlCharacter(Int _keycode);

// Appends UTF-8 text as UTF-16 units: a character beyond the first plane becomes two units,
// and a broken byte sequence one replacement character, so a bad input never stops the rest.
void appendUtf16(const char* _utf8, std::vector<UInt16>& _units);

} // namespace sdl
