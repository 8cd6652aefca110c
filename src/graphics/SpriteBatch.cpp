#include "graphics/SpriteBatch.h"

#include "engine/ValueConvert.h"

#include <algorithm>

namespace {

// Bigger grids are no rounder on screen and would let one sprite ask for unbounded memory.
const UInt MAX_SUBDIVISION = 64;

UInt blendColors(const UInt (&_colors)[4], Float _a, Float _b)
{
    const Float weights[4] = {(1 - _a) * (1 - _b), (1 - _a) * _b, _a * (1 - _b), _a * _b};
    DXColor sum, corner;
    for (int i = 0; i < 4; ++i) {
        colorFromARGB(corner, _colors[i]);
        sum.r += corner.r * weights[i];
        sum.g += corner.g * weights[i];
        sum.b += corner.b * weights[i];
        sum.a += corner.a * weights[i];
    }
    return colorToARGB(sum);
}

} // namespace

void cSpriteBatch::begin(UInt _reserveSprites)
{
    m_chunks.clear();
    m_current = sChunk();
    m_vertices.clear();
    m_indices.clear();
    // Only the first frames grow the buffers; the reserve is a hint, never a limit.
    const std::size_t sprites = std::min<UInt>(_reserveSprites, 1u << 16);
    m_vertices.reserve(sprites * 4);
    m_indices.reserve(sprites * 6);
}

Bool cSpriteBatch::continues(const sSpriteTexture& _texture, ULong _renderType, UInt _shader,
                             const void* _constants) const
{
    return !m_current.unit && m_current.texture == _texture.id && m_current.renderType == _renderType &&
           m_current.shader == _shader && m_current.constants == _constants;
}

void cSpriteBatch::cutChunk()
{
    m_chunks.push_back(m_current);
    sChunk next;
    next.baseVertex = m_current.baseVertex + m_current.vertexCount;
    next.startIndex = UInt(m_indices.size());
    m_current = next;
}

void cSpriteBatch::add(const sSpriteQuad& _quad, const sSpriteTexture& _texture, ULong _renderType, UInt _shader,
                       const void* _constants, const sScreenGeometry& _geometry)
{
    const Bool first = m_vertices.empty() && !m_current.unit;
    if (!first && !continues(_texture, _renderType, _shader, _constants))
        cutChunk();
    if (m_current.vertexCount == 0) {
        m_current.texture = _texture.id;
        m_current.renderType = _renderType;
        m_current.shader = _shader;
        m_current.constants = _constants;
    }
    const UInt n = std::clamp<UInt>(_quad.subdivision, 1, MAX_SUBDIVISION);
    writeVertices(_quad, _texture, _geometry);
    writeIndices(n);
    m_current.vertexCount += (n + 1) * (n + 1);
    m_current.primitiveCount += 2 * n * n;
}

void cSpriteBatch::writeVertices(const sSpriteQuad& _quad, const sSpriteTexture& _texture,
                                 const sScreenGeometry& _geometry)
{
    const UInt n = std::clamp<UInt>(_quad.subdivision, 1, MAX_SUBDIVISION);
    const std::size_t first = m_vertices.size();
    m_vertices.resize(first + std::size_t(n + 1) * (n + 1));
    sVertex* out = &m_vertices[first];
    const Float* x = _quad.x;
    const Float* y = _quad.y;
    for (UInt i = 0; i <= n; ++i) {
        const Float a = Float(i) / Float(n);
        for (UInt j = 0; j <= n; ++j, ++out) {
            const Float b = Float(j) / Float(n);
            // Bilinear over the corners, exact at each of them.
            const Float px = x[0] + a * (x[2] - x[0]) + b * (x[1] - x[0]) + a * b * (x[3] - x[2] - x[1] + x[0]);
            const Float py = y[0] + a * (y[2] - y[0]) + b * (y[1] - y[0]) + a * b * (y[3] - y[2] - y[1] + y[0]);
            const Vector2 device = _geometry.toDevice(px, py);
            out->x = device.x;
            out->y = device.y;
            out->z = 0;
            out->rhw = 1;
            // Corners keep their colours exactly; only inner grid points mix them.
            const Bool corner = (i == 0 || i == n) && (j == 0 || j == n);
            out->colour = corner ? _quad.color[(i ? 2 : 0) + (j ? 1 : 0)] : blendColors(_quad.color, a, b);
            out->u0 = (_quad.left + (_quad.right - _quad.left) * b) * _texture.uScale;
            out->v0 = (_quad.top + (_quad.bottom - _quad.top) * a) * _texture.vScale;
            out->u1 = out->v1 = 0;
        }
    }
}

void cSpriteBatch::writeIndices(UInt _n)
{
    const UInt base = UInt(m_vertices.size()) - (_n + 1) * (_n + 1) - m_current.baseVertex;
    const std::size_t first = m_indices.size();
    m_indices.resize(first + std::size_t(6) * _n * _n);
    UInt* out = &m_indices[first];
    for (UInt i = 0; i < _n; ++i)
        for (UInt j = 0; j < _n; ++j) {
            const UInt tl = base + i * (_n + 1) + j, tr = tl + 1;
            const UInt bl = base + (i + 1) * (_n + 1) + j, br = bl + 1;
            *out++ = tl;
            *out++ = bl;
            *out++ = tr;
            *out++ = tr;
            *out++ = bl;
            *out++ = br;
        }
}

void cSpriteBatch::addUnit(const void* _unit)
{
    if (!m_vertices.empty() || m_current.unit)
        cutChunk();
    m_current.texture = 0;
    m_current.renderType = 0;
    m_current.shader = 0;
    m_current.constants = nullptr;
    m_current.unit = _unit;
}

void cSpriteBatch::end()
{
    m_chunks.push_back(m_current);
    m_current = sChunk();
}
