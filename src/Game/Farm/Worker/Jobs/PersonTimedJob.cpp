#include "Game/Farm/Worker/Jobs/PersonTimedJob.h"

#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Worker/Jobs/PersonIdle.h"

void cPersonTimedJob::onStart()
{
    m_time = duration();
    begin();
}

Bool cPersonTimedJob::onProcess()
{
    const Float dt = farm::frameTime();
    m_time -= dt;
    cPerson::getInstance()->advanceAnimation(dt);
    return m_time <= 0;
}

void cPersonTimedJob::onEnd()
{
    finish();
    cPerson::getInstance()->getDealer().setTask(new cPersonIdle());
}
