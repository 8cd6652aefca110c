#pragma once
#include "engine/Types.h"

#include <vector>

class cView;

// One switch of a view (its own enabled or absolute-enabled flag) held off by any number of
// holders at once: a dialog, a tutorial tip, a panel. The first hold switches the view off and
// remembers how it was; the last release puts that back, so holders that come and go in any
// order never leave the view off. Something that switched the view on meanwhile had the last
// word, and the release leaves it on. A holder holds once, however often it takes the hold.
class cSwitchHold {
public:
    enum eSwitch : UInt { ENABLE, ABSOLUTE_ENABLE };

    cSwitchHold(cView& _view, eSwitch _switch) : m_view(_view), m_switch(_switch) {}
    cSwitchHold(const cSwitchHold&) = delete;
    cSwitchHold& operator=(const cSwitchHold&) = delete;

    void take(const void* _holder);
    // Nothing when _holder holds nothing.
    void release(const void* _holder);

    Bool isHeld() const { return !m_holders.empty(); }
    Bool isHeldBy(const void* _holder) const;

private:
    Bool isOn() const;
    void set(Bool _on);

    cView& m_view;
    eSwitch m_switch;
    std::vector<const void*> m_holders;
    Bool m_wasOn = false;
};
