#include "Game/Farm/Worker/Jobs/PersonWateringWithPot.h"

#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/Worker/Person.h"

Float cPersonWateringWithPot::duration() const
{
    return cPerson::getInstance()->getJobTime(cPerson::WATER_POT_TIME);
}

void cPersonWateringWithPot::begin()
{
    cPerson* person = cPerson::getInstance();
    person->playJobAnimation(cPerson::JOB_WATER_CAN);
    person->playSound(cPerson::WORK_WATERING_CAN);
}

void cPersonWateringWithPot::finish()
{
    cPerson::setWaterLevel(m_field->addWater(cPerson::getWaterLevel()));
    cPerson::getInstance()->stopLoopSound(cPerson::WORK_WATERING_CAN);
}
