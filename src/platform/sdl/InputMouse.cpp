#include "platform/sdl/InputMouse.h"

#include "platform/sdl/InputMapping.h"

namespace sdl {

eInputResult cInputMouse::acquire()
{
    if (!m_focus)
        return eInputResult::failed;
    m_acquired = true;
    applyCapture();
    return eInputResult::ok;
}

eInputResult cInputMouse::unacquire()
{
    m_acquired = false;
    m_buffer.clear();
    m_state = sMouseState();
    applyCapture();
    return eInputResult::ok;
}

eInputResult cInputMouse::read(sInputRecord* _records, std::uint32_t& _count)
{
    if (!m_acquired) {
        _count = 0;
        return eInputResult::notAcquired;
    }
    return m_buffer.read(_records, _count);
}

eInputResult cInputMouse::getState(sMouseState& _state)
{
    if (!m_acquired)
        return eInputResult::notAcquired;
    _state = m_state;
    m_state.x = m_state.y = m_state.wheel = 0;
    return eInputResult::ok;
}

eInputResult cInputMouse::setExclusive(bool _exclusive)
{
    m_exclusive = _exclusive;
    applyCapture();
    return eInputResult::ok;
}

void cInputMouse::handleEvent(const SDL_Event& _event)
{
    if (!m_acquired)
        return;
    sInputRecord record;
    switch (_event.type) {
    case SDL_MOUSEMOTION:
        m_state.x += _event.motion.xrel;
        m_state.y += _event.motion.yrel;
        break;
    case SDL_MOUSEWHEEL:
        m_state.wheel += wheelUnits(_event.wheel);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (buttonRecordFor(_event.button, record)) {
            m_buffer.push(record.offset, record.data != 0);
            m_state.buttons[record.offset - MOUSE_OFFSET_BUTTON0] = std::uint8_t(record.data);
        }
        break;
    default:
        break;
    }
}

void cInputMouse::setFocus(bool _focus)
{
    m_focus = _focus;
    if (!_focus)
        unacquire();
}

void cInputMouse::applyCapture()
{
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0)
        SDL_SetRelativeMouseMode(m_exclusive && m_acquired ? SDL_TRUE : SDL_FALSE);
}

} // namespace sdl
