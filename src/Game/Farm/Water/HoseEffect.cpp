#include "Game/Farm/Water/HoseEffect.h"

#include "Game/GameRandom.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"

#include <cmath>

namespace {

// A draw of the game's random source as degrees, once round the circle.
constexpr Float RAND_TO_DEGREES = 0.010986663f;
constexpr Float RAND_TO_UNIT = 3.051851e-5f;
constexpr Float DEGREES_TO_RADIANS = 0.017453292f;

} // namespace

Vector2 turnVector(const Vector2& _v, Float _degrees)
{
    const Float theta = _degrees * DEGREES_TO_RADIANS;
    const Float c = std::cos(theta), s = std::sin(theta);
    return Vector2(_v.x * c + _v.y * s, _v.y * c - _v.x * s);
}

cHoseEffect::cHoseEffect(cView* _parent, const String& _path) : cWaterEffect(_parent)
{
    GUARD_BEGIN
    loadFrom(_path);
    GUARD_END("cHoseEffect::cHoseEffect(cView* _parent, const String& _path)")
}

void cHoseEffect::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    getPrototype()->loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"Speed", m_speed, &toVector2);
    readXmlAttribute(_xml_doc, u"DistortionRadius", m_distortionRadius, &toFloat);
    // A drop without speed would never arrive.
    if (!(m_speed.x > 0) || !(m_speed.y > 0))
        throw _xml_doc->getDocumentName() + ": the hose's drops need a Speed above zero.";
    loadFrequency(_xml_doc);
    GUARD_END("void cHoseEffect::loadXML(iXML* _xml_doc)")
}

void cHoseEffect::startHose(const Vector2& _nozzle, const Vector2& _target, Float _angle)
{
    GUARD_BEGIN
    m_angle = _angle;
    startTime(0);
    setPosition(_nozzle);
    m_start = Vector2(0, 0);
    m_target = Vector2(_target.x - _nozzle.x, _target.y - _nozzle.y);
    setActive(true);
    GUARD_END("void cHoseEffect::startHose(const Vector2& _nozzle, const Vector2& _target, Float _angle)")
}

cWaterParticle* cHoseEffect::genFunc()
{
    if (m_start.x == m_target.x && m_start.y == m_target.y)
        return nullptr;
    const Vector2 offset = turnVector(Vector2(m_distortionRadius, 0), Float(gameRand()) * RAND_TO_DEGREES);
    const Vector2 d(m_target.x + offset.x - m_start.x, m_target.y + offset.y - m_start.y);
    const Float dist = std::sqrt(d.x * d.x + d.y * d.y);
    // An aim on the nozzle itself has no way to fly.
    if (!(dist > 0))
        return nullptr;
    const Float speed = m_speed.x + Float(gameRand()) * (m_speed.y - m_speed.x) * RAND_TO_UNIT;
    const Float t = dist / speed;
    const Vector2 u = turnVector(Vector2(d.x / dist, d.y / dist), -m_angle);
    const Float vx = d.x / t;
    const Float vy = u.y * speed;
    const Vector2& origin = getPosition();
    cWaterParticle* drop = makeDrop(Vector2(m_start.x + origin.x, m_start.y + origin.y));
    drop->setLife(t);
    drop->setVelocity(Vector2(vx, vy));
    drop->setGravity(Vector2(0, 2.0f * (d.y - vy * t) / (t * t)));
    return drop;
}
