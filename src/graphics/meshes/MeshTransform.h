#pragma once
#include "graphics/meshes/Lighting.h"
#include "graphics/meshes/Matrix.h"

#include <vector>

class iMesh;

// One vertex of a mesh unit after the vertex work, ready for the raster device: its place
// in the space of the world-times-screen matrix (the projection comes after), its colour
// and its texture coordinates.
struct sTransformedVertex {
    Vector3 position;
    DXColor color;
    Float u = 0, v = 0;
};

// What the vertex work of one unit needs besides its mesh.
struct sUnitTransform {
    // The unit's world matrix times the renderer's screen matrix.
    Matrix worldScreen = Matrix::identity();
    // The animation's pose (cAnimation::getMatrices after setTime) for an animated unit,
    // null for a static one. An animated unit blends every vertex by its weights whatever
    // the mesh's format; a format without weights puts the whole vertex on bone 0.
    const std::vector<Matrix>* pose = nullptr;
    Bool lighting = false;
    sMaterial material;
    const std::vector<sLight>* lights = nullptr;
};

// Transforms, skins and lights every vertex of _mesh into _vertices (resized to the mesh's
// vertex count); the mesh's index buffer then names the triangles. Without lighting every
// vertex is opaque white, as the device colours vertices that have no colour of their own.
void transformMesh(const iMesh& _mesh, const sUnitTransform& _unit, std::vector<sTransformedVertex>& _vertices);
