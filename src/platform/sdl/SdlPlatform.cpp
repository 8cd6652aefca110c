#include "platform/sdl/SdlPlatform.h"

#include "platform/sdl/GlRasterDevice.h"

#include <SDL.h>

cSdlPlatform::cSdlPlatform()
{
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0)
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
