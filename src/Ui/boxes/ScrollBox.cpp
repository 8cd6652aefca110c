#include "Ui/boxes/ScrollBox.h"

#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"

#include <algorithm>

cScrollBox::cSlider::cSlider(cScrollBox* _box) : cButton(_box), m_box(_box) {}

cScrollBox::cSlider::~cSlider()
{
    if (m_box)
        m_box->m_slider = nullptr;
}

void cScrollBox::cSlider::clicked()
{
    GUARD_BEGIN
    cButton::clicked();
    if (m_box)
        m_box->setDragging(true);
    GUARD_END("void cScrollBox::cSlider::clicked()")
}

void cScrollBox::cSlider::unclicked()
{
    GUARD_BEGIN
    cButton::unclicked();
    if (m_box)
        m_box->setDragging(false);
    GUARD_END("void cScrollBox::cSlider::unclicked()")
}

void cScrollBox::cSlider::hid()
{
    if (m_box && m_box->m_dragging)
        m_box->setDragging(false);
    cButton::hid();
}

cScrollBox::cScrollBox(cView* _parent) : cButton(_parent), m_slider(nullptr)
{
    GUARD_BEGIN
    m_slider = new cSlider(this);
    GUARD_END("cScrollBox::cScrollBox(cView *_parent)")
}

cScrollBox::~cScrollBox()
{
    // The thumb outlives this part of the box and hears that it is hidden on the way out;
    // a box half gone has no drag to end and no handler to tell.
    if (m_slider)
        m_slider->m_box = nullptr;
}

void cScrollBox::setDragging(Bool _dragging)
{
    m_dragging = _dragging;
    if (m_onDrag)
        m_onDrag(this, _dragging);
}

void cScrollBox::clicked()
{
    GUARD_BEGIN
    cButton::clicked();
    setDragging(true);
    GUARD_END("void cScrollBox::clicked()")
}

void cScrollBox::unclicked()
{
    GUARD_BEGIN
    cButton::unclicked();
    setDragging(false);
    GUARD_END("void cScrollBox::unclicked()")
}

Bool cScrollBox::getTrack(Float& _lo, Float& _hi)
{
    const Vector2& position = getPosition();
    const Vector2& size = getSize();
    if (m_layout == LAYOUT_HORIZONTAL) {
        _lo = position.x - size.x / 2;
        _hi = position.x + size.x / 2;
        return true;
    }
    if (m_layout == LAYOUT_VERTICAL) {
        _lo = position.y - size.y / 2;
        _hi = position.y + size.y / 2;
        return true;
    }
    return false;
}

void cScrollBox::process()
{
    GUARD_BEGIN
    Float lo = 0, hi = 0;
    if (!m_dragging || !getTrack(lo, hi))
        return;
    Float value = m_minimum;
    // A track without extent maps every cursor to the minimum.
    if (hi > lo) {
        // The coordinate as it is, sign and all: a cursor dragged off the left or top edge
        // of the screen means the minimum, not its mirror image inside the track.
        const Vector2& cursor = getCursor();
        const Float p = std::clamp(m_layout == LAYOUT_HORIZONTAL ? cursor.x : cursor.y, lo, hi);
        value = m_minimum + (p - lo) * (m_maximum - m_minimum) / (hi - lo);
    }
    if (value != m_value) {
        m_value = value;
        if (m_onChange)
            m_onChange(this, value);
        placeSlider();
    }
    GUARD_END("void cScrollBox::process()")
}

void cScrollBox::placeSlider()
{
    GUARD_BEGIN
    if (!m_slider)
        return;
    const Vector2& centre = getPosition();
    Float lo = 0, hi = 0;
    if (!getTrack(lo, hi)) {
        m_slider->setPosition(centre);
        return;
    }
    Float along = lo;
    const Float range = m_maximum - m_minimum;
    if (hi > lo && range != 0)
        along = lo + (hi - lo) * (m_value - m_minimum) / range;
    m_slider->setPosition(m_layout == LAYOUT_HORIZONTAL ? Vector2(along, centre.y) : Vector2(centre.x, along));
    GUARD_END("void cScrollBox::placeSlider()")
}

void cScrollBox::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cButton::loadXML(_xml_doc);
    iXML* slider = nullptr;
    if (_xml_doc->get("Slider", slider) && m_slider)
        m_slider->loadXML(slider);
    readXmlAttribute(_xml_doc, u"Max", m_maximum, &toFloat);
    readXmlAttribute(_xml_doc, u"Min", m_minimum, &toFloat);
    readXmlAttribute(_xml_doc, u"Value", m_value, &toFloat);
    m_layout = LAYOUT_HORIZONTAL;
    readXmlAttribute(_xml_doc, u"Layout", m_layout, &toInt);
    placeSlider();
    GUARD_END("void cScrollBox::loadXML(iXML* xml_doc)")
}
