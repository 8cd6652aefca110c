#include "Game/Farm/Water/WaterParticle.h"

#include "Game/Farm/FarmMoment.h"
#include "Game/GameRandom.h"
#include "Ui/XmlAttribute.h"
#include "engine/ErrorStack.h"
#include "engine/ValueConvert.h"

#include <algorithm>

namespace {

constexpr Float RAND_TO_UNIT = 3.051851e-5f;

} // namespace

cWaterParticle::cWaterParticle(cView* _parent) : cPicture(_parent) {}

cWaterParticle::cWaterParticle(const cWaterParticle& _source)
    : cPicture(_source),
      m_velocity(_source.m_velocity),
      m_maxScale(_source.m_maxScale),
      m_startSize(_source.m_startSize),
      m_liveTime(_source.m_liveTime)
{
}

void cWaterParticle::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cPicture::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"Speed", m_velocity, &toVector2);
    Vector2 live(m_liveTime, m_liveTime);
    readXmlAttribute(_xml_doc, u"LiveTime", live, &toVector2);
    Float scale = getMaxScale();
    readXmlAttribute(_xml_doc, u"MaxScale", scale, &toFloat);
    m_maxScale = scale - 1.0f;
    m_startSize = getSize();
    m_liveTime = live.x + (live.y - live.x) * Float(gameRand()) * RAND_TO_UNIT;
    readXmlAttribute(_xml_doc, u"Gravity", s_gravity, &toVector2);
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
    m_velocity.x += s_gravity.x * _dt;
    m_velocity.y += s_gravity.y * _dt;
    const Vector2& position = getPosition();
    setPosition(Vector2(position.x + m_velocity.x * _dt, position.y + m_velocity.y * _dt));
    m_age += _dt;
    const Float a = m_liveTime > 0 ? m_age / m_liveTime : 1.0f;
    const Float grow = 1.0f + m_maxScale * std::min(a, 1.0f);
    setSize(Vector2(m_startSize.x * grow, m_startSize.y * grow));
    setAlpha(std::clamp(2.0f - 2.0f * a, 0.0f, 1.0f));
    if (m_age > m_liveTime)
        m_dead = true;
}
