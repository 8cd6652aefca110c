#include "graphics/meshes/Skinning.h"

cSkinning::cSkinning(const std::vector<Matrix>& _pose, const Matrix& _world)
    : m_world(_world), m_worldNormal(normalMatrix(_world))
{
    m_matrices.reserve(_pose.size());
    m_normalMatrices.reserve(_pose.size());
    for (const Matrix& bone : _pose) {
        m_matrices.push_back(bone * _world);
        m_normalMatrices.push_back(normalMatrix(m_matrices.back()));
    }
}

cSkinning::sResult cSkinning::skin(const sMeshVertex& _vertex) const
{
    const Float weights[4] = {_vertex.weights[0], _vertex.weights[1], _vertex.weights[2],
        1.0f - (_vertex.weights[0] + _vertex.weights[1] + _vertex.weights[2])};
    sResult result;
    for (int k = 0; k < 4; ++k) {
        const std::size_t bone = _vertex.bones[k];
        const bool posed = bone < m_matrices.size();
        const Vector3 p = transformPoint(_vertex.position, posed ? m_matrices[bone] : m_world);
        const Vector3 n = transformVector(_vertex.normal, posed ? m_normalMatrices[bone] : m_worldNormal);
        result.position.x += p.x * weights[k];
        result.position.y += p.y * weights[k];
        result.position.z += p.z * weights[k];
        result.normal.x += n.x * weights[k];
        result.normal.y += n.y * weights[k];
        result.normal.z += n.z * weights[k];
    }
    return result;
}
