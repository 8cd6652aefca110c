#include "engine/SleepingTask.h"

#include "engine/Timer.h"

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
