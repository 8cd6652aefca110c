#include "Game/Farm/PersonTimedJob.h"

#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Person.h"
#include "Game/Farm/PersonIdle.h"

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
