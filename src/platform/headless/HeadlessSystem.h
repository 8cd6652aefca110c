#pragma once
#include "platform/system/System.h"

// A clock that moves only when told to. Sleeping moves it too, so a frame that waits 50 ms
// takes no real time and the next frame sees exactly 50 ms more.
class cHeadlessSystem : public iSystem {
public:
    UInt getTicks() override { return m_ticks; }
    void sleep(UInt _milliseconds) override;
    platform::sLocalTime getLocalTime() override { return m_localTime; }
    void showFatalMessage(const String& _title, const String& _text) override;
    Bool isRightToLeftKeyboard() override { return m_rightToLeftKeyboard; }

    void setTicks(UInt _ticks) { m_ticks = _ticks; }
    void advance(UInt _milliseconds) { m_ticks += _milliseconds; }
    void setLocalTime(const platform::sLocalTime& _time) { m_localTime = _time; }
    void setRightToLeftKeyboard(Bool _rightToLeft) { m_rightToLeftKeyboard = _rightToLeft; }
    UInt getSleptMilliseconds() const { return m_slept; }
    // The last fatal report "shown", "" when there was none.
    const String& getFatalTitle() const { return m_fatalTitle; }
    const String& getFatalText() const { return m_fatalText; }

private:
    UInt m_ticks = 0;
    UInt m_slept = 0;
    platform::sLocalTime m_localTime = {2026, 1, 1, 12, 0, 0};
    String m_fatalTitle;
    String m_fatalText;
    Bool m_rightToLeftKeyboard = false;
};
