#include "platform/headless/ReplayInput.h"

#include "platform/system/Utf8.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/InputKeyboard.h"
#include "platform/headless/InputMouse.h"

namespace headless {

namespace {

struct sControlKey {
    UInt code;
    UInt16 character;
};

const sControlKey s_controlKeys[] = {
    {0x01, 27}, // Esc
    {0x0E, 8},  // Back
    {0x0F, 9},  // Tab
    {0x1C, 13}, // Enter
    {0x9C, 13}, // NumPad Enter
};

} // namespace

cReplayInput::cReplayInput(cHeadlessWindow& _window, cInputKeyboard& _keyboard, cInputMouse& _mouse)
    : m_window(_window), m_keyboard(_keyboard), m_mouse(_mouse)
{
}

void cReplayInput::moveMouse(Int _x, Int _y)
{
    const sPixelRect client = m_window.getWindowRect();
    Int x = client.left;
    Int y = client.top;
    m_window.getCursorPosition(x, y);
    m_mouse.move(client.left + _x - x, client.top + _y - y);
    m_window.pushMouseMove(_x, _y);
}

void cReplayInput::setButton(UInt _button, Bool _down)
{
    m_mouse.pushButton(_button, _down);
}

void cReplayInput::setKey(UInt _code, Bool _down)
{
    m_keyboard.push(_code, _down);
    if (!_down)
        return;
    for (const sControlKey& key : s_controlKeys)
        if (key.code == _code)
            m_window.pushCharacter(key.character);
}

void cReplayInput::typeText(const String& _utf8)
{
    for (char16_t unit : platform::utf8ToUtf16(_utf8.data(), _utf8.size()))
        m_window.pushCharacter(UInt16(unit));
}

} // namespace headless
