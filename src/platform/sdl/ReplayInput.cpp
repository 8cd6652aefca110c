#include "platform/sdl/ReplayInput.h"

#include "platform/sdl/InputMapping.h"
#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

#include <cstring>
#include <sstream>

namespace sdl {

namespace {

struct sModifier {
    SDL_Scancode scancode;
    UInt modifier;
};

const sModifier s_modifiers[] = {
    {SDL_SCANCODE_LSHIFT, KMOD_LSHIFT}, {SDL_SCANCODE_RSHIFT, KMOD_RSHIFT},
    {SDL_SCANCODE_LCTRL, KMOD_LCTRL},   {SDL_SCANCODE_RCTRL, KMOD_RCTRL},
    {SDL_SCANCODE_LALT, KMOD_LALT},     {SDL_SCANCODE_RALT, KMOD_RALT},
};

SDL_Scancode scancodeForKey(UInt _code)
{
    for (const sKeyMapping& mapping : getKeyMappingTable())
        if (mapping.code == _code && mapping.scancode != SDL_SCANCODE_UNKNOWN)
            return mapping.scancode;
    return SDL_SCANCODE_UNKNOWN;
}

// SDL's number of a button in Windows order, or 0 for none.
std::uint8_t sdlButton(UInt _button)
{
    for (int button = SDL_BUTTON_LEFT; button <= 8; ++button)
        if (mouseButtonIndex(std::uint8_t(button)) == int(_button))
            return std::uint8_t(button);
    return 0;
}

Uint32 windowId(const cSdlWindow& _window)
{
    return _window.getSdlWindow() ? SDL_GetWindowID(_window.getSdlWindow()) : 0;
}

void push(SDL_Event& _event)
{
    if (SDL_PushEvent(&_event) < 0)
        throw "A replayed event could not be queued: " + String(SDL_GetError());
}

} // namespace

void cReplayInput::moveMouse(Int _x, Int _y)
{
    const Int dx = _x - m_x;
    const Int dy = _y - m_y;
    m_x = _x;
    m_y = _y;
    SDL_Window* window = m_window.getSdlWindow();
    if (!window)
        return;
    SDL_WarpMouseInWindow(window, _x, _y);
    // SDL takes a warp as the pointer's position at once, so the motion the display reports
    // for it moves by nothing and never comes: the mouse device would not see the pointer
    // move, and nothing under it would be hovered. The motion comes here instead.
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = windowId(m_window);
    event.motion.x = _x;
    event.motion.y = _y;
    event.motion.xrel = dx;
    event.motion.yrel = dy;
    push(event);
}

void cReplayInput::setButton(UInt _button, Bool _down)
{
    const std::uint8_t button = sdlButton(_button);
    if (button == 0)
        throw "Mouse button " + std::to_string(_button) + " does not exist.";
    SDL_Event event{};
    event.type = _down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.windowID = windowId(m_window);
    event.button.button = button;
    event.button.state = _down ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = m_x;
    event.button.y = m_y;
    push(event);
}

void cReplayInput::setKey(UInt _code, Bool _down)
{
    const SDL_Scancode scancode = scancodeForKey(_code);
    if (scancode == SDL_SCANCODE_UNKNOWN)
    {
        std::ostringstream text;
        text << "Key 0x" << std::hex << std::uppercase << _code << " has no key on this keyboard.";
        throw text.str();
    }
    for (const sModifier& modifier : s_modifiers)
        if (modifier.scancode == scancode)
            m_modifiers = _down ? (m_modifiers | modifier.modifier) : (m_modifiers & ~modifier.modifier);
    SDL_Event event{};
    event.type = _down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.windowID = windowId(m_window);
    event.key.state = _down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = scancode;
    event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
    event.key.keysym.mod = Uint16(m_modifiers);
    push(event);
}

void cReplayInput::typeText(const String& _utf8)
{
    // An event holds a few bytes of text; the pieces are cut between characters.
    const std::size_t room = SDL_TEXTINPUTEVENT_TEXT_SIZE - 1;
    std::size_t start = 0;
    while (start < _utf8.size()) {
        std::size_t end = start + room < _utf8.size() ? start + room : _utf8.size();
        while (end < _utf8.size() && end > start + 1 && (static_cast<unsigned char>(_utf8[end]) & 0xC0) == 0x80)
            --end;
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        event.text.windowID = windowId(m_window);
        std::memcpy(event.text.text, _utf8.data() + start, end - start);
        push(event);
        start = end;
    }
}

} // namespace sdl
