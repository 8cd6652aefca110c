#include "Game/Farm/Worker/Jobs/PersonPloughting.h"

#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Worker/PersonWorkplace.h"

Float cPersonPloughting::duration() const
{
    return workplace::digTime();
}

void cPersonPloughting::begin()
{
    cPerson* person = cPerson::getInstance();
    person->playJobAnimation(cPerson::JOB_PLOUGH);
    person->playSound(workplace::digLevel() >= 1 ? cPerson::WORK_TRACTOR : cPerson::WORK_SHOVEL);
}

void cPersonPloughting::finish()
{
    m_field->setCultivationType(cGame::GRASS);
    m_field->setStatus(cFarmFieldTile::FS_PLOUGHED);
    m_field->setFertility(m_field->getFertilCapacity());
    cPerson* person = cPerson::getInstance();
    person->stopLoopSound(cPerson::WORK_SHOVEL);
    person->stopLoopSound(cPerson::WORK_TRACTOR);
}
