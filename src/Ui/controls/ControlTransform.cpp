// How a control turns its look and place into the renderer's records: the animation clock,
// the grid cell of a frame, the turned corners of a sprite and the world matrix of a mesh.
#include "Ui/controls/Control.h"

#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"
#include "graphics/meshes/Animation.h"
#include "graphics/meshes/Mesh.h"
#include "graphics/sprites/Texture.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The rotation of the unit quaternion about _axis by _radians, for row vectors.
Matrix rotationAbout(const Vector3& _axis, Float _radians)
{
    const Float half = _radians / 2;
    Float x = _axis.x * std::sin(half), y = _axis.y * std::sin(half), z = _axis.z * std::sin(half);
    Float w = std::cos(half);
    const Float length = std::sqrt(x * x + y * y + z * z + w * w);
    if (length > 0) {
        x /= length;
        y /= length;
        z /= length;
        w /= length;
    }
    Matrix result = Matrix::identity();
    result.m[0][0] = 1 - 2 * (y * y + z * z);
    result.m[0][1] = 2 * (x * y - w * z);
    result.m[0][2] = 2 * (x * z + w * y);
    result.m[1][0] = 2 * (x * y + w * z);
    result.m[1][1] = 1 - 2 * (x * x + z * z);
    result.m[1][2] = 2 * (y * z - w * x);
    result.m[2][0] = 2 * (x * z - w * y);
    result.m[2][1] = 2 * (y * z + w * x);
    result.m[2][2] = 1 - 2 * (x * x + y * y);
    return result;
}

} // namespace

UInt cControl::getAnimFrame()
{
    const UInt frames = getFramesCount();
    const Float length = getAnimLength();
    if (!(m_animTime < length))
        return frames - 1;
    if (!(m_animTime > 0))
        return 0;
    // Compared as floats first: rounding may carry the product up to the frame count.
    const Float frame = m_animTime / length * Float(frames);
    return frame < Float(frames - 1) ? UInt(frame) : frames - 1;
}

void cControl::setAnimFrame(UInt _frame)
{
    GUARD_BEGIN
    if (_frame == getAnimFrame())
        return;
    const Float length = getAnimLength();
    const Float time = Float(_frame) * length / Float(getFramesCount());
    m_animTime = std::min(std::max(time, 0.0f), length);
    m_transformDirty = true;
    GUARD_END("void cControl::setAnimFrame(UInt _frame)")
}

void cControl::wrapAnimTime()
{
    const Float length = getAnimLength();
    const Bool loop = getAnimLoop();
    Float& time = m_animTime;
    if (time > length)
        time = loop ? time - std::trunc(time / length) * length : length;
    if (time < 0)
        time = loop ? time - (std::trunc(time / length) - 1) * length : 0;
    // Far from the animation the subtraction loses its precision, and an infinite or
    // undefined clock has no place at all: the clock then starts again.
    if (!(time >= 0 && time <= length))
        time = 0;
}

void cControl::makeTransform()
{
    GUARD_BEGIN
    if (!m_transformDirty)
        return;
    if (getMesh()) {
        makeUnit();
    } else {
        if (m_animTime > getAnimLength() && !getAnimLoop())
            onAnimationEnd();
        wrapAnimTime();
        const UInt frame = getAnimFrame();
        if (!m_doubleAnimRender) {
            makeSprite(m_sprite, frame, 1.0f);
        } else {
            const UInt frames = getFramesCount();
            const Float step = getAnimLength() / Float(frames);
            const Float inside = (m_animTime - Float(frame) * step) / step;
            makeSprite(m_sprite, frame, std::min(1.0f, 2 * (1 - inside)));
            UInt next = frame + 1;
            if (next >= frames)
                next = getAnimLoop() ? next % frames : frames - 1;
            makeSprite(m_secondSprite, next, std::min(1.0f, 2 * inside));
        }
    }
    m_transformDirty = false;
    GUARD_END("void cControl::makeTransform()")
}

void cControl::makeSprite(iGraphics::sSprite& _sprite, UInt _frame, Float _alphaFactor)
{
    GUARD_BEGIN
    const UInt columns = getAnimColumns();
    const Float cellWidth = 1.0f / Float(columns);
    const Float cellHeight = 1.0f / Float(getAnimRows());
    _sprite.left = Float(_frame % columns) * cellWidth;
    _sprite.right = _sprite.left + cellWidth;
    _sprite.top = Float(_frame / columns) * cellHeight;
    _sprite.bottom = _sprite.top + cellHeight;
    if (m_inverceX)
        std::swap(_sprite.left, _sprite.right);
    if (m_inverceY)
        std::swap(_sprite.top, _sprite.bottom);

    const Float angle = m_angle * DEGREES_TO_RADIANS;
    const Float c = std::cos(angle), s = std::sin(angle);
    const Float hw = m_size.x / 2, hh = m_size.y / 2;
    const Float offsets[4][2] = {{-hw, -hh}, {hw, -hh}, {-hw, hh}, {hw, hh}};
    DXColor color = m_color;
    color.a = getRootAlpha() * m_color.a * std::max(0.0f, _alphaFactor);
    const UInt argb = colorToARGB(color);
    for (int i = 0; i < 4; ++i) {
        const Float ox = offsets[i][0], oy = offsets[i][1];
        _sprite.corners[i].x = m_position.x + (ox * c + oy * s);
        _sprite.corners[i].y = m_position.y + (-ox * s + oy * c);
        _sprite.corners[i].color = argb;
    }
    GUARD_END("void cControl::makeSprite(iGraphics::sSprite& _sprite, UInt _frame)")
}

void cControl::makeUnit()
{
    m_unit.mesh = dynamic_cast<iMesh*>(getMesh());
    m_unit.animation = dynamic_cast<cAnimation*>(getAnimationResource());
    m_unit.texture = getTexture();
    m_unit.reserved = 0;
    m_unit.time = m_animTime;
    // The mesh's y and z turn to the screen's, whose y grows downwards.
    const Matrix flip = Matrix::scaling(1, -1, -1);
    m_unit.world = flip * rotationAbout(Vector3{0, 1, 0}, m_yaw) * rotationAbout(Vector3{1, 0, 0}, m_pitch) *
                   Matrix::scaling(m_scale.x, m_scale.y, m_scale.z) *
                   Matrix::translation(m_position.x, m_position.y, m_deep);
    m_unit.material.diffuse = m_color;
    m_unit.material.ambient = m_ambientColor;
    m_unit.material.specular = m_specularColor;
    m_unit.material.emissive = m_emissiveColor;
    m_unit.material.power = m_power;
    m_unit.lighting = m_lightingEnable;
}
