#pragma once
#include "platform/devices/InputBuffer.h"

#include <SDL.h>

namespace sdl {

// The mouse fed from SDL button, motion and wheel events: buttons are buffered, movement
// and wheel add up until the next state reading. Works only while the window has the focus.
class cInputMouse : public iMouseDevice {
public:
    eInputResult acquire() override;
    eInputResult unacquire() override;
    eInputResult read(sInputRecord* _records, std::uint32_t& _count) override;
    eInputResult getState(sMouseState& _state) override;
    eInputResult setExclusive(bool _exclusive) override;

    void handleEvent(const SDL_Event& _event);
    void setFocus(bool _focus);

private:
    // Relative mode captures the mouse and hides the cursor while the mouse is exclusive
    // and acquired. It needs a window, so nothing happens without SDL's video.
    void applyCapture();

    cInputBuffer m_buffer;
    sMouseState m_state;
    bool m_acquired = false;
    bool m_focus = true;
    bool m_exclusive = false;
};

} // namespace sdl
