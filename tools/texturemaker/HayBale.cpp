#include "HayBale.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace {

const UInt kFormat = 0x112; // position, normal, texture
const UInt kSegments = 12;
const Float kRadius = 0.5f, kHalfLength = 0.6f;
const String kTag = "alem";

struct sVertex {
    Float position[3], normal[3], uv[2];
};

String u32(UInt _value)
{
    String bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(_value >> (8 * i) & 0xFF);
    return bytes;
}

String f32(Float _value)
{
    UInt bits;
    std::memcpy(&bits, &_value, sizeof bits);
    return u32(bits);
}

// Turns a triangle so that it is clockwise seen from outside (the front face of a
// left-handed view), which its normal tells.
void addTriangle(const std::vector<sVertex>& _vertices, UInt16 _a, UInt16 _b, UInt16 _c, std::vector<UInt16>& _indices)
{
    const Float* a = _vertices[_a].position;
    const Float* b = _vertices[_b].position;
    const Float* c = _vertices[_c].position;
    const Float u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const Float v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const Float cross[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const Float* n = _vertices[_a].normal;
    const Bool outward = cross[0] * n[0] + cross[1] * n[1] + cross[2] * n[2] > 0;
    _indices.insert(_indices.end(), {_a, outward ? _b : _c, outward ? _c : _b});
}

} // namespace

String makeHayBaleMesh()
{
    const Float pi = 3.14159265f;
    std::vector<sVertex> vertices;
    std::vector<UInt16> indices;
    // The round side: a seam of doubled vertices where the picture wraps.
    for (UInt i = 0; i <= kSegments; ++i) {
        const Float angle = 2 * pi * Float(i) / Float(kSegments);
        const Float y = std::cos(angle), z = std::sin(angle);
        for (const Float x : {-kHalfLength, kHalfLength})
            vertices.push_back({{x, y * kRadius, z * kRadius}, {0, y, z},
                {0.5f * Float(i) / Float(kSegments), x < 0 ? 0.0f : 1.0f}});
    }
    for (UInt i = 0; i < kSegments; ++i) {
        const UInt16 a = UInt16(i * 2), b = UInt16(a + 1), c = UInt16(a + 2), d = UInt16(a + 3);
        addTriangle(vertices, a, b, c, indices);
        addTriangle(vertices, b, d, c, indices);
    }
    // The two flat ends, each a fan around its centre.
    for (const Float x : {-kHalfLength, kHalfLength}) {
        const Float side = x < 0 ? -1.0f : 1.0f;
        const UInt16 centre = UInt16(vertices.size());
        vertices.push_back({{x, 0, 0}, {side, 0, 0}, {0.75f, 0.5f}});
        for (UInt i = 0; i < kSegments; ++i) {
            const Float angle = 2 * pi * Float(i) / Float(kSegments);
            const Float y = std::cos(angle), z = std::sin(angle);
            vertices.push_back({{x, y * kRadius, z * kRadius}, {side, 0, 0}, {0.75f + 0.24f * z, 0.5f - 0.48f * y}});
        }
        for (UInt i = 0; i < kSegments; ++i)
            addTriangle(vertices, centre, UInt16(centre + 1 + i), UInt16(centre + 1 + (i + 1) % kSegments), indices);
    }

    String file = kTag + u32(kFormat) + u32(UInt(vertices.size())) + u32(UInt(indices.size())) + kTag;
    for (const sVertex& vertex : vertices) {
        for (const Float value : vertex.position)
            file += f32(value);
        for (const Float value : vertex.normal)
            file += f32(value);
        for (const Float value : vertex.uv)
            file += f32(value);
    }
    file += kTag;
    for (const UInt16 index : indices)
        file += u32(index).substr(0, 2);
    return file + kTag;
}
