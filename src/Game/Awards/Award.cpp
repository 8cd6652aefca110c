#include "Game/Awards/Award.h"

#include "Ui/views/ResourceHold.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "engine/frame/Timer.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

#include <algorithm>

namespace {

const char* const AWARDS_XML = "UI/Awards.xml";

Float frameTime()
{
    cTimer* timer = cTimer::getInstance();
    return timer ? timer->getFrameTime() : 0.0f;
}

Vector2 lerp(const Vector2& _from, const Vector2& _to, Float _k)
{
    return Vector2(_from.x + (_to.x - _from.x) * _k, _from.y + (_to.y - _from.y) * _k);
}

Vector2 scaled(const Vector2& _size, Float _k)
{
    return Vector2(_size.x * _k, _size.y * _k);
}

void readText(iXML* _xml, const char16_t* _name, WString& _text)
{
    if (const WString* found = findXmlAttribute(_xml, _name))
        _text = *found;
}

Float distance(const Vector2& _a, const Vector2& _b)
{
    return Vector2(_a.x - _b.x, _a.y - _b.y).length();
}

} // namespace

cAward::cAward(cView* _parent, UInt _index) : cPicture(_parent), m_index(_index)
{
    GUARD_BEGIN
    iXML* document = requireResourceManager().getXML(AWARDS_XML);
    try {
        iXML* awards = nullptr;
        iXML* element = nullptr;
        if (document->get("Awards", awards) && awards->get(_index, element))
            loadXML(element);
        const String sound = toString((*document)[u"Sound"]);
        if (!sound.empty())
            holdByPath(m_sound, sound, &cResourceManager::getSound);
    } catch (...) {
        document->release();
        throw;
    }
    document->release();
    setRenderBit(true);
    setSize(Vector2(0, 0));
    GUARD_END("cAward::cAward(cView* _parent, cAwardManager::eAwardType _index)")
}

cAward::~cAward()
{
    hide();
    disable();
    if (m_sound)
        m_sound->release();
}

void cAward::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    readText(_xml_doc, u"PanelText", m_panelText);
    readText(_xml_doc, u"Congratulation", m_congratulation);
    readXmlAttribute(_xml_doc, u"PositionPanel", m_panelPosition, toVector2);
    readXmlAttribute(_xml_doc, u"MoveSpeed", m_moveSpeed, toFloat);
    readXmlAttribute(_xml_doc, u"AppearScaleSpeed", m_appearSpeed, toFloat);
    readXmlAttribute(_xml_doc, u"HoveringScale", m_hoveringScale, toFloat);
    readXmlAttribute(_xml_doc, u"HoveringScaleSpeed", m_hoveringSpeed, toFloat);
    iXML* effect = nullptr;
    if (_xml_doc->get("Effect", effect)) {
        cPicture::loadXML(effect);
        m_startPosition = getPosition();
        m_fullSize = getSize();
        m_baseDeep = getDeep();
    }
    iXML* button = nullptr;
    if (_xml_doc->get("Button", button))
        readXmlAttribute(button, u"size", m_buttonSize, toVector2);
    GUARD_END("void cAward::loadXML(iXML* xml_doc)")
}

void cAward::setState(Int _state)
{
    m_state = _state;
    if (_state == AT_REST) {
        m_scale = 1.0f;
        setAnimTime(0.0f);
    } else if (_state != SWELLING && _state != SHRINKING) {
        setAnimTime(0.0f);
    }
}

void cAward::process()
{
    GUARD_BEGIN
    const Float dt = frameTime();
    switch (m_state) {
    case GROWING: grow(dt); break;
    case EFFECT: playEffect(dt); break;
    case FLYING: fly(dt); break;
    case SWELLING: swell(dt); break;
    case SWOLLEN: setAnimTime(getAnimTime() + dt); break;
    case SHRINKING: shrink(dt); break;
    default: break;
    }
    runProcessFuncs();
    GUARD_END("void cAward::process()")
}

void cAward::grow(Float _dt)
{
    m_scale += _dt * m_appearSpeed;
    if (m_scale >= 1.0f) {
        m_scale = 1.0f;
        setState(EFFECT);
        setRenderBit(false);
        playSound();
    }
    setSize(scaled(m_fullSize, m_scale));
    setPosition(lerp(m_startPosition, m_panelPosition, m_scale));
}

void cAward::playEffect(Float _dt)
{
    if (getAnimTime() >= getAnimLength()) {
        setAnimTime(0.0f);
        setState(GROWN);
    } else {
        setAnimTime(getAnimTime() + _dt);
    }
}

void cAward::fly(Float _dt)
{
    const Vector2 position = getPosition();
    const Vector2 way(m_target.x - position.x, m_target.y - position.y);
    Vector2 step = way;
    step.setLength(_dt * m_moveSpeed);
    Vector2 next(position.x + step.x, position.y + step.y);
    const Float ahead = (m_target.x - next.x) * way.x + (m_target.y - next.y) * way.y;
    // Already there, or the step would pass the target: the flight ends on it exactly.
    if (ahead <= 0.0f) {
        next = m_target;
        setState(AT_REST);
    }
    setPosition(next);
    setRenderBit(true);
    // A target on the panel itself gives no distance to measure by: the flight is over.
    const Float whole = distance(m_target, m_panelPosition);
    const Float left = whole > 0.0f ? distance(m_target, next) / whole : 0.0f;
    setSize(lerp(m_buttonSize, m_fullSize, left));
}

void cAward::swell(Float _dt)
{
    setPlayAnimation(true);
    if (m_hoverReached)
        setAnimTime(getAnimTime() + _dt);
    m_scale += _dt * m_hoveringSpeed;
    if (m_scale >= m_hoveringScale) {
        m_hoverReached = true;
        m_scale = m_hoveringScale;
        setState(SWOLLEN);
    }
    scaleOnButton();
    setRenderBit(true);
}

void cAward::shrink(Float _dt)
{
    m_scale = std::max(1.0f, m_scale - _dt * m_hoveringSpeed);
    setPlayAnimation(false);
    if (m_hoverReached) {
        // The effect that began while swollen runs to its end first.
        if (getAnimTime() >= getAnimLength() || getAnimTime() <= 0.0f)
            m_hoverReached = false;
        else
            setAnimTime(getAnimTime() + _dt);
    }
    if (!m_hoverReached && m_scale <= 1.0f) {
        setState(AT_REST);
        setRenderBit(false);
    }
    scaleOnButton();
}

void cAward::scaleOnButton()
{
    setDeep(m_baseDeep + m_scale);
    setSize(scaled(m_buttonSize, m_scale));
}

void cAward::setRenderBit(Bool _on)
{
    const UInt type = getRenderType();
    setRenderType(_on ? (type | SCALED_RENDER) : (type & ~SCALED_RENDER));
}

void cAward::playSound()
{
    cSoundManager* sound = cSoundManager::getInstance();
    if (m_sound && sound)
        sound->play(m_sound);
}
