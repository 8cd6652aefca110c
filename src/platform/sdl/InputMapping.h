#pragma once
#include "platform/devices/InputDevice.h"

#include <SDL.h>

#include <string>
#include <vector>

// SDL events in the shape of the Windows devices and messages the game was made for. Pure
// functions, so they are tested without a window.
namespace sdl {

struct sKeyMapping {
    SDL_Scancode scancode; // SDL_SCANCODE_UNKNOWN where SDL has no such key
    std::uint32_t code;    // the Windows key code
};

// Every key code that has a display name, with the SDL key it comes from.
const std::vector<sKeyMapping>& getKeyMappingTable();

// The Windows key code of an SDL key, or 0 when the game has none for it.
std::uint32_t keyCodeForScancode(SDL_Scancode _scancode);

// The record a key event gives; false for auto-repeats (a held key is one press) and for
// keys without a code.
bool keyRecordFor(const SDL_KeyboardEvent& _event, sInputRecord& _record);

// SDL numbers the buttons left 1, middle 2, right 3, then the side buttons; Windows has
// left 0, right 1, middle 2. -1 for buttons beyond the eighth.
int mouseButtonIndex(std::uint8_t _button);
bool buttonRecordFor(const SDL_MouseButtonEvent& _event, sInputRecord& _record);

// Wheel movement in Windows units, MOUSE_WHEEL_NOTCH a notch, away from the player positive.
std::int32_t wheelUnits(const SDL_MouseWheelEvent& _event);

} // namespace sdl
