#include "platform/sdl/KeyboardLayout.h"

#include <gtest/gtest.h>

namespace {

// Layouts by what their key A gives; every other letter key gives its Latin letter.
SDL_Keycode g_keyA = SDLK_a;

SDL_Keycode layout(SDL_Scancode _scancode)
{
    return _scancode == SDL_SCANCODE_A ? g_keyA : SDL_Keycode(SDLK_a + (_scancode - SDL_SCANCODE_A));
}

TEST(KeyboardLayout, AHebrewLetterKeyMakesTheLayoutRightToLeft)
{
    const struct {
        SDL_Keycode keyA;
        Bool rightToLeft;
    } cases[] = {{SDLK_a, false}, {0x05E9, true}, {0x05D0, true}, {0x05EA, true}, {0x05CF, false}, {0x05EB, false},
        {0x0444, false}, {0x0634, false}};
    for (const auto& c : cases) {
        g_keyA = c.keyA;
        EXPECT_EQ(typesHebrew(&layout), c.rightToLeft) << std::hex << c.keyA;
    }
    EXPECT_FALSE(typesHebrew(nullptr));
}

} // namespace
