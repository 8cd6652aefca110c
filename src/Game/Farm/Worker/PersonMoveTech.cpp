#include "Game/Farm/Worker/PersonMoveTech.h"

#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Worker/Person.h"

#include <algorithm>
#include <cmath>

void cPersonMoveTech::startStraight(const Vector2& _facing)
{
    cPerson* person = cPerson::getInstance();
    person->playMoveTechAnimation(_facing);
    const Vector2 p = person->getHotSpotPosition();
    if ((m_arrived = isNear(m_goal, p)))
        return;
    const Vector2 way(m_goal.x - p.x, m_goal.y - p.y);
    m_time = std::sqrt(way.x * way.x + way.y * way.y) / person->getSpeed();
    m_velocity = Vector2(way.x / m_time, way.y / m_time);
}

void cPersonMoveTech::onStart()
{
    cPerson* person = cPerson::getInstance();
    if (takeGoal())
        return;
    const Vector2 p = person->getHotSpotPosition();
    const Float dx = std::fabs(m_goal.x - p.x), dy = std::fabs(m_goal.y - p.y);
    if (dx >= IN_LINE && dy < IN_LINE) {
        startStraight(Vector2(p.x <= m_goal.x ? 100.0f : -100.0f, 0));
        return;
    }
    if (dx < IN_LINE) {
        startStraight(Vector2(0, p.y <= m_goal.y ? 100.0f : -100.0f));
        return;
    }
    m_oneLeg = false;
    person->playMoveTechAnimation(Vector2(0, p.y <= m_goal.y ? 100.0f : -100.0f));
    // The second leg faces sideways: its hot spot is the one that must end on the goal.
    const Vector2 o = person->getRawHotSpotOffset(cPerson::DIRECTION_SIDE);
    const Vector2& q = person->getPosition();
    const Float speed = person->getSpeed();
    if (q.x <= m_goal.x) {
        m_horizontalTime = (m_goal.x - q.x + o.x) / speed;
        m_horizontalVelocity = Vector2(speed, 0);
    } else {
        m_horizontalTime = (q.x - m_goal.x + o.x) / speed;
        m_horizontalVelocity = Vector2(-speed, 0);
    }
    if (q.y <= m_goal.y) {
        m_verticalTime = (m_goal.y - q.y - o.y) / speed;
        m_verticalVelocity = Vector2(0, speed);
    } else {
        m_verticalTime = (q.y - m_goal.y + o.y) / speed;
        m_verticalVelocity = Vector2(0, -speed);
    }
    // A leg the hot spot makes negative has nothing to drive.
    m_horizontalTime = std::max(0.0f, m_horizontalTime);
    m_verticalTime = std::max(0.0f, m_verticalTime);
}

Bool cPersonMoveTech::step(Float& _time, const Vector2& _velocity, Float _dt)
{
    cPerson* person = cPerson::getInstance();
    const Float dt = std::min(_dt, _time);
    _time -= dt;
    const Vector2& at = person->getPosition();
    person->setPos(Vector2(at.x + _velocity.x * dt, at.y + _velocity.y * dt), true);
    person->advanceAnimation(dt);
    return _time == 0;
}

Bool cPersonMoveTech::onProcess()
{
    if (m_oneLeg)
        return cPersonMoveBasic::onProcess();
    if (endsEarly())
        return true;
    cPerson* person = cPerson::getInstance();
    const Float dt = farm::frameTime();
    if (m_verticalTime > 0) {
        if (step(m_verticalTime, m_verticalVelocity, dt))
            person->playMoveTechAnimation(m_horizontalVelocity);
        return false;
    }
    if (m_horizontalTime > 0) {
        if (person->getDirection() != cPerson::DIRECTION_SIDE)
            person->playMoveTechAnimation(m_horizontalVelocity);
        step(m_horizontalTime, m_horizontalVelocity, dt);
        return false;
    }
    placeOnGoal();
    return true;
}
