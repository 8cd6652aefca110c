#include "platform/sdl/KeyboardLayout.h"

namespace {

// The Hebrew letters, final forms included.
constexpr SDL_Keycode FIRST_HEBREW = 0x05D0, LAST_HEBREW = 0x05EA;

} // namespace

Bool typesHebrew(fKeyOfScancode _keyOf)
{
    if (!_keyOf)
        return false;
    for (int scancode = SDL_SCANCODE_A; scancode <= SDL_SCANCODE_Z; ++scancode) {
        const SDL_Keycode key = _keyOf(SDL_Scancode(scancode));
        if (key >= FIRST_HEBREW && key <= LAST_HEBREW)
            return true;
    }
    return false;
}
