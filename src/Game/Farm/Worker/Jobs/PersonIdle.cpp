#include "Game/Farm/Worker/Jobs/PersonIdle.h"

#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Worker/PersonMoveBasic.h"
#include "Game/Farm/Worker/PersonMoveTech.h"
#include "Game/Farm/Worker/PersonWorkplace.h"
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/GameKeys.h"

void cPersonIdle::onStart()
{
    cPerson* person = cPerson::getInstance();
    person->updateWaterBar();
    switch (cPerson::getCarryState()) {
    case cPerson::CARRY_SEED_PACKAGE: {
        const cSeedPackage* package = person->getCarriedPackage();
        person->updateCarryTips(true, package ? package->getCount() : 0, cPerson::PACKAGE_SEGMENTS);
        break;
    }
    case cPerson::CARRY_SCYTHE:
        person->updateCarryTips(true, cPerson::getCarriedCount(), workplace::basketCapacity());
        break;
    default:
        person->updateCarryTips(false, 0, 0);
        break;
    }
    person->playIdleAnimation();
}

Bool cPersonIdle::onProcess()
{
    cPerson* person = cPerson::getInstance();
    if (person->isDropCurrentTask())
        person->setDropCurrentTask(false);
    if (!person->getQueue().empty())
        return true;
    // Waiting breaks a run of well-aimed clicks.
    key::awAdecvStart() = false;
    person->advanceAnimation(farm::frameTime());
    return false;
}

void cPersonIdle::onEnd()
{
    cPerson* person = cPerson::getInstance();
    const UInt carry = cPerson::getCarryState();
    cActionArea* area = person->acquireTask();
    // The scythe always drives, the spade from its first vehicle on.
    if (carry == cPerson::CARRY_SCYTHE || (carry == cPerson::CARRY_SPADE && workplace::digLevel() != 0))
        person->getDealer().setTask(new cPersonMoveTech(area));
    else
        person->getDealer().setTask(new cPersonMoveBasic(area));
}
