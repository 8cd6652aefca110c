#include "Game/Farm/Worker/Jobs/PersonWateringWithHose.h"

#include "Game/Farm/Farm.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Worker/Jobs/PersonKeptJob.h"
#include "Game/Farm/Worker/Jobs/PersonStayWithHose.h"
#include "Game/Farm/Worker/Jobs/PersonTimedJob.h"
#include "Game/Farm/Water/WaterSource.h"
#include "engine/logs/ErrorStack.h"

namespace {

// The hose aims a little below the field's centre, where its soil is.
constexpr Float TARGET_DROP = 10;

} // namespace

void cPersonWateringWithHose::onStart()
{
    GUARD_BEGIN
    cPerson* person = cPerson::getInstance();
    cPerson::setCarryState(cPerson::CARRY_HOSE);
    const Vector2& field = m_field->getPosition();
    const Vector2 target(field.x, field.y + TARGET_DROP);
    person->playHoseAnimation(target);
    if (cFarm* farm = cFarm::getInstance())
        farm->showHose(person->getWaterEmitterPosition(), target, person->getWaterAngle());
    const cWaterSource* source = cWaterSource::getInstance();
    m_flow = source ? source->getCapacity() : 0.0f;
    m_elapsed = 0;
    m_limit = m_flow > 0 ? 2.0f * m_field->getWaterCapacity() / m_flow : 0.0f;
    // A kept time past the bound (an edited file) would only spray longer.
    if (m_resumedLeft > 0 && m_resumedLeft < m_limit)
        m_elapsed = m_limit - m_resumedLeft;
    keptJob::keep(cPersonTimedJob::WATER_WITH_HOSE, m_field);
    keptJob::keepTime(m_limit - m_elapsed);
    person->playSound(cPerson::WORK_HOSE);
    GUARD_END("void cPersonWateringWithHose::onStart()")
}

Bool cPersonWateringWithHose::onProcess()
{
    GUARD_BEGIN
    cPerson* person = cPerson::getInstance();
    // A right click takes the worker off the field.
    if (person->isDropCurrentTask()) {
        person->setDropCurrentTask(false);
        return true;
    }
    return pour(farm::frameTime());
    GUARD_END("Bool cPersonWateringWithHose::onProcess()")
}

Bool cPersonWateringWithHose::pour(Float _dt)
{
    m_field->addWater(_dt * m_flow);
    m_elapsed += _dt;
    keptJob::keepTime(m_limit - m_elapsed);
    return m_field->getWater() >= m_field->getWaterCapacity() - FULL_MARGIN || m_elapsed >= m_limit;
}

void cPersonWateringWithHose::onEnd()
{
    GUARD_BEGIN
    keptJob::forget();
    if (cFarm* farm = cFarm::getInstance())
        farm->hideHose();
    cPerson* person = cPerson::getInstance();
    person->stopLoopSound(cPerson::WORK_HOSE);
    person->getDealer().setTask(new cPersonStayWithHose());
    GUARD_END("void cPersonWateringWithHose::onEnd()")
}
