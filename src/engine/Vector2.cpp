#include "engine/Types.h"

#include <cmath>

Float Vector2::length() const
{
    return std::sqrt(x * x + y * y);
}

void Vector2::setLength(Float _length)
{
    const Float current = length();
    if (current == 0)
        return;
    const Float scale = _length / current;
    x *= scale;
    y *= scale;
}
