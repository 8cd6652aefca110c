#include "engine/Types.h"
#include "engine/text/ValueConvert.h"

void Vector3::setLength(Float _length)
{
    if (x == 0 && y == 0 && z == 0)
        return;
    const Float scale = _length / fastSqrt(x * x + y * y + z * z);
    x *= scale;
    y *= scale;
    z *= scale;
}
