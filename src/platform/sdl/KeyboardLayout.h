#pragma once
#include "engine/Types.h"

#include <SDL.h>

// What a keyboard layout gives for each physical key.
using fKeyOfScancode = SDL_Keycode (*)(SDL_Scancode);

// True when the layout types Hebrew: a letter key gives a Hebrew letter. The caret of a
// right-to-left text follows it.
Bool typesHebrew(fKeyOfScancode _keyOf);
