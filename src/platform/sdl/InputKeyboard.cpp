#include "platform/sdl/InputKeyboard.h"

#include "platform/sdl/InputMapping.h"

#include <cstring>

namespace sdl {

eInputResult cInputKeyboard::acquire()
{
    if (!m_focus)
        return eInputResult::failed;
    m_acquired = true;
    return eInputResult::ok;
}

eInputResult cInputKeyboard::unacquire()
{
    m_acquired = false;
    m_buffer.clear();
    std::memset(m_keys, 0, sizeof m_keys);
    return eInputResult::ok;
}

eInputResult cInputKeyboard::read(sInputRecord* _records, std::uint32_t& _count)
{
    if (!m_acquired) {
        _count = 0;
        return eInputResult::notAcquired;
    }
    return m_buffer.read(_records, _count);
}

eInputResult cInputKeyboard::getState(std::uint8_t* _keys)
{
    if (!m_acquired)
        return eInputResult::notAcquired;
    std::memcpy(_keys, m_keys, sizeof m_keys);
    return eInputResult::ok;
}

void cInputKeyboard::handleEvent(const SDL_Event& _event)
{
    if (!m_acquired || (_event.type != SDL_KEYDOWN && _event.type != SDL_KEYUP))
        return;
    sInputRecord record;
    if (!keyRecordFor(_event.key, record))
        return;
    m_buffer.push(record.offset, record.data != 0);
    m_keys[record.offset] = std::uint8_t(record.data);
}

void cInputKeyboard::setFocus(bool _focus)
{
    m_focus = _focus;
    if (!_focus)
        unacquire();
}

} // namespace sdl
