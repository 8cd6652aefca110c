#include "engine/Rect.h"

namespace {

bool hasCornerIn(const sRect& _corners, const sRect& _area)
{
    return isPointInRect(_area, _corners.left, _corners.top) || isPointInRect(_area, _corners.right, _corners.top) ||
           isPointInRect(_area, _corners.left, _corners.bottom) || isPointInRect(_area, _corners.right, _corners.bottom);
}

} // namespace

Bool isPointInRect(const sRect& _rect, Float _x, Float _y)
{
    return _rect.left <= _x && _x <= _rect.right && _rect.top <= _y && _y <= _rect.bottom;
}

Bool isRectInRect(const sRect& _outer, const sRect& _inner)
{
    return isPointInRect(_outer, _inner.left, _inner.top) && isPointInRect(_outer, _inner.right, _inner.top) &&
           isPointInRect(_outer, _inner.left, _inner.bottom) && isPointInRect(_outer, _inner.right, _inner.bottom);
}

Bool isRectsOverlap(const sRect& _a, const sRect& _b)
{
    return hasCornerIn(_a, _b) || hasCornerIn(_b, _a);
}

sRect centredRect(const Vector2& _position, const Vector2& _size)
{
    sRect rect;
    rect.left = _position.x - _size.x / 2;
    rect.top = _position.y - _size.y / 2;
    rect.right = rect.left + _size.x;
    rect.bottom = rect.top + _size.y;
    return rect;
}
