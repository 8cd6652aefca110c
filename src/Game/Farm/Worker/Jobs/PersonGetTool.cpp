#include "Game/Farm/Worker/Jobs/PersonGetTool.h"

#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Worker/PersonWorkplace.h"

void cPersonGetTool::finish()
{
    cPerson::setCarryState(m_carry);
    workplace::refreshToolViews();
}

cPersonGetSpade::cPersonGetSpade() : cPersonGetTool(cPerson::CARRY_SPADE) {}

Float cPersonGetSpade::duration() const
{
    return cPerson::getInstance()->getJobTime(cPerson::GET_SPADE_TIME);
}

cPersonGetScythe::cPersonGetScythe() : cPersonGetTool(cPerson::CARRY_SCYTHE) {}

Float cPersonGetScythe::duration() const
{
    return cPerson::getInstance()->getJobTime(cPerson::GET_SCYTHE_TIME);
}

cPersonGetWBucket::cPersonGetWBucket() : cPersonGetTool(cPerson::CARRY_CAN) {}

Float cPersonGetWBucket::duration() const
{
    return cPerson::getInstance()->getJobTime(cPerson::GET_BUCKET_TIME);
}

void cPersonGetWBucket::begin()
{
    cPerson::getInstance()->playSound(cPerson::WORK_WELL);
}

void cPersonGetWBucket::finish()
{
    cPerson::setWaterLevel(workplace::canCapacity());
    cPersonGetTool::finish();
}
