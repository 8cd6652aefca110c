#pragma once
#include "graphics/meshes/Mesh.h"

// A skinned mesh: vertices carry blend weights and bone indices, and the file goes on with
// the bind-pose matrix of every bone. Vertex bone index i selects bone i, and the animation
// inverts bone i's matrix when it poses node i.
template <ULong _fvf>
class cAniMesh : public cMesh<_fvf> {
public:
    cAniMesh(const String& _name, const char* _source, ULong _sourceSize);

    const std::vector<Matrix>* getBones() const override { return &m_bones; }

private:
    std::vector<Matrix> m_bones;
};

extern template class cAniMesh<FVF_SKINNED>;
