#include "Game/Farm/Worker/Jobs/PersonCollecting.h"

#include "Game/Farm/Farm.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Worker/PersonWorkplace.h"

Float cPersonCollecting::duration() const
{
    return workplace::mowTime();
}

void cPersonCollecting::begin()
{
    cPerson* person = cPerson::getInstance();
    person->playJobAnimation(cPerson::JOB_HARVEST);
    person->playSound(cPerson::WORK_SCYTHE);
}

void cPersonCollecting::finish()
{
    cPerson* person = cPerson::getInstance();
    const UInt crop = m_field->getCultivationType();
    m_field->setHarvestState(cFarmFieldTile::HS_HARVESTED);
    m_field->setStatus(cFarmFieldTile::FS_GROWING);
    person->stopLoopSound(cPerson::WORK_SCYTHE);
    key::awQCollect() += 1;
    cPerson::setCarriedGood(crop, cPerson::getCarriedGood(crop) + 1);
    person->setJob(cPerson::NO_JOB);
    const cFarm* farm = cFarm::getInstance();
    if (farm && !farm->haveAnyReadyFieldOfType(crop))
        key::awGrowType() &= ~(Int(1) << crop);
}
