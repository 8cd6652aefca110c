#include "Ui/buttons/OverlayButton.h"

#include "Ui/controls/Picture.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"
#include "graphics/sprites/RenderType.h"

namespace {

// A pale blue light over the button, as ARGB.
constexpr ULong DEFAULT_OVERLAY_COLOR = 0xBDBDBDFF;
// Just above the button, below anything placed on it on purpose.
constexpr Float OVERLAY_LIFT = 0.001f;

} // namespace

cOverlayButton::cOverlayButton(cView* _parent) : cButton(_parent), m_overlay(new cPicture(this)) {}

cOverlayButton::~cOverlayButton() = default;

void cOverlayButton::setStatePicture(eButtonState _state)
{
    GUARD_BEGIN
    cButton::setStatePicture(_state);
    UInt renderType = getRenderType();
    if (_state == BS_HOVERED || _state == BS_PRESSED) {
        m_overlay->show();
        setRenderType(renderType | UInt(RT_MASK_WRITER));
    } else if (_state == BS_DISABLED || _state == BS_NORMAL) {
        m_overlay->hide();
        setRenderType(renderType & ~UInt(RT_MASK_WRITER));
    }
    GUARD_END("void cOverlayButton::setStatePicture(eButtonState _state)")
}

void cOverlayButton::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cButton::loadXML(_xml_doc);
    m_overlay->setSize(getSize());
    m_overlay->setPosition(getPosition());
    m_overlay->setDeep(getDeep() + OVERLAY_LIFT);
    DXColor color;
    colorFromARGB(color, DEFAULT_OVERLAY_COLOR);
    readXmlAttribute(_xml_doc, u"OverlayColor", color, &toDXColor);
    m_overlay->setColor(color);
    m_overlay->setRenderType(UInt(RT_OVERLAY | RT_MASKED));
    // Lit again by the next hover or press.
    m_overlay->hide();
    GUARD_END("void cOverlayButton::loadXML(iXML* xml_doc)")
}
