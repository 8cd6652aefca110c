#include "Game/Farm/Water/SprinkleEffect.h"

#include "Game/Farm/Water/HoseEffect.h"
#include "Game/GameRandom.h"
#include "Ui/ViewFile.h"
#include "Ui/XmlAttribute.h"
#include "engine/ErrorStack.h"
#include "engine/ValueConvert.h"

namespace {

constexpr Float RAND_TO_UNIT = 3.051851e-5f;
// Without MaxScale a drop of spray grows to three times its size.
constexpr Float DEFAULT_MAX_SCALE = 3.0f;

} // namespace

cSprinkleEffect::cSprinkleEffect(cView* _parent, const String& _path)
    : cParticleSystemMy<cWaterParticle>(_parent, 0, &cSprinkleEffect::isFinished, DEFAULT_FREQUENCY),
      m_prototype(new cWaterParticle(this))
{
    GUARD_BEGIN
    m_prototype->setMaxScale(DEFAULT_MAX_SCALE);
    loadViewFile(this, _path);
    m_prototype->hide();
    m_prototype->disable();
    m_prototype->absoluteDisable();
    show();
    enable();
    absoluteEnable();
    GUARD_END("cSprinkleEffect::cSprinkleEffect(cView* _parent, const String& _path)")
}

void cSprinkleEffect::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    m_prototype->loadXML(_xml_doc);
    Vector2 speed = m_prototype->getVelocity();
    readXmlAttribute(_xml_doc, u"Speed", speed, &toVector2);
    m_prototype->setVelocity(speed);
    Vector2 gravity = m_prototype->getGravity();
    readXmlAttribute(_xml_doc, u"Gravity", gravity, &toVector2);
    m_prototype->setGravity(gravity);
    readXmlAttribute(_xml_doc, u"RandAngle", m_randAngle, &toFloat);
    readXmlAttribute(_xml_doc, u"LiveTime", m_liveTime, &toVector2);
    m_prototype->setLife(drawLife());
    loadFrequency(_xml_doc);
    GUARD_END("void cSprinkleEffect::loadXML(iXML* _xml_doc)")
}

void cSprinkleEffect::absoluteProcess()
{
    GUARD_BEGIN
    step(farm::frameTime());
    GUARD_END("void cSprinkleEffect::absoluteProcess()")
}

Float cSprinkleEffect::drawLife() const
{
    return m_liveTime.x + (m_liveTime.y - m_liveTime.x) * Float(gameRand()) * RAND_TO_UNIT;
}

cWaterParticle* cSprinkleEffect::genFunc()
{
    auto* drop = new cWaterParticle(*m_prototype);
    const Float angle = -m_randAngle + 2.0f * m_randAngle * Float(gameRand()) * RAND_TO_UNIT;
    drop->setVelocity(turnVector(m_prototype->getVelocity(), angle));
    drop->setLife(drawLife());
    drop->setPosition(getPosition());
    drop->show();
    drop->enable();
    drop->absoluteEnable();
    return drop;
}
