#include "Game/Farm/Worker/Jobs/PersonTimedJob.h"

#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Worker/Jobs/PersonIdle.h"
#include "Game/Farm/Worker/Jobs/PersonKeptJob.h"
#include "Game/Farm/Worker/Person.h"

void cPersonTimedJob::onStart()
{
    m_time = duration();
    // A kept time past the job's own length (an edited file) would only hold the worker up.
    if (m_resumedTime > 0 && m_resumedTime < m_time)
        m_time = m_resumedTime;
    keptJob::keep(kind(), field());
    begin();
}

Bool cPersonTimedJob::onProcess()
{
    const Float dt = farm::frameTime();
    m_time -= dt;
    keptJob::keepTime(m_time);
    cPerson::getInstance()->advanceAnimation(dt);
    return m_time <= 0;
}

void cPersonTimedJob::onEnd()
{
    keptJob::forget();
    finish();
    cPerson::getInstance()->getDealer().setTask(new cPersonIdle());
}
