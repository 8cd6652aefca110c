#pragma once
#include "graphics/meshes/Matrix.h"
#include "graphics/meshes/VertexFormat.h"

#include <vector>

// The vertex blending of a skinned unit, done on the CPU as the fixed-function pipeline does
// it with three weights: each vertex is the weighted sum of its position under four bone
// matrices, the fourth weight being one minus the other three. Normals are blended the same
// way through each matrix's inverse transpose and, as the device leaves them by default,
// not renormalised.
class cSkinning {
public:
    // _pose: one matrix per animation node (cAnimation::getMatrices); _world: the unit's
    // world matrix times the screen matrix. Bone j's full matrix is _pose[j] x _world.
    cSkinning(const std::vector<Matrix>& _pose, const Matrix& _world);

    struct sResult {
        Vector3 position;
        Vector3 normal;
    };
    // A bone index beyond the pose (a mesh with more bones than its animation has nodes)
    // takes the unit's world matrix alone, that share of the vertex staying in its bind
    // pose, instead of a matrix that was never set.
    sResult skin(const sMeshVertex& _vertex) const;

    const std::vector<Matrix>& getMatrices() const { return m_matrices; }

private:
    std::vector<Matrix> m_matrices;
    std::vector<Matrix> m_normalMatrices;
    Matrix m_world;
    Matrix m_worldNormal;
};
