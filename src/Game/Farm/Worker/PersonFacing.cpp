#include "Game/Farm/Worker/PersonFacing.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Float PI = 3.14159265358979f;

// The angle between _dir and straight up (screen y grows downwards), 0 to pi.
Float angleFromUp(const Vector2& _dir)
{
    const Float length = std::sqrt(_dir.x * _dir.x + _dir.y * _dir.y);
    return std::acos(std::clamp(-_dir.y / length, -1.0f, 1.0f));
}

} // namespace

sPersonFacing walkFacing(const Vector2& _dir, const sPersonFacing& _current)
{
    if (_dir.x == 0 && _dir.y == 0)
        return _current;
    // The upper bound of each direction's angle, from up (0) to down (4).
    static constexpr Float BOUNDS[4] = {PI / 8, 3 * PI / 8, 5 * PI / 8, 7 * PI / 8};
    const Float angle = angleFromUp(_dir);
    UInt direction = 0;
    while (direction < 4 && angle >= BOUNDS[direction])
        ++direction;
    return {direction, _dir.x > 0};
}

sPersonFacing driveFacing(const Vector2& _dir, const sPersonFacing& _current)
{
    if (_dir.y == 0 && _dir.x != 0)
        return {2, _dir.x > 0};
    if (_dir.y > 0)
        return {4, _current.mirror};
    if (_dir.y < 0)
        return {0, _current.mirror};
    return _current;
}

UInt hoseFrame(const Vector2& _dir, UInt _frames)
{
    if (_frames == 0)
        return 0;
    const UInt last = _frames - 1;
    if (!(_dir.x <= 0 && _dir.y >= 0) || (_dir.x == 0 && _dir.y == 0))
        return last;
    const Float angle = std::clamp(angleFromUp(_dir), PI / 2, PI);
    const UInt turned = UInt((angle - PI / 2) * Float(last) / (PI / 2));
    return last - std::min(turned, last);
}
