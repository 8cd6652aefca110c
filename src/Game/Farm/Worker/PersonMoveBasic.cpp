#include "Game/Farm/Worker/PersonMoveBasic.h"

#include "Game/Farm/ActionArea.h"
#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Worker/PersonArrival.h"
#include "Game/Farm/Worker/Jobs/PersonIdle.h"
#include "Game/Farm/Seeds/SeedPackage.h"

#include <cmath>

Bool cPersonMoveBasic::isNear(const Vector2& _a, const Vector2& _b)
{
    return std::fabs(_a.x - _b.x) <= ARRIVAL_DISTANCE && std::fabs(_a.y - _b.y) <= ARRIVAL_DISTANCE;
}

Bool cPersonMoveBasic::takeGoal()
{
    cPerson* person = cPerson::getInstance();
    // A job whose area went while the worker set out has nowhere to go.
    if (!m_area)
        return m_arrived = true;
    m_goal = m_area->getGoal(cPerson::getCarryState());
    const Vector2 origin = person->getGroundOrigin();
    m_groundGoal = Vector2(m_goal.x - origin.x, m_goal.y - origin.y);
    return m_arrived = isNear(m_goal, person->getHotSpotPosition());
}

void cPersonMoveBasic::onStart()
{
    cPerson* person = cPerson::getInstance();
    if (takeGoal())
        return;
    Vector2 p = person->getHotSpotPosition();
    person->playMoveAnimation(Vector2(m_goal.x - p.x, m_goal.y - p.y));
    // The new facing has its own hot spot.
    p = person->getHotSpotPosition();
    if ((m_arrived = isNear(m_goal, p)))
        return;
    const Vector2 way(m_goal.x - p.x, m_goal.y - p.y);
    m_time = std::sqrt(way.x * way.x + way.y * way.y) / person->getSpeed();
    m_velocity = Vector2(way.x / m_time, way.y / m_time);
}

Bool cPersonMoveBasic::endsEarly()
{
    cPerson* person = cPerson::getInstance();
    if (person->isDropCurrentTask())
        return true;
    if (m_arrived) {
        m_time = 0;
        return true;
    }
    // The player took the package up while the worker went for it.
    return m_area && m_area->getAreaType() == AAT_SEED_PACKAGE &&
           static_cast<cSeedPackage*>(m_area)->getState() == cSeedPackage::ON_MOUSE;
}

void cPersonMoveBasic::placeOnGoal()
{
    cPerson* person = cPerson::getInstance();
    const Vector2 origin = person->getGroundOrigin();
    const Vector2 offset = person->getHotSpotOffset(person->getDirection());
    person->setPos(Vector2(origin.x + m_groundGoal.x - offset.x, origin.y + m_groundGoal.y - offset.y), true);
}

Bool cPersonMoveBasic::onProcess()
{
    if (endsEarly())
        return true;
    cPerson* person = cPerson::getInstance();
    const Float dt = farm::frameTime();
    m_time -= dt;
    if (m_time > 0) {
        const Vector2& at = person->getPosition();
        person->setPos(Vector2(at.x + m_velocity.x * dt, at.y + m_velocity.y * dt), true);
        person->advanceAnimation(dt);
        return false;
    }
    placeOnGoal();
    return true;
}

void cPersonMoveBasic::onEnd()
{
    cPerson* person = cPerson::getInstance();
    person->killCurrentTask();
    if (person->isDropCurrentTask() || !m_area) {
        person->setDropCurrentTask(false);
        person->getDealer().setTask(new cPersonIdle());
        return;
    }
    m_arrived = false;
    // A package taken up by the pointer, or by the worker already, is nothing to go for.
    if (m_area->getAreaType() == AAT_SEED_PACKAGE &&
        static_cast<cSeedPackage*>(m_area)->getState() != cSeedPackage::LYING) {
        person->getDealer().setTask(new cPersonIdle());
        return;
    }
    decideArrival(m_area);
}
