#include "Game/Farm/Water/WaterParticle.h"

#include "Game/Farm/FarmMoment.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"

#include <algorithm>

cWaterParticle::cWaterParticle(cView* _parent) : cPicture(_parent) {}

cWaterParticle::cWaterParticle(const cWaterParticle& _source)
    : cPicture(_source),
      m_velocity(_source.m_velocity),
      m_gravity(_source.m_gravity),
      m_maxScale(_source.m_maxScale),
      m_baseSize(_source.m_baseSize),
      m_life(_source.m_life)
{
}

void cWaterParticle::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cPicture::loadXML(_xml_doc);
    Float scale = getMaxScale();
    readXmlAttribute(_xml_doc, u"MaxScale", scale, &toFloat);
    setMaxScale(scale);
    m_baseSize = getSize();
    GUARD_END("void cWaterParticle::loadXML(iXML* _xml_doc)")
}

void cWaterParticle::absoluteProcess()
{
    GUARD_BEGIN
    advance(farm::frameTime());
    GUARD_END("void cWaterParticle::absoluteProcess()")
}

void cWaterParticle::advance(Float _dt)
{
    setAnimTime(getAnimTime() + _dt);
    // Moving by the mean of the speeds before and after keeps the drop on its parabola,
    // whatever the frame time: a hose drop lands exactly where its gravity was solved for.
    const Vector2 before = m_velocity;
    m_velocity.x += _dt * m_gravity.x;
    m_velocity.y += _dt * m_gravity.y;
    const Vector2& position = getPosition();
    setPosition(Vector2(position.x + _dt * 0.5f * (before.x + m_velocity.x),
                        position.y + _dt * 0.5f * (before.y + m_velocity.y)));
    m_age += _dt;
    const Float t = m_life > 0 ? m_age / m_life : 1.0f;
    const Float grow = 1.0f + m_maxScale * std::min(t, 1.0f);
    setSize(Vector2(m_baseSize.x * grow, m_baseSize.y * grow));
    setAlpha(std::clamp(2.0f - 2.0f * t, 0.0f, 1.0f));
    if (m_age > m_life)
        m_finished = true;
}
