#pragma once
#include "Description.h"

// Signed distance from _p to the edge of a layer's shape (negative inside), in the shape's
// own unturned, unmoved coordinates. Text has no outline of its own here (see TextMask.h).
Float shapeDistance(const sLayer& _layer, sPoint _p);

// The shape's extent in the same coordinates: left, top, right, bottom.
std::array<Float, 4> shapeBounds(const sLayer& _layer);
