#pragma once
#include "platform/devices/ReplayInput.h"

class cHeadlessWindow;

namespace headless {

class cInputKeyboard;
class cInputMouse;

// Replayed input through the scripted window and devices, shaped as the SDL backend delivers
// it: a key press of Backspace, Tab, Enter or Escape also types its control character.
class cReplayInput : public iReplayInput {
public:
    cReplayInput(cHeadlessWindow& _window, cInputKeyboard& _keyboard, cInputMouse& _mouse);

    void moveMouse(Int _x, Int _y) override;
    void setButton(UInt _button, Bool _down) override;
    void setKey(UInt _code, Bool _down) override;
    void typeText(const String& _utf8) override;

private:
    cHeadlessWindow& m_window;
    cInputKeyboard& m_keyboard;
    cInputMouse& m_mouse;
};

} // namespace headless
