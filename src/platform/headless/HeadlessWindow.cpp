#include "platform/headless/HeadlessWindow.h"

#include "platform/system/StopSignal.h"

void cHeadlessWindow::create(const String& _title, Int _width, Int _height)
{
    if (!m_createError.empty()) {
        const String error = m_createError;
        m_createError.clear();
        throw error;
    }
    m_title = _title;
    m_client = {m_client.left, m_client.top, m_client.left + _width, m_client.top + _height};
    m_created = true;
    m_shown = false;
}

void cHeadlessWindow::destroy()
{
    m_created = false;
    m_shown = false;
}

Bool cHeadlessWindow::getCursorPosition(Int& _x, Int& _y)
{
    if (!m_cursorAvailable)
        return false;
    _x = m_cursorX;
    _y = m_cursorY;
    return true;
}

void cHeadlessWindow::setCursorPosition(Int _x, Int _y)
{
    m_cursorX = _x;
    m_cursorY = _y;
}

sPixelRect cHeadlessWindow::getWindowRect()
{
    return m_client;
}

void cHeadlessWindow::setClientPosition(Int _x, Int _y)
{
    m_client = {_x, _y, _x + m_client.width(), _y + m_client.height()};
}

Bool cHeadlessWindow::pollEvent(sWindowEvent& _event)
{
    if (platform::takeStopSignal()) {
        sWindowEvent close;
        close.m_type = WE_CLOSE;
        m_events.push(close);
    }
    return m_events.pop(_event);
}

void cHeadlessWindow::postQuit(Int _exitCode)
{
    m_events.postQuit(_exitCode);
}

void cHeadlessWindow::pushCharacter(UInt16 _char)
{
    sWindowEvent event;
    event.m_type = WE_CHAR;
    event.m_char = _char;
    pushEvent(event);
}

void cHeadlessWindow::pushMouseMove(Int _x, Int _y)
{
    sWindowEvent event;
    event.m_type = WE_MOUSE_MOVE;
    event.m_x = _x;
    event.m_y = _y;
    // The cursor is where the move says, as on a desktop.
    setCursorPosition(m_client.left + _x, m_client.top + _y);
    pushEvent(event);
}
