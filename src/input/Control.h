#pragma once
#include "engine/Types.h"

class cView;

// Input control codes. Keys keep the Windows key codes, so stored bindings keep working:
//   0x000-0x0FF  key released (the key code)      0x100-0x1FF  key pressed (code + 0x100)
//   0x200-0x207  mouse button 0-7 released        0x208-0x20F  mouse button 0-7 pressed
//   0x210-0x212  mouse movement x, y and wheel (mouse handlers only)
//   0x213        every key and mouse-button event, press or release
using eControl = Int;

constexpr eControl CONTROL_KEY_PRESSED = 0x100;
constexpr eControl CONTROL_BUTTON_RELEASED = 0x200;
constexpr eControl CONTROL_BUTTON_PRESSED = 0x208;
constexpr eControl CONTROL_MOUSE_X = 0x210;
constexpr eControl CONTROL_MOUSE_Y = 0x211;
constexpr eControl CONTROL_MOUSE_WHEEL = 0x212;
constexpr eControl CONTROL_ANY = 0x213;
constexpr eControl CONTROL_COUNT = 0x214;

// Key codes the game binds by name.
constexpr eControl KEY_ESCAPE = 0x01;
constexpr eControl KEY_RETURN = 0x1C;
constexpr eControl KEY_SPACE = 0x39;

using fHandler = void (*)(cView* _view);
// One UTF-16 code unit, as the window's character messages give them.
using fCharHandler = void (*)(char16_t _char, cView* _view);
// The axis code (CONTROL_MOUSE_X, _Y or _WHEEL) and the movement since the last frame.
using fMouseHandler = void (*)(eControl _axis, Long _delta, cView* _view);

// A binding: the handler and the view handed back to it (may be null).
template <class Handler>
struct tHandlerRecord {
    Handler m_handler = nullptr;
    cView* m_instance = nullptr;

    bool operator==(const tHandlerRecord& _other) const
    {
        return m_handler == _other.m_handler && m_instance == _other.m_instance;
    }
};

using ControlHandler = tHandlerRecord<fHandler>;
using CharHandler = tHandlerRecord<fCharHandler>;
using MouseHandler = tHandlerRecord<fMouseHandler>;
