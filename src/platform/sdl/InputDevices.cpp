#include "platform/sdl/InputDevices.h"

namespace sdl {

void cInputDevices::handleEvent(const SDL_Event& _event)
{
    switch (_event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        m_keyboard.handleEvent(_event);
        break;
    case SDL_MOUSEMOTION:
    case SDL_MOUSEWHEEL:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        m_mouse.handleEvent(_event);
        break;
    case SDL_WINDOWEVENT:
        if (_event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED || _event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            const bool focus = _event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
            m_keyboard.setFocus(focus);
            m_mouse.setFocus(focus);
        }
        break;
    default:
        break;
    }
}

} // namespace sdl
