#include "platform/sdl/SdlPlatform.h"

#include "platform/sdl/GlRasterDevice.h"

#include <SDL.h>

cSdlPlatform::cSdlPlatform()
{
    // Events only: the clock and sleeps need no timer part, whose thread, started this early,
    // would make every locked C-library call of the window system's start (it reads its
    // compose tables a character at a time) pay for locking.
    if (SDL_Init(SDL_INIT_EVENTS) != 0)
        throw String(SDL_GetError());
    m_window = std::make_unique<cSdlWindow>();
    m_window->addEventListener(this, [this](const SDL_Event& _event) { m_devices.handleEvent(_event); });
    m_replay = std::make_unique<sdl::cReplayInput>(*m_window);
}

cSdlPlatform::~cSdlPlatform()
{
    // The window, its video part and the sound device go before SDL itself.
    m_replay.reset();
    m_window.reset();
    m_sound.free();
    SDL_Quit();
}

std::unique_ptr<iRasterDevice> cSdlPlatform::createRasterDevice()
{
    return std::make_unique<cGlRasterDevice>(m_window->getSdlWindow());
}
