#include "Ui/screens/Slide.h"

#include "Ui/controls/Control.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/frame/Timer.h"
#include "engine/text/ValueConvert.h"

#include <cmath>

void cSlide::start(Int _mode, const Vector2& _from, const Vector2& _to)
{
    m_moveMode = _mode;
    if (_mode == MODE_IDLE)
        return;
    m_from = _from;
    m_to = _to;
    const Float dx = _to.x - _from.x, dy = _to.y - _from.y;
    m_timeLeft = std::sqrt(dx * dx + dy * dy) / m_moveSpeed;
    // A move of no distance has no direction: it simply ends at the next step.
    m_velocity = m_timeLeft > 0 ? Vector2(dx / m_timeLeft, dy / m_timeLeft) : Vector2(0, 0);
}

Bool cSlide::advance(Float _frameTime, Vector2& _position)
{
    if (m_moveMode == MODE_IDLE)
        return false;
    m_timeLeft -= _frameTime;
    if (m_timeLeft > 0) {
        _position = Vector2(_position.x + _frameTime * m_velocity.x, _position.y + _frameTime * m_velocity.y);
        return false;
    }
    _position = m_to;
    m_moveMode = MODE_IDLE;
    return true;
}

void cSlide::setMoveSpeed(Float _speed)
{
    if (!(_speed > 0))
        throw "MoveSpeed <= 0";
    m_moveSpeed = _speed;
}

void loadMoveSpeed(iXML* _xml, cSlide& _slide)
{
    Float speed = _slide.getMoveSpeed();
    if (readXmlAttribute(_xml, u"MoveSpeed", speed, toFloat))
        _slide.setMoveSpeed(speed);
}

Float getSlideFrameTime()
{
    cTimer* timer = cTimer::getInstance();
    return timer ? timer->getFrameTime() : 0;
}

cControl* makeSlideContent(cView* _parent)
{
    auto* group = new cControl(_parent);
    group->setPosition(Vector2(0, 0));
    group->setSize(Vector2(1, 1));
    // Without a picture a control draws a plain quad; the group only carries its children.
    group->setAlpha(0);
    group->show();
    group->enable();
    group->absoluteEnable();
    return group;
}
