#include "Shape.h"

#include <algorithm>
#include <cmath>

namespace {

Float length(Float _x, Float _y)
{
    return std::sqrt(_x * _x + _y * _y);
}

Float roundedRect(const std::array<Float, 4>& _box, Float _radius, sPoint _p)
{
    const Float halfW = _box[2] / 2, halfH = _box[3] / 2;
    const Float r = std::min({_radius, halfW, halfH});
    const Float qx = std::fabs(_p.x - (_box[0] + halfW)) - halfW + r;
    const Float qy = std::fabs(_p.y - (_box[1] + halfH)) - halfH + r;
    return length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - r;
}

// Close to the true distance near the edge, which is all the painting looks at.
Float ellipse(const std::array<Float, 4>& _box, sPoint _p)
{
    const Float x = (_p.x - _box[0]) / _box[2], y = (_p.y - _box[1]) / _box[3];
    const Float k0 = length(x, y);
    const Float k1 = length(x / _box[2], y / _box[3]);
    if (k1 < 1e-6f)
        return -std::min(_box[2], _box[3]);
    return k0 * (k0 - 1) / k1;
}

Float segment(sPoint _p, sPoint _a, sPoint _b)
{
    const Float abx = _b.x - _a.x, aby = _b.y - _a.y;
    const Float ab2 = abx * abx + aby * aby;
    const Float t = ab2 > 0 ? std::clamp(((_p.x - _a.x) * abx + (_p.y - _a.y) * aby) / ab2, 0.0f, 1.0f) : 0.0f;
    return length(_p.x - _a.x - t * abx, _p.y - _a.y - t * aby);
}

// Distance to the nearest side, signed by the even-odd rule.
Float polygon(const std::vector<sPoint>& _corners, sPoint _p)
{
    Float nearest = 1e9f;
    Bool inside = false;
    for (std::size_t i = 0, j = _corners.size() - 1; i < _corners.size(); j = i++) {
        const sPoint a = _corners[i], b = _corners[j];
        nearest = std::min(nearest, segment(_p, a, b));
        if ((a.y > _p.y) != (b.y > _p.y) && _p.x < (b.x - a.x) * (_p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside ? -nearest : nearest;
}

Float path(const std::vector<sPoint>& _points, Float _radius, sPoint _p)
{
    Float nearest = 1e9f;
    for (std::size_t i = 1; i < _points.size(); ++i)
        nearest = std::min(nearest, segment(_p, _points[i - 1], _points[i]));
    return nearest - _radius;
}

} // namespace

Float shapeDistance(const sLayer& _layer, sPoint _p)
{
    switch (_layer.shape) {
    case eShape::Rect:
        return roundedRect(_layer.box, _layer.radius, _p);
    case eShape::Ellipse:
        return ellipse(_layer.box, _p);
    case eShape::Polygon:
        return polygon(_layer.points, _p) - _layer.radius;
    case eShape::Path:
        return path(_layer.points, _layer.radius, _p);
    case eShape::Text:
        break;
    }
    return 1e9f;
}

std::array<Float, 4> shapeBounds(const sLayer& _layer)
{
    const std::array<Float, 4>& b = _layer.box;
    switch (_layer.shape) {
    case eShape::Rect:
        return {b[0], b[1], b[0] + b[2], b[1] + b[3]};
    case eShape::Ellipse:
        return {b[0] - b[2], b[1] - b[3], b[0] + b[2], b[1] + b[3]};
    case eShape::Polygon:
    case eShape::Path: {
        std::array<Float, 4> bounds{1e9f, 1e9f, -1e9f, -1e9f};
        for (const sPoint& p : _layer.points)
            bounds = {std::min(bounds[0], p.x), std::min(bounds[1], p.y), std::max(bounds[2], p.x),
                std::max(bounds[3], p.y)};
        const Float grow = _layer.radius;
        return {bounds[0] - grow, bounds[1] - grow, bounds[2] + grow, bounds[3] + grow};
    }
    case eShape::Text:
        break;
    }
    return {b[0] - b[2] * 4, b[1] - b[2], b[0] + b[2] * 4, b[1] + b[2]};
}
