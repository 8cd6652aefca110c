#include "Game/Farm/FieldObject.h"

#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"

void cFieldObject::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cAnimButton::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"HeightOffset", m_heightOffset, &toFloat);
    GUARD_END("void cFieldObject::loadXML(iXML* xml_doc)")
}

void cFieldObject::setPosition(const Vector2& _position)
{
    GUARD_BEGIN
    cAnimButton::setPosition(_position);
    setDeep(_position.y + m_heightOffset);
    GUARD_END("void cFieldObject::setPosition(const Vector2& _position)")
}

void cFieldObject::setHeightOffset(Float _offset)
{
    if (_offset != m_heightOffset) {
        m_heightOffset = _offset;
        setTransformDirty();
    }
}

void cFieldObject::makeTransform()
{
    GUARD_BEGIN
    if (!isTransformDirty())
        return;
    cAnimButton::makeTransform();
    // The control builds its corners around the foot; the picture stands above it.
    for (iGraphics::sSprite* sprite : {&editSprite(), &editSecondSprite()})
        for (auto& corner : sprite->corners)
            corner.y -= m_heightOffset;
    GUARD_END("void cFieldObject::makeTransform()")
}

Bool cFieldObject::pointInRect(const Vector2& _point)
{
    GUARD_BEGIN
    // Hitting the raised picture is hitting the rectangle at the foot this far below.
    return cAnimButton::pointInRect(Vector2(_point.x, _point.y + m_heightOffset));
    GUARD_END("Bool cFieldObject::pointInRect(const Vector2& pnt)")
}
