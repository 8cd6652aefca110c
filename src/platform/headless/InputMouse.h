#pragma once
#include "platform/devices/InputBuffer.h"

namespace headless {

// A mouse driven by the test: button events, movement and wheel turns, and failing readings.
class cInputMouse : public iMouseDevice {
public:
    eInputResult acquire() override;
    eInputResult unacquire() override;
    eInputResult read(sInputRecord* _records, std::uint32_t& _count) override;
    eInputResult getState(sMouseState& _state) override;
    eInputResult setExclusive(bool _exclusive) override;

    // Buffered only while acquired, as with a real device.
    void pushButton(std::uint32_t _button, bool _down);
    // Any record, for offsets a real mouse would not give.
    void pushRecord(std::uint32_t _offset, bool _down);
    void move(std::int32_t _x, std::int32_t _y, std::int32_t _wheel = 0);
    void failNextRead(eInputResult _result) { m_nextRead = _result; }
    void failNextState(eInputResult _result) { m_nextState = _result; }

    bool isAcquired() const { return m_acquired; }
    bool isExclusive() const { return m_exclusive; }
    int getAcquireCount() const { return m_acquireCount; }
    int getExclusiveChangeCount() const { return m_exclusiveChanges; }

private:
    eInputResult takeForced(eInputResult& _next);

    cInputBuffer m_buffer;
    sMouseState m_state;
    eInputResult m_nextRead = eInputResult::ok;
    eInputResult m_nextState = eInputResult::ok;
    bool m_acquired = false;
    bool m_exclusive = false;
    int m_acquireCount = 0;
    int m_exclusiveChanges = 0;
};

} // namespace headless
