#include "platform/headless/InputMouse.h"

namespace headless {

eInputResult cInputMouse::acquire()
{
    ++m_acquireCount;
    m_acquired = true;
    return eInputResult::ok;
}

eInputResult cInputMouse::unacquire()
{
    m_acquired = false;
    m_buffer.clear();
    m_state = sMouseState();
    return eInputResult::ok;
}

// The result a forced failure gives, or ok when the device should answer normally.
eInputResult cInputMouse::takeForced(eInputResult& _next)
{
    const eInputResult forced = _next;
    _next = eInputResult::ok;
    if (forced == eInputResult::inputLost)
        unacquire();
    if (forced == eInputResult::ok && !m_acquired)
        return eInputResult::notAcquired;
    return forced;
}

eInputResult cInputMouse::read(sInputRecord* _records, std::uint32_t& _count)
{
    const eInputResult forced = takeForced(m_nextRead);
    if (forced != eInputResult::ok) {
        _count = 0;
        return forced;
    }
    return m_buffer.read(_records, _count);
}

eInputResult cInputMouse::getState(sMouseState& _state)
{
    const eInputResult forced = takeForced(m_nextState);
    if (forced != eInputResult::ok)
        return forced;
    _state = m_state;
    m_state.x = m_state.y = m_state.wheel = 0;
    return eInputResult::ok;
}

eInputResult cInputMouse::setExclusive(bool _exclusive)
{
    if (_exclusive != m_exclusive)
        ++m_exclusiveChanges;
    m_exclusive = _exclusive;
    return eInputResult::ok;
}

void cInputMouse::pushButton(std::uint32_t _button, bool _down)
{
    if (!m_acquired || _button >= MOUSE_BUTTON_COUNT)
        return;
    m_buffer.push(MOUSE_OFFSET_BUTTON0 + _button, _down);
    m_state.buttons[_button] = _down ? INPUT_DOWN : 0;
}

void cInputMouse::pushRecord(std::uint32_t _offset, bool _down)
{
    if (m_acquired)
        m_buffer.push(_offset, _down);
}

void cInputMouse::move(std::int32_t _x, std::int32_t _y, std::int32_t _wheel)
{
    if (!m_acquired)
        return;
    m_state.x += _x;
    m_state.y += _y;
    m_state.wheel += _wheel;
}

} // namespace headless
