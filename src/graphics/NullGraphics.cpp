#include "graphics/NullGraphics.h"

#include "platform/window/Window.h"

void cNullGraphics::beginRender()
{
    // The reset a real device does here is the display mode switch; nothing to switch.
    if (m_needReset)
        ++m_resets;
    m_needReset = false;
    m_frameOpen = true;
}

void cNullGraphics::endRender()
{
    if (m_frameOpen)
        ++m_frames;
    m_frameOpen = false;
}

sPixelRect cNullGraphics::getWindowRect()
{
    if (m_window && m_window->isCreated())
        return m_window->getWindowRect();
    return {0, 0, getWidth(), getHeight()};
}
