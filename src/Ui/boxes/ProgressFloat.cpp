#include "Ui/boxes/ProgressFloat.h"

#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

#include <cmath>

namespace {

// Corner order of a sprite: top-left, top-right, bottom-left, bottom-right.
enum eCorner { TL = 0, TR = 1, BL = 2, BR = 3 };

} // namespace

cProgressFloat::cProgressFloat(cView* _parent) : cPicture(_parent) {}

void cProgressFloat::clampValue()
{
    if (m_value > m_maximum)
        m_value = m_maximum;
    // An undefined value shows nothing, like one below zero.
    if (!(m_value >= 0))
        m_value = 0;
}

Float cProgressFloat::shownFraction() const
{
    // A maximum of 0 would give an undefined quad: the bar is drawn empty instead.
    if (!(m_maximum > 0))
        return 0;
    return m_value / m_maximum;
}

void cProgressFloat::makeTransform()
{
    GUARD_BEGIN
    if (!isTransformDirty())
        return;
    wrapAnimTime();
    const UInt frame = getAnimFrame();
    const UInt columns = getAnimColumns();
    const Float cellWidth = 1.0f / Float(columns);
    const Float cellHeight = 1.0f / Float(getAnimRows());
    iGraphics::sSprite& sprite = editSprite();
    sprite.left = Float(frame % columns) * cellWidth;
    sprite.right = sprite.left + cellWidth;
    sprite.top = Float(frame / columns) * cellHeight;
    sprite.bottom = sprite.top + cellHeight;

    const Vector2& size = getSize();
    const Float hw = size.x / 2, hh = size.y / 2;
    Float offsets[4][2] = {{-hw, -hh}, {hw, -hh}, {-hw, hh}, {hw, hh}};

    clampValue();
    const Float cut = 1 - shownFraction();
    switch (m_side) {
    case SIDE_LEFT:
        sprite.left += cut * cellWidth;
        offsets[TL][0] += cut * size.x;
        offsets[BL][0] += cut * size.x;
        break;
    case SIDE_RIGHT:
        sprite.right -= cut * cellWidth;
        offsets[TR][0] -= cut * size.x;
        offsets[BR][0] -= cut * size.x;
        break;
    case SIDE_TOP:
        sprite.top += cut * cellHeight;
        offsets[TL][1] += cut * size.y;
        offsets[TR][1] += cut * size.y;
        break;
    case SIDE_BOTTOM:
        sprite.bottom -= cut * cellHeight;
        offsets[BL][1] -= cut * size.y;
        offsets[BR][1] -= cut * size.y;
        break;
    default: break;
    }

    // Degrees to radians as every control turns.
    const Float angle = getAngle() * 0.017453292f;
    const Float c = std::cos(angle), s = std::sin(angle);
    DXColor color = getColor();
    color.a = getRootAlpha() * color.a;
    const UInt argb = colorToARGB(color);
    const Vector2& position = getPosition();
    for (int i = 0; i < 4; ++i) {
        const Float ox = offsets[i][0], oy = offsets[i][1];
        sprite.corners[i].x = position.x + (ox * c + oy * s);
        sprite.corners[i].y = position.y + (-ox * s + oy * c);
        sprite.corners[i].color = argb;
    }
    clearTransformDirty();
    GUARD_END("void cProgressFloat::makeTransform()")
}

void cProgressFloat::progressChanged()
{
    GUARD_BEGIN
    setTransformDirty();
    if (!m_lid)
        return;
    const iGraphics::sSprite& sprite = getSprite();
    if (m_side > SIDE_BOTTOM)
        return;
    // The lid goes on the rotated quad: the middle of the two corners of the moving edge.
    static const int edges[4][2] = {{TL, BL}, {TR, BR}, {TL, TR}, {BL, BR}};
    const auto& a = sprite.corners[edges[m_side][0]];
    const auto& b = sprite.corners[edges[m_side][1]];
    m_lid->setPositionXY((a.x + b.x) / 2, (a.y + b.y) / 2);
    GUARD_END("void cProgressFloat::progressChanged()")
}

void cProgressFloat::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cPicture::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"ProgressMaxValue", m_maximum, toFloat);
    readXmlAttribute(_xml_doc, u"ProgressCurrentValue", m_value, toFloat);
    UInt side = SIDE_LEFT;
    readXmlAttribute(_xml_doc, u"Side", side, toUInt);
    setSide(side);
    iXML* lid = nullptr;
    if (_xml_doc->get("Lid", lid)) {
        // Loaded again, the bar keeps its one lid.
        if (!m_lid)
            m_lid = new cPicture(this);
        m_lid->loadXML(lid);
    }
    progressChanged();
    GUARD_END("void cProgressFloat::loadXML(iXML* xml_doc)")
}
