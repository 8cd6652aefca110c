#include "platform/sdl/HiddenGlWindow.h"

#include "engine/Types.h"
#include "platform/sdl/GlRasterDevice.h"

cHiddenGlWindow::cHiddenGlWindow(int _width, int _height)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw String("Can't start SDL video: ") + SDL_GetError();
    cGlRasterDevice::prepareWindowAttributes();
    m_window = SDL_CreateWindow("", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, _width, _height,
                                SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!m_window) {
        const String error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw "Can't create a GL window: " + error;
    }
}

cHiddenGlWindow::~cHiddenGlWindow()
{
    SDL_DestroyWindow(m_window);
    // Video stays initialised: unloading the window system's libraries between windows
    // gains nothing and loses the names a leak report needs.
}
