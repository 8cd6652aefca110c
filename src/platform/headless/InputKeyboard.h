#pragma once
#include "platform/devices/InputBuffer.h"

namespace headless {

// A keyboard driven by the test: it pushes key events and holds keys down, and can make the
// next reading fail the way a real device does.
class cInputKeyboard : public iKeyboardDevice {
public:
    eInputResult acquire() override;
    eInputResult unacquire() override;
    eInputResult read(sInputRecord* _records, std::uint32_t& _count) override;
    eInputResult getState(std::uint8_t* _keys) override;

    // Buffered only while acquired, as with a real device; also sets the key's state.
    void push(std::uint32_t _code, bool _down);
    void setKeyDown(std::uint32_t _code, bool _down);
    // The next read gives _result instead of the records; a lost device is also unacquired
    // and its records are gone.
    void failNextRead(eInputResult _result) { m_nextRead = _result; }
    // Makes acquire() fail from now on (the window has no focus), or succeed again.
    void setFocus(bool _focus) { m_focus = _focus; }

    bool isAcquired() const { return m_acquired; }
    int getAcquireCount() const { return m_acquireCount; }
    int getStateReadCount() const { return m_stateReads; }

private:
    cInputBuffer m_buffer;
    std::uint8_t m_keys[INPUT_KEY_COUNT] = {};
    eInputResult m_nextRead = eInputResult::ok;
    bool m_acquired = false;
    bool m_focus = true;
    int m_acquireCount = 0;
    int m_stateReads = 0;
};

} // namespace headless
