#pragma once
#include "graphics/Animation.h"
#include "graphics/Mesh.h"
#include "graphics/Unit.h"
#include "support/AnimationWriter.h"
#include "support/MeshWriter.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

inline std::unique_ptr<iMesh> loadMesh(const std::string& _bytes, const String& _name = "Meshes/test.mesh")
{
    return std::unique_ptr<iMesh>(iMesh::create(_name, _bytes.data(), ULong(_bytes.size())));
}

inline std::unique_ptr<cAnimation> loadAnimation(const std::string& _bytes,
    const String& _name = "Animations/test.anim")
{
    return std::make_unique<cAnimation>(_name, _bytes.data(), ULong(_bytes.size()));
}

// A mesh from test vertices and indices (format 0x12 unless given).
inline std::unique_ptr<iMesh> makeMesh(const std::vector<sTestVertex>& _vertices,
    const std::vector<std::uint16_t>& _indices, unsigned _fvf = 0x12, const std::vector<Matrix>& _bones = {})
{
    return loadMesh(writeMeshFile(_fvf, _vertices, _indices, _bones));
}

inline std::unique_ptr<cAnimation> makeAnimation(const std::vector<sTestNode>& _nodes)
{
    return loadAnimation(writeAnimationFile(1, _nodes));
}

inline sTestNode keyed(std::vector<sTestKey> _keys, std::uint32_t _parent = 0xFFFFFFFF)
{
    sTestNode node;
    node.parent = _parent;
    node.keys = std::move(_keys);
    return node;
}

inline sTestVertex testVertex(float _x, float _y, float _z = 0)
{
    sTestVertex vertex;
    vertex.position[0] = _x;
    vertex.position[1] = _y;
    vertex.position[2] = _z;
    vertex.normal[2] = -1;
    return vertex;
}

// A square at depth _z, its two triangles wound clockwise on screen (y down), or
// counter-clockwise when _clockwise is false.
inline std::unique_ptr<iMesh> squareMesh(float _left, float _top, float _right, float _bottom, float _z,
                                         bool _clockwise = true)
{
    const std::vector<sTestVertex> corners = {testVertex(_left, _top, _z), testVertex(_right, _top, _z),
        testVertex(_left, _bottom, _z), testVertex(_right, _bottom, _z)};
    if (_clockwise)
        return makeMesh(corners, {0, 1, 2, 2, 1, 3});
    return makeMesh(corners, {0, 2, 1, 2, 3, 1});
}

// A lit unit with no lights shows the material's emissive colour plus its ambient share.
inline iGraphics::sUnit glowingUnit(iMesh* _mesh, UInt _argb)
{
    iGraphics::sUnit unit;
    unit.mesh = _mesh;
    unit.lighting = true;
    unit.material.diffuse = {0, 0, 0, 1};
    unit.material.emissive = {Float(_argb >> 16 & 0xFF) / 255, Float(_argb >> 8 & 0xFF) / 255,
        Float(_argb & 0xFF) / 255, 1};
    return unit;
}
