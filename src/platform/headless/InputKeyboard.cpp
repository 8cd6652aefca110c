#include "platform/headless/InputKeyboard.h"

#include <cstring>

namespace headless {

eInputResult cInputKeyboard::acquire()
{
    ++m_acquireCount;
    if (!m_focus)
        return eInputResult::failed;
    m_acquired = true;
    return eInputResult::ok;
}

eInputResult cInputKeyboard::unacquire()
{
    m_acquired = false;
    m_buffer.clear();
    return eInputResult::ok;
}

eInputResult cInputKeyboard::read(sInputRecord* _records, std::uint32_t& _count)
{
    eInputResult result = m_nextRead;
    m_nextRead = eInputResult::ok;
    if (result == eInputResult::inputLost)
        unacquire();
    if (result == eInputResult::ok && !m_acquired)
        result = eInputResult::notAcquired;
    if (result != eInputResult::ok) {
        _count = 0;
        return result;
    }
    return m_buffer.read(_records, _count);
}

eInputResult cInputKeyboard::getState(std::uint8_t* _keys)
{
    ++m_stateReads;
    if (!m_acquired)
        return eInputResult::notAcquired;
    std::memcpy(_keys, m_keys, sizeof m_keys);
    return eInputResult::ok;
}

void cInputKeyboard::push(std::uint32_t _code, bool _down)
{
    if (!m_acquired)
        return;
    m_buffer.push(_code, _down);
    setKeyDown(_code, _down);
}

void cInputKeyboard::setKeyDown(std::uint32_t _code, bool _down)
{
    if (_code < INPUT_KEY_COUNT)
        m_keys[_code] = _down ? INPUT_DOWN : 0;
}

} // namespace headless
