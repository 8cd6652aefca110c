#include "Ui/texts/Letter.h"

#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"

cLetter::cLetter(cView* _parent) : cControl(_parent) {}

void cLetter::setLetterColor(const UInt& _color)
{
    if (m_letterColor == _color)
        return;
    m_letterColor = _color;
    setTransformDirty();
}

void cLetter::setTextureRect(Float _left, Float _top, Float _right, Float _bottom)
{
    if (m_textureRect.left == _left && m_textureRect.top == _top && m_textureRect.right == _right &&
        m_textureRect.bottom == _bottom)
        return;
    m_textureRect = sTextureRect{_left, _top, _right, _bottom};
    setTransformDirty();
}

void cLetter::makeTransform()
{
    GUARD_BEGIN
    if (!isTransformDirty())
        return;
    iGraphics::sSprite& sprite = editSprite();
    sprite.left = m_textureRect.left;
    sprite.top = m_textureRect.top;
    sprite.right = m_textureRect.right;
    sprite.bottom = m_textureRect.bottom;
    const Vector2& at = getPosition();
    const Vector2& size = getSize();
    const Float hw = size.x / 2, hh = size.y / 2;
    const Float corners[4][2] = {{at.x - hw, at.y - hh}, {at.x + hw, at.y - hh}, {at.x - hw, at.y + hh},
                                 {at.x + hw, at.y + hh}};
    // The text's fade and the control's alpha decide; the letter's own alpha byte does not.
    DXColor color;
    colorFromARGB(color, m_letterColor);
    const Float fade = getParent() ? getParent()->getRootAlpha() : cView::getAlpha();
    color.a = fade * getAlpha();
    const UInt argb = colorToARGB(color);
    for (int i = 0; i < 4; ++i) {
        sprite.corners[i].x = corners[i][0];
        sprite.corners[i].y = corners[i][1];
        sprite.corners[i].color = argb;
    }
    clearTransformDirty();
    GUARD_END("void cLetter::makeTransform()")
}
