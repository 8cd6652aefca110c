#include "graphics/sprites/SpriteBatch.h"

#include "engine/text/ValueConvert.h"

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

// Room for _more items after the _used ones, doubling the buffer when it is short; a
// buffer's size is its capacity, so writing into it costs no initialisation.
template <class T>
T* grow(std::vector<T>& _buffer, UInt& _used, std::size_t _more)
{
    const std::size_t first = _used;
    if (first + _more > _buffer.size())
        _buffer.resize(std::max(first + _more, _buffer.size() * 2));
    _used = UInt(first + _more);
    return _buffer.data() + first;
}

} // namespace

void cSpriteBatch::begin(UInt _reserveSprites)
{
    m_chunks.clear();
    m_current = sChunk();
    m_vertexCount = 0;
    m_indexCount = 0;
    // Only the first frames grow the buffers; the reserve is a hint, never a limit.
    const std::size_t sprites = std::min<UInt>(_reserveSprites, 1u << 16);
    if (m_vertices.size() < sprites * 4)
        m_vertices.resize(sprites * 4);
    if (m_indices.size() < sprites * 6)
        m_indices.resize(sprites * 6);
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
    next.startIndex = m_indexCount;
    m_current = next;
}

void cSpriteBatch::add(const sSpriteQuad& _quad, const sSpriteTexture& _texture, ULong _renderType, UInt _shader,
                       const void* _constants, const sScreenGeometry& _geometry)
{
    const Bool first = m_vertexCount == 0 && !m_current.unit;
    if (!first && !continues(_texture, _renderType, _shader, _constants))
        cutChunk();
    if (m_current.vertexCount == 0) {
        m_current.texture = _texture.id;
        m_current.renderType = _renderType;
        m_current.shader = _shader;
        m_current.constants = _constants;
    }
    const UInt n = std::clamp<UInt>(_quad.subdivision, 1, MAX_SUBDIVISION);
    if (n == 1) {
        writeQuad(_quad, _texture, _geometry);
    } else {
        writeVertices(_quad, _texture, _geometry, n);
        writeIndices(n);
    }
    m_current.vertexCount += (n + 1) * (n + 1);
    m_current.primitiveCount += 2 * n * n;
}

void cSpriteBatch::writeVertices(const sSpriteQuad& _quad, const sSpriteTexture& _texture,
                                 const sScreenGeometry& _geometry, UInt _n)
{
    const UInt n = _n;
    sVertex* out = grow(m_vertices, m_vertexCount, std::size_t(n + 1) * (n + 1));
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

// Nearly every sprite is a plain quad: its corners go out as given, without the grid's maths.
void cSpriteBatch::writeQuad(const sSpriteQuad& _quad, const sSpriteTexture& _texture, const sScreenGeometry& _geometry)
{
    // Everything is read before the first write: the buffer could alias the quad as far as
    // the compiler knows, and would otherwise reload it after every store.
    const Float u[2] = {_quad.left * _texture.uScale, _quad.right * _texture.uScale};
    const Float v[2] = {_quad.top * _texture.vScale, _quad.bottom * _texture.vScale};
    Vector2 corners[4];
    UInt colours[4];
    for (int k = 0; k < 4; ++k) {
        corners[k] = _geometry.toDevice(_quad.x[k], _quad.y[k]);
        colours[k] = _quad.color[k];
    }
    const UInt base = m_vertexCount - m_current.baseVertex;
    sVertex* out = grow(m_vertices, m_vertexCount, 4);
    for (int k = 0; k < 4; ++k)
        out[k] = {corners[k].x, corners[k].y, 0, 1, colours[k], u[k & 1], v[k >> 1], 0, 0};
    UInt* index = grow(m_indices, m_indexCount, 6);
    const UInt quad[6] = {base, base + 2, base + 1, base + 1, base + 2, base + 3};
    for (int k = 0; k < 6; ++k)
        index[k] = quad[k];
}

void cSpriteBatch::writeIndices(UInt _n)
{
    const UInt base = m_vertexCount - (_n + 1) * (_n + 1) - m_current.baseVertex;
    UInt* out = grow(m_indices, m_indexCount, std::size_t(6) * _n * _n);
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
    if (m_vertexCount > 0 || m_current.unit)
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
