#pragma once
#include "platform/sdl/InputKeyboard.h"
#include "platform/sdl/InputMouse.h"

namespace sdl {

// The keyboard and the mouse of the SDL window. The window's event pump hands every event
// to handleEvent; the devices take what concerns them and follow the window's focus.
class cInputDevices {
public:
    void handleEvent(const SDL_Event& _event);

    cInputKeyboard& getKeyboard() { return m_keyboard; }
    cInputMouse& getMouse() { return m_mouse; }

private:
    cInputKeyboard m_keyboard;
    cInputMouse m_mouse;
};

} // namespace sdl
