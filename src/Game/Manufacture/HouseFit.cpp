#include "Game/Manufacture/HouseFit.h"

#include "Ui/controls/Control.h"
#include "engine/Rect.h"

Bool isInDepotArea(const sRect& _house, const sRect& _area, const std::vector<sRect>& _antiAreas)
{
    if (!isRectInRect(_area, _house))
        return false;
    for (const sRect& anti : _antiAreas)
        if (isRectsOverlap(anti, _house))
            return false;
    return true;
}

Bool isRectsCrossing(const sRect& _a, const sRect& _b)
{
    return _a.left < _b.right && _b.left < _a.right && _a.top < _b.bottom && _b.top < _a.bottom;
}

Bool isHousesCollide(const cControl& _a, const VECTOR_VECTOR_BOOL* _maskA, const cControl& _b,
                     const VECTOR_VECTOR_BOOL* _maskB)
{
    // The pixel test alone would call two buildings without masks colliding wherever they are.
    if (!isRectsCrossing(centredRect(_a.getPosition(), const_cast<cControl&>(_a).getSize()),
                         centredRect(_b.getPosition(), const_cast<cControl&>(_b).getSize())))
        return false;
    return cControl::checkCollision(&_a, &_b, _maskA, _maskB);
}
