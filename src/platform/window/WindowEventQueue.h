#pragma once
#include "platform/window/WindowEvent.h"

#include <deque>

// A window's events in arrival order. A posted quit comes out after everything already
// waiting, as a quit message does at the end of a Windows message queue.
class cWindowEventQueue {
public:
    void push(const sWindowEvent& _event) { m_events.push_back(_event); }
    void postQuit(Int _exitCode);
    Bool empty() const { return m_events.empty(); }
    // The next event, the posted quit once nothing else waits, or false.
    Bool pop(sWindowEvent& _event);

private:
    std::deque<sWindowEvent> m_events;
    Bool m_quitPosted = false;
    Int m_exitCode = 0;
};
