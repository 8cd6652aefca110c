#pragma once
#include "engine/Types.h"

// Hit tests of controls and farm objects. Every edge is inside, and overlap is decided by
// corners alone: two rectangles crossing like a plus sign do not overlap. Game code relies
// on both rules.
Bool isPointInRect(const sRect& _rect, Float _x, Float _y);
// All four corners of _inner lie in _outer.
Bool isRectInRect(const sRect& _outer, const sRect& _inner);
// A corner of either rectangle lies in the other.
Bool isRectsOverlap(const sRect& _a, const sRect& _b);
// The rectangle of something centred on _position with the full size _size.
sRect centredRect(const Vector2& _position, const Vector2& _size);
