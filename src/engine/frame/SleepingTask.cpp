#include "engine/frame/SleepingTask.h"

#include "engine/frame/Timer.h"

Bool cSleepingTask::process()
{
    if (cTimer* timer = cTimer::getInstance())
        m_elapsed += timer->getFrameTime();
    if (m_elapsed < m_delay)
        return false;
    if (m_callback)
        m_callback(m_argument);
    return true;
}
