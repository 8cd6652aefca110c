#pragma once
#include "platform/devices/InputBuffer.h"

#include <SDL.h>

namespace sdl {

// The keyboard fed from SDL key events. Like a foreground device it works only while the
// window has the focus: losing it unacquires the keyboard, and events while unacquired are
// dropped.
class cInputKeyboard : public iKeyboardDevice {
public:
    eInputResult acquire() override;
    eInputResult unacquire() override;
    eInputResult read(sInputRecord* _records, std::uint32_t& _count) override;
    eInputResult getState(std::uint8_t* _keys) override;

    void handleEvent(const SDL_Event& _event);
    void setFocus(bool _focus);

private:
    cInputBuffer m_buffer;
    std::uint8_t m_keys[INPUT_KEY_COUNT] = {};
    bool m_acquired = false;
    bool m_focus = true;
};

} // namespace sdl
