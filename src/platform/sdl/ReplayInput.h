#pragma once
#include "platform/devices/ReplayInput.h"

class cSdlWindow;

namespace sdl {

// Replayed input as SDL events in SDL's own queue, so the window's poll hands them to the
// devices and the translation like any other. The cursor is really warped: the window system
// then reports the motion itself, and the cursor position the game reads is the replay's.
class cReplayInput : public iReplayInput {
public:
    explicit cReplayInput(cSdlWindow& _window) : m_window(_window) {}

    void moveMouse(Int _x, Int _y) override;
    void setButton(UInt _button, Bool _down) override;
    void setKey(UInt _code, Bool _down) override;
    void typeText(const String& _utf8) override;

private:
    cSdlWindow& m_window;
    Int m_x = 0;
    Int m_y = 0;
    // The modifier keys the replay holds, for the key events' modifier state.
    UInt m_modifiers = 0;
};

} // namespace sdl
