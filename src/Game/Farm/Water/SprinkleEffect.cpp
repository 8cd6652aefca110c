#include "Game/Farm/Water/SprinkleEffect.h"

#include "Game/Farm/Water/HoseEffect.h"
#include "Game/GameRandom.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"

namespace {

constexpr Float RAND_TO_UNIT = 3.051851e-5f;
// Without MaxScale a drop of spray grows to three times its size.
constexpr Float DEFAULT_MAX_SCALE = 3.0f;

} // namespace

cSprinkleEffect::cSprinkleEffect(cView* _parent, const String& _path) : cWaterEffect(_parent)
{
    GUARD_BEGIN
    getPrototype()->setMaxScale(DEFAULT_MAX_SCALE);
    loadFrom(_path);
    GUARD_END("cSprinkleEffect::cSprinkleEffect(cView* _parent, const String& _path)")
}

void cSprinkleEffect::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cWaterParticle& drop = *getPrototype();
    drop.loadXML(_xml_doc);
    Vector2 speed = drop.getVelocity();
    readXmlAttribute(_xml_doc, u"Speed", speed, &toVector2);
    drop.setVelocity(speed);
    Vector2 gravity = drop.getGravity();
    readXmlAttribute(_xml_doc, u"Gravity", gravity, &toVector2);
    drop.setGravity(gravity);
    readXmlAttribute(_xml_doc, u"RandAngle", m_randAngle, &toFloat);
    readXmlAttribute(_xml_doc, u"LiveTime", m_liveTime, &toVector2);
    drop.setLife(drawLife());
    loadFrequency(_xml_doc);
    GUARD_END("void cSprinkleEffect::loadXML(iXML* _xml_doc)")
}

Float cSprinkleEffect::drawLife() const
{
    return m_liveTime.x + (m_liveTime.y - m_liveTime.x) * Float(gameRand()) * RAND_TO_UNIT;
}

cWaterParticle* cSprinkleEffect::genFunc()
{
    cWaterParticle* drop = makeDrop(getPosition());
    const Float angle = -m_randAngle + 2.0f * m_randAngle * Float(gameRand()) * RAND_TO_UNIT;
    drop->setVelocity(turnVector(getPrototype()->getVelocity(), angle));
    drop->setLife(drawLife());
    return drop;
}
