#include "Game/Farm/Worker/Jobs/PersonStayWithHose.h"

#include "Game/Farm/ActionArea.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Worker/PersonMoveBasic.h"
#include "Game/Farm/Worker/Jobs/PersonWateringWithHose.h"
#include "Game/Farm/Water/WaterSource.h"
#include "engine/logs/ErrorStack.h"

namespace {

void refreshWaterSource()
{
    if (cWaterSource* source = cWaterSource::getInstance())
        source->updateInstrumentView();
}

} // namespace

void cPersonStayWithHose::onStart()
{
    GUARD_BEGIN
    cPerson* person = cPerson::getInstance();
    cPerson::setCarryState(cPerson::CARRY_HOSE);
    person->setInverceX(false);
    person->updateWaterBar();
    person->updateCarryTips(false, 0, 0);
    person->playIdleAnimation();
    if (const cWaterSource* source = cWaterSource::getInstance()) {
        const Vector2& at = source->getPosition();
        person->setPos(Vector2(at.x + STAND_X, at.y + STAND_Y), true);
    }
    refreshWaterSource();
    GUARD_END("void cPersonStayWithHose::onStart()")
}

Bool cPersonStayWithHose::onProcess()
{
    GUARD_BEGIN
    cPerson* person = cPerson::getInstance();
    if (person->isDropCurrentTask())
        person->setDropCurrentTask(false);
    if (person->getQueue().empty())
        return false;
    m_area = person->acquireTask();
    if (!m_area)
        return false;
    switch (m_area->getAreaType()) {
    case AAT_SPRINKLE:
        // Kept as the current job, its mark showing, until the next click is taken.
        return false;
    case AAT_WATER_SOURCE:
        // Standing at it already.
        person->killCurrentTask();
        m_area = nullptr;
        return false;
    default:
        return true;
    }
    GUARD_END("Bool cPersonStayWithHose::onProcess()")
}

void cPersonStayWithHose::onEnd()
{
    GUARD_BEGIN
    cPerson* person = cPerson::getInstance();
    if (m_area->getAreaType() == AAT_FIELD) {
        person->getDealer().setTask(new cPersonWateringWithHose(static_cast<cFarmFieldTile*>(m_area)));
        person->killCurrentTask();
        return;
    }
    // The hose stays at the pump: the worker walks on with empty hands.
    cPerson::setCarryState(cPerson::CARRY_NOTHING);
    refreshWaterSource();
    person->getDealer().setTask(new cPersonMoveBasic(m_area));
    GUARD_END("void cPersonStayWithHose::onEnd()")
}
