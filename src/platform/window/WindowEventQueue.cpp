#include "platform/window/WindowEventQueue.h"

void cWindowEventQueue::postQuit(Int _exitCode)
{
    m_quitPosted = true;
    m_exitCode = _exitCode;
}

Bool cWindowEventQueue::pop(sWindowEvent& _event)
{
    if (!m_events.empty()) {
        _event = m_events.front();
        m_events.pop_front();
        return true;
    }
    if (!m_quitPosted)
        return false;
    m_quitPosted = false;
    _event = sWindowEvent();
    _event.m_type = WE_QUIT;
    _event.m_exitCode = m_exitCode;
    return true;
}
