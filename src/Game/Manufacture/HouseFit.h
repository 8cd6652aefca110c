#pragma once
#include "graphics/Graphics.h"

#include <vector>

class cControl;

// Where a production building may stand, apart from the screen that asks.

// Wholly inside _area (edges included) and not touching any of _antiAreas.
Bool isInDepotArea(const sRect& _house, const sRect& _area, const std::vector<sRect>& _antiAreas);
// The rectangles share some area; touching edges share none.
Bool isRectsCrossing(const sRect& _a, const sRect& _b);
// Two buildings collide where their rectangles cross and a pixel of the crossing is set in
// both masks (a missing mask is set everywhere).
Bool isHousesCollide(const cControl& _a, const VECTOR_VECTOR_BOOL* _maskA, const cControl& _b,
                     const VECTOR_VECTOR_BOOL* _maskB);
