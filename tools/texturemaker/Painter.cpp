#include "Painter.h"

#include "Shape.h"
#include "TextMask.h"

#include <algorithm>
#include <cmath>

namespace {

const Float kPi = 3.14159265f;
const Float kFar = 1e9f;

Float clamp01(Float _value)
{
    return std::clamp(_value, 0.0f, 1.0f);
}

// Signed distances to a shape's edge at the pixel centres of a rectangle of the frame.
struct sField {
    Int left = 0, top = 0, right = 0, bottom = 0; // right and bottom excluded
    std::vector<Float> distance;

    Float at(Int _x, Int _y) const
    {
        if (_x < left || _y < top || _x >= right || _y >= bottom)
            return kFar;
        return distance[std::size_t(_y - top) * std::size_t(right - left) + std::size_t(_x - left)];
    }
};

// Where a layer stands in one frame and one of its repeats.
struct sPlacement {
    sPoint offset;
    Float angle = 0; // radians
    sPoint pivot;
};

std::array<Float, 4> placedBounds(const sLayer& _layer, const sPlacement& _place)
{
    const std::array<Float, 4> b = shapeBounds(_layer);
    std::array<Float, 4> result{kFar, kFar, -kFar, -kFar};
    const Float c = std::cos(_place.angle), s = std::sin(_place.angle);
    for (const sPoint corner : {sPoint{b[0], b[1]}, sPoint{b[2], b[1]}, sPoint{b[0], b[3]}, sPoint{b[2], b[3]}}) {
        const Float dx = corner.x - _place.pivot.x, dy = corner.y - _place.pivot.y;
        const Float x = _place.pivot.x + dx * c - dy * s + _place.offset.x;
        const Float y = _place.pivot.y + dx * s + dy * c + _place.offset.y;
        result = {std::min(result[0], x), std::min(result[1], y), std::max(result[2], x), std::max(result[3], y)};
    }
    return result;
}

// How far past the shape its shadow, outline and bevel reach.
Float reach(const sLayer& _layer)
{
    return _layer.shadow * 2 + std::max(_layer.drop, _layer.shadow * 0.6f) + std::max(_layer.outlineWidth, _layer.bevel) + 3;
}

sField shapeField(const sLayer& _layer, const sPlacement& _place, UInt _width, UInt _height)
{
    const std::array<Float, 4> b = placedBounds(_layer, _place);
    const Float margin = reach(_layer);
    sField field;
    field.left = std::max(0, Int(std::floor(b[0] - margin)));
    field.top = std::max(0, Int(std::floor(b[1] - margin)));
    field.right = std::min(Int(_width), Int(std::ceil(b[2] + margin)));
    field.bottom = std::min(Int(_height), Int(std::ceil(b[3] + margin)));
    if (field.right <= field.left || field.bottom <= field.top)
        return {};
    field.distance.resize(std::size_t(field.right - field.left) * std::size_t(field.bottom - field.top));
    const Float c = std::cos(-_place.angle), s = std::sin(-_place.angle);
    std::size_t i = 0;
    for (Int y = field.top; y < field.bottom; ++y)
        for (Int x = field.left; x < field.right; ++x) {
            const Float dx = Float(x) + 0.5f - _place.offset.x - _place.pivot.x;
            const Float dy = Float(y) + 0.5f - _place.offset.y - _place.pivot.y;
            field.distance[i++] = shapeDistance(_layer, {_place.pivot.x + dx * c - dy * s, _place.pivot.y + dx * s + dy * c});
        }
    return field;
}

// Distances from a coverage mask: a partly covered pixel holds the edge, others measure to
// the nearest pixel across it, searching no further than the effects reach.
sField textField(const sLayer& _layer, const sPlacement& _place, UInt _width, UInt _height)
{
    sMask mask = renderText(_layer);
    const Int margin = Int(std::ceil(reach(_layer)));
    const Int shiftX = Int(std::lround(_place.offset.x)), shiftY = Int(std::lround(_place.offset.y));
    sField field;
    field.left = std::max(0, mask.left + shiftX - margin);
    field.top = std::max(0, mask.top + shiftY - margin);
    field.right = std::min(Int(_width), mask.left + shiftX + Int(mask.width) + margin);
    field.bottom = std::min(Int(_height), mask.top + shiftY + Int(mask.height) + margin);
    if (field.right <= field.left || field.bottom <= field.top)
        return {};
    auto cover = [&](Int _x, Int _y) {
        const Int mx = _x - mask.left - shiftX, my = _y - mask.top - shiftY;
        if (mx < 0 || my < 0 || mx >= Int(mask.width) || my >= Int(mask.height))
            return 0.0f;
        return mask.cover[std::size_t(my) * mask.width + std::size_t(mx)];
    };
    field.distance.reserve(std::size_t(field.right - field.left) * std::size_t(field.bottom - field.top));
    for (Int y = field.top; y < field.bottom; ++y)
        for (Int x = field.left; x < field.right; ++x) {
            const Float own = cover(x, y);
            if (own > 0.0f && own < 1.0f) {
                field.distance.push_back(0.5f - own);
                continue;
            }
            const Bool inside = own >= 1.0f;
            Float nearest = Float(margin);
            for (Int dy = -margin; dy <= margin; ++dy)
                for (Int dx = -margin; dx <= margin; ++dx) {
                    const Float other = cover(x + dx, y + dy);
                    if (inside ? other >= 1.0f : other <= 0.0f)
                        continue;
                    const Float across = inside ? 1.0f - other : other;
                    nearest = std::min(nearest, std::sqrt(Float(dx * dx + dy * dy)) - across + 0.5f);
                }
            field.distance.push_back(inside ? -nearest : nearest);
        }
    return field;
}

tColour mix(const tColour& _a, const tColour& _b, Float _t)
{
    tColour result;
    for (int c = 0; c < 4; ++c)
        result[c] = _a[c] + (_b[c] - _a[c]) * _t;
    return result;
}

tColour withAlpha(tColour _colour, Float _alpha)
{
    _colour[3] *= _alpha;
    return _colour;
}

// Shadow, fill, lit rim, gloss and outline of one placed shape, in that order.
void paintField(const sLayer& _layer, const sField& _field, Float _top, Float _bottom, sImage& _frame)
{
    const Float drop = std::round(_layer.drop >= 0 ? _layer.drop : _layer.shadow * 0.6f);
    const Float height = std::max(1.0f, _bottom - _top);
    const tColour white{1, 1, 1, 1}, black{0, 0, 0, 1};
    for (Int y = _field.top; y < _field.bottom; ++y)
        for (Int x = _field.left; x < _field.right; ++x) {
            const Float d = _field.at(x, y);
            if (_layer.shadow > 0) {
                const Float sd = _field.at(x, y - Int(drop));
                const Float t = clamp01((_layer.shadow - sd) / (2 * _layer.shadow));
                _frame.blend(x, y, withAlpha(_layer.shadowColour, _layer.alpha), t * t * (3 - 2 * t));
            }
            const Float inside = clamp01(0.5f - d);
            if (inside <= 0)
                continue;
            const Float along = clamp01((Float(y) + 0.5f - _top) / height);
            if (_layer.filled)
                _frame.blend(x, y, withAlpha(mix(_layer.fillTop, _layer.fillBottom, along), _layer.alpha), inside);
            if (_layer.bevel > 0 && d > -_layer.bevel) {
                // The rim faces the light, up and a little left, by the slope of the distances.
                const Float nx = _field.at(x + 1, y) - _field.at(x - 1, y);
                const Float ny = _field.at(x, y + 1) - _field.at(x, y - 1);
                const Float norm = std::sqrt(nx * nx + ny * ny);
                if (norm > 1e-4f && norm < 10) {
                    const Float light = -(0.35f * nx + 0.94f * ny) / norm;
                    const Float band = clamp01(1 + d / _layer.bevel) * inside * _layer.alpha;
                    if (light > 0)
                        _frame.blend(x, y, white, 0.55f * light * band);
                    else
                        _frame.blend(x, y, black, -0.3f * light * band);
                }
            }
            if (_layer.gloss) {
                const Float gloss = 0.35f * clamp01(1 - along * 2.2f) * clamp01(0.5f - (d + _layer.outlineWidth + 1));
                _frame.blend(x, y, white, gloss * _layer.alpha);
            }
            if (_layer.outlined) {
                const Float ring = inside - clamp01(0.5f - (d + _layer.outlineWidth));
                _frame.blend(x, y, withAlpha(_layer.outline, _layer.alpha), ring);
            }
        }
}

void paintLayer(const sLayer& _layer, UInt _frameIndex, sImage& _frame)
{
    const std::array<Float, 4> bounds = shapeBounds(_layer);
    for (UInt k = 0; k < _layer.repeat; ++k) {
        sPlacement place;
        place.offset = {_layer.repeatStep.x * Float(k) + _layer.step.x * Float(_frameIndex),
            _layer.repeatStep.y * Float(k) + _layer.step.y * Float(_frameIndex)};
        place.angle = (_layer.rotation + _layer.spin * Float(_frameIndex)) * kPi / 180;
        place.pivot = _layer.pivotSet ? _layer.pivot
                                      : sPoint{(bounds[0] + bounds[2]) / 2, (bounds[1] + bounds[3]) / 2};
        const sField field = _layer.shape == eShape::Text ? textField(_layer, place, _frame.width, _frame.height)
                                                          : shapeField(_layer, place, _frame.width, _frame.height);
        Float top = bounds[1] + place.offset.y, bottom = bounds[3] + place.offset.y;
        if (_layer.shape == eShape::Text) {
            top = _layer.box[1] - 0.4f * _layer.box[2] + place.offset.y;
            bottom = _layer.box[1] + 0.4f * _layer.box[2] + place.offset.y;
        }
        paintField(_layer, field, top, bottom, _frame);
    }
}

// Button states, from the painted normal frame.
void applyState(UInt _state, sImage& _frame)
{
    if (_state == 2) {
        // Pressed: the face sinks by a pixel down and to the right.
        sImage moved(_frame.width, _frame.height);
        for (UInt y = 1; y < _frame.height; ++y)
            std::copy_n(&_frame.rgba[(std::size_t(y - 1) * _frame.width) * 4], (_frame.width - 1) * 4,
                &moved.rgba[(std::size_t(y) * _frame.width + 1) * 4]);
        _frame = moved;
    }
    for (std::size_t i = 0; i < _frame.rgba.size(); i += 4) {
        Float* p = &_frame.rgba[i];
        const Float a = p[3];
        if (_state == 1)
            for (int c = 0; c < 3; ++c)
                p[c] += (a - p[c]) * 0.18f;
        else if (_state == 2)
            for (int c = 0; c < 3; ++c)
                p[c] *= 0.82f;
        else if (_state == 3) {
            const Float grey = 0.3f * p[0] + 0.59f * p[1] + 0.11f * p[2];
            for (int c = 0; c < 3; ++c)
                p[c] = (grey * 0.75f + a * 0.25f) * 0.75f;
            p[3] = a * 0.75f;
        }
    }
}

} // namespace

sImage paintFrame(const sPicture& _picture, UInt _frame)
{
    sImage frame(_picture.frameWidth, _picture.frameHeight);
    const UInt drawn = _picture.states ? 0 : _frame;
    if (_picture.background)
        for (UInt y = 0; y < frame.height; ++y)
            for (UInt x = 0; x < frame.width; ++x)
                frame.blend(Int(x), Int(y), _picture.backgroundColour, 1);
    for (const sLayer& layer : _picture.layers)
        if (layer.onlyFrame < 0 || UInt(layer.onlyFrame) == drawn)
            paintLayer(layer, drawn, frame);
    if (_picture.states)
        applyState(_frame, frame);
    return frame;
}

sImage paintPicture(const sPicture& _picture)
{
    sImage image(_picture.width(), _picture.height());
    for (UInt i = 0; i < _picture.frames; ++i)
        image.place(paintFrame(_picture, i), (i % _picture.columns) * _picture.frameWidth,
            (i / _picture.columns) * _picture.frameHeight);
    return image;
}
