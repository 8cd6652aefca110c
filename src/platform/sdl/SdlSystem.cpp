#include "platform/sdl/SdlSystem.h"

#include "platform/sdl/KeyboardLayout.h"

#include <SDL.h>

#include <cstdlib>

UInt cSdlSystem::getTicks()
{
    return SDL_GetTicks();
}

void cSdlSystem::sleep(UInt _milliseconds)
{
    SDL_Delay(_milliseconds);
}

platform::sLocalTime cSdlSystem::getLocalTime()
{
    return platform::getLocalTime();
}

void cSdlSystem::showFatalMessage(const String& _title, const String& _text)
{
    if (std::getenv("CI"))
        return;
    // Without a display the call fails at once; the report is on stderr already.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, _title.c_str(), _text.c_str(), nullptr);
}

Bool cSdlSystem::isRightToLeftKeyboard()
{
    return typesHebrew(&SDL_GetKeyFromScancode);
}
