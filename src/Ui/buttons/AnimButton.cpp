#include "Ui/buttons/AnimButton.h"

#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"

cAnimButton::cAnimButton(cView* _parent) : cButtonPrototype(_parent) {}

cAnimButton::~cAnimButton() = default;

UInt cAnimButton::getStateFrame(eButtonState _state) const
{
    switch (_state) {
    case BS_DISABLED:
        return m_frame_disabled;
    case BS_NORMAL:
        return m_frame_normal;
    case BS_HOVERED:
        return m_frame_hover;
    case BS_PRESSED:
        return m_frame_pressed;
    default:
        return 0;
    }
}

void cAnimButton::setStatePicture(eButtonState _state)
{
    GUARD_BEGIN
    if (_state >= BS_DISABLED && _state <= BS_PRESSED)
        setAnimFrame(getStateFrame(_state));
    GUARD_END("void cAnimButton::setStatePicture(eButtonState _state)")
}

void cAnimButton::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cButtonPrototype::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"frame_normal", m_frame_normal, &toUInt);
    readXmlAttribute(_xml_doc, u"frame_pressed", m_frame_pressed, &toUInt);
    readXmlAttribute(_xml_doc, u"frame_hover", m_frame_hover, &toUInt);
    readXmlAttribute(_xml_doc, u"frame_disabled", m_frame_disabled, &toUInt);
    setPlayAnimation(false);
    // Enabling may already have set this state while the frames were unknown: the frame is
    // shown again rather than trusting that an unchanged state shows the right one.
    setState(isEffectivelyEnabled() ? BS_NORMAL : BS_DISABLED);
    refreshStatePicture();
    GUARD_END("void cAnimButton::loadXML(iXML* xml_doc)")
}
