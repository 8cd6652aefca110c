#include "Game/Farm/Worker/Jobs/PersonSowing.h"

#include "Game/Farm/Farm.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Seeds/SeedPackage.h"

Float cPersonSowing::duration() const
{
    return cPerson::getInstance()->getJobTime(cPerson::SOW_TIME);
}

void cPersonSowing::begin()
{
    cPerson* person = cPerson::getInstance();
    person->playJobAnimation(cPerson::JOB_SOW);
    person->playSound(cPerson::WORK_SEED);
}

void cPersonSowing::finish()
{
    cPerson* person = cPerson::getInstance();
    // The package may have left the farm while the seed went in.
    if (person->getCarriedPackage() != m_package || !m_package)
        return;
    m_field->setHarvestState(cFarmFieldTile::HS_SOWN);
    m_field->setCultivationType(cGame::eCultivationType(m_package->getSeedType()));
    // An empty package sows nothing more: its count must not wrap round to billions of seeds.
    const UInt count = m_package->getCount();
    if (count > 0)
        m_package->setCount(count - 1);
    if (count > 1)
        return;
    person->removeTasksWithDestroyedPacket(m_package);
    person->setCarriedPackage(nullptr);
    cPerson::setCarryState(cPerson::CARRY_NOTHING);
    if (cFarm* farm = cFarm::getInstance())
        farm->removeActionArea(m_package);
}
