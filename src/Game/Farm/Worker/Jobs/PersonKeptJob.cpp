#include "Game/Farm/Worker/Jobs/PersonKeptJob.h"

#include "Game/Farm/Farm.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/Worker/Jobs/PersonCollecting.h"
#include "Game/Farm/Worker/Jobs/PersonDropToWarehouse.h"
#include "Game/Farm/Worker/Jobs/PersonGetTool.h"
#include "Game/Farm/Worker/Jobs/PersonPloughting.h"
#include "Game/Farm/Worker/Jobs/PersonSowing.h"
#include "Game/Farm/Worker/Jobs/PersonWateringWithHose.h"
#include "Game/Farm/Worker/Jobs/PersonWateringWithPot.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Worker/PersonWorkplace.h"
#include "Game/GameKeys.h"
#include "engine/logs/LogManager.h"

#include <string>

namespace {

cFarmFieldTile* keptField()
{
    const cFarm* farm = cFarm::getInstance();
    const Int index = key::PJobField();
    if (!farm || index < 0 || size_t(index) >= farm->getFields().size())
        return nullptr;
    return farm->getFields()[size_t(index)];
}

Bool hasStatus(const cFarmFieldTile* _field, UInt _status)
{
    return _field && _field->getStatus() == _status;
}

// The kept timed job, when the farm still offers what it works on.
cPersonTimedJob* make(UInt _kind, const cPerson& _person)
{
    cFarmFieldTile* field = keptField();
    const UInt carry = cPerson::getCarryState();
    switch (_kind) {
    case cPersonTimedJob::PLOUGH:
        return field && !hasStatus(field, cFarmFieldTile::FS_PLOUGHED) ? new cPersonPloughting(field) : nullptr;
    case cPersonTimedJob::SOW:
        return hasStatus(field, cFarmFieldTile::FS_PLOUGHED) && _person.getCarriedPackage()
                   ? new cPersonSowing(field, _person.getCarriedPackage())
                   : nullptr;
    case cPersonTimedJob::COLLECT:
        return hasStatus(field, cFarmFieldTile::FS_READY) && carry == cPerson::CARRY_SCYTHE
                   ? new cPersonCollecting(field)
                   : nullptr;
    case cPersonTimedJob::DROP_TO_WAREHOUSE:
        return carry == cPerson::CARRY_SCYTHE ? new cPersonDropToWarehouse() : nullptr;
    case cPersonTimedJob::WATER_WITH_POT:
        return field && carry == cPerson::CARRY_CAN ? new cPersonWateringWithPot(field) : nullptr;
    case cPersonTimedJob::GET_SPADE: return new cPersonGetSpade();
    case cPersonTimedJob::GET_SCYTHE: return new cPersonGetScythe();
    case cPersonTimedJob::GET_BUCKET: return new cPersonGetWBucket();
    default: return nullptr;
    }
}

cTask* takeUpTimed(UInt _kind, const cPerson& _person)
{
    cPersonTimedJob* job = make(_kind, _person);
    if (job)
        job->resumeWith(key::PJobLeft());
    return job;
}

// The spraying goes on while the worker still holds the hose at a pump; without them the bed
// is given what the spraying would have given it: the water up to its brim.
cTask* takeUpHose()
{
    cFarmFieldTile* field = keptField();
    const Int pump = workplace::waterSourceLevel();
    if (field && cPerson::getCarryState() == cPerson::CARRY_HOSE && pump >= 1 && pump <= 2) {
        auto* job = new cPersonWateringWithHose(field);
        job->resumeWith(key::PJobLeft());
        return job;
    }
    if (field)
        field->addWater(field->getWaterCapacity());
    return nullptr;
}

} // namespace

namespace keptJob {

void keep(UInt _kind, const cFarmFieldTile* _field)
{
    key::PJob() = _kind;
    key::PJobField() = _field ? Int(_field->getIndex()) : -1;
}

void keepTime(Float _left)
{
    // Every frame of every job: the variable is found by its name once.
    static const cGameKeyHandle<PT_FLOAT> s_left(key::PJobLeft);
    *s_left = _left;
}

void forget()
{
    key::PJob() = cPersonTimedJob::NO_KIND;
}

cTask* takeUp(const cPerson& _person)
{
    const UInt kind = key::PJob();
    if (kind == cPersonTimedJob::NO_KIND)
        return nullptr;
    cTask* job = kind == cPersonTimedJob::WATER_WITH_HOSE ? takeUpHose() : takeUpTimed(kind, _person);
    if (!job) {
        getLog("error")->print("The worker's job " + std::to_string(kind) + " on field " +
                               std::to_string(key::PJobField()) + " no longer fits the farm: it is not taken up again.");
        forget();
        return nullptr;
    }
    return job;
}

} // namespace keptJob
