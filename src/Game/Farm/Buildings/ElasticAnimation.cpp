#include "Game/Farm/Buildings/ElasticAnimation.h"

#include "Game/Farm/Buildings/DigBuilding.h"
#include "Game/Farm/Buildings/MowBuilding.h"
#include "Game/Farm/Water/WaterSource.h"
#include "Ui/views/ResourceHold.h"
#include "Ui/screens/Slide.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

#include <algorithm>
#include <cmath>

cElasticAnimation::cElasticAnimation(cView* _parent) : cPicture(_parent)
{
    GUARD_BEGIN
    // The tool flies on while the player looks at another screen.
    absoluteEnable();
    loadViewFile(this, "Farm/ElasticAnimation.xml");
    hide();
    GUARD_END("cElasticAnimation::cElasticAnimation(cView* _parent)")
}

cElasticAnimation::~cElasticAnimation()
{
    if (m_moveSound)
        m_moveSound->release();
}

void cElasticAnimation::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cPicture::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"RotationSpeed", m_rotationSpeed, toFloat);
    readXmlAttribute(_xml_doc, u"Speed", m_speed, toFloat);
    readXmlAttribute(_xml_doc, u"Accelerate", m_accelerate, toFloat);
    // Without acceleration a flight from rest would never arrive, and its time divides by it.
    if (!(m_accelerate > 0))
        throw "Farm/ElasticAnimation.xml: Accelerate must be above 0.";
    if (const WString* sound = findXmlAttribute(_xml_doc, u"MoveSound"))
        holdByPath(m_moveSound, toString(*sound), &cResourceManager::getSound);
    iXML* states = nullptr;
    if (_xml_doc->get("States", states)) {
        const UInt count = std::min(states->getNodeCount(), UInt(EA_COUNT));
        for (UInt i = 0; i < count; ++i) {
            iXML* look = nullptr;
            if (states->get(i, look))
                m_states[i].loadXML(look);
        }
    }
    GUARD_END("void cElasticAnimation::loadXML(iXML* _xml_doc)")
}

Float cElasticAnimation::getFlightTime(Float _speed, Float _accelerate, Float _distance)
{
    // The time at which _speed * t + _accelerate * t * t / 2 covers the distance.
    return (std::sqrt(_speed * _speed + 2.0f * _distance * _accelerate) - _speed) / _accelerate;
}

void cElasticAnimation::makeFly(const Vector2& _from, const Vector2& _to, eElasticAnimation _type, cView* _view)
{
    GUARD_BEGIN
    if (_from.x == _to.x && _from.y == _to.y)
        return;
    if (Int(_type) < 0 || _type >= EA_COUNT)
        throw "Bad flight type.";
    // The tool in the air is home at once rather than lost with its building's look.
    if (isFlying())
        land();
    m_angle = 0;
    const Vector2 d(_to.x - _from.x, _to.y - _from.y);
    const Float distance = std::sqrt(d.x * d.x + d.y * d.y);
    const Vector2 unit(d.x / distance, d.y / distance);
    m_acceleration = Vector2(unit.x * m_accelerate, unit.y * m_accelerate);
    m_velocity = Vector2(unit.x * m_speed, unit.y * m_speed);
    m_type = _type;
    m_view.set(_view);
    m_remaining = getFlightTime(m_speed, m_accelerate, distance);
    if (m_lookType != _type) {
        static_cast<cState&>(*this) = m_states[_type];
        m_lookType = _type;
        setTransformDirty();
    }
    setAngle(m_angle);
    m_position = _from;
    setPosition(m_position);
    cSoundManager* sound = cSoundManager::getInstance();
    if (m_moveSound && sound)
        sound->play(m_moveSound);
    show();
    GUARD_END("void cElasticAnimation::makeFly(Vector2& from, Vector2& to, eElasticAnimation type, cView* view)")
}

void cElasticAnimation::absoluteProcess()
{
    GUARD_BEGIN
    cPicture::absoluteProcess();
    if (m_remaining == 0)
        return;
    const Float dt = getSlideFrameTime();
    m_remaining -= dt;
    m_angle += dt * m_rotationSpeed;
    setAngle(m_angle);
    if (m_remaining <= 0) {
        land();
        return;
    }
    m_position = Vector2(m_position.x + dt * m_velocity.x, m_position.y + dt * m_velocity.y);
    m_velocity = Vector2(m_velocity.x + dt * m_acceleration.x, m_velocity.y + dt * m_acceleration.y);
    setPosition(m_position);
    GUARD_END("void cElasticAnimation::absoluteProcess()")
}

void cElasticAnimation::land()
{
    m_remaining = 0;
    hide();
    if (m_type == EA_SEED_PACKAGE) {
        if (m_view)
            m_view->show();
        m_view.set(nullptr);
    } else if (m_type >= EA_SCYTHE) {
        if (cMowBuilding* building = cMowBuilding::getInstance())
            building->updateInstrumentView();
    } else if (m_type >= EA_SPADE) {
        if (cDigBuilding* building = cDigBuilding::getInstance())
            building->updateInstrumentView();
    } else if (cWaterSource* source = cWaterSource::getInstance()) {
        source->updateInstrumentView();
    }
}
