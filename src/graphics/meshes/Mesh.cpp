#include "graphics/meshes/Mesh.h"
#include "engine/logs/ErrorStack.h"
#include "graphics/meshes/AniMesh.h"
#include "graphics/meshes/SourceReader.h"

namespace {

using fMaker = iMesh* (*)(const String& _name, const char* _source, ULong _sourceSize);

template <typename tMesh>
iMesh* makeMesh(const String& _name, const char* _source, ULong _sourceSize)
{
    return new tMesh(_name, _source, _sourceSize);
}

const struct {
    ULong fvf;
    fMaker make;
} kMakers[] = {
    {FVF_POSITION_NORMAL_TEXTURE, makeMesh<cMesh<FVF_POSITION_NORMAL_TEXTURE>>},
    {FVF_POSITION_NORMAL, makeMesh<cMesh<FVF_POSITION_NORMAL>>},
    {FVF_POSITION_TEXTURE, makeMesh<cMesh<FVF_POSITION_TEXTURE>>},
    {FVF_SKINNED, makeMesh<cAniMesh<FVF_SKINNED>>},
};

} // namespace

sMeshVertex iMesh::getVertex(UInt _index) const
{
    return decodeVertex(getFVF(), getVertexBuffer() + static_cast<std::size_t>(_index) * getVertexSize());
}

iMesh* iMesh::create(const String& _name, const char* _source, ULong _sourceSize)
{
    GUARD_BEGIN
    // Too short to hold the tag and the format code: nothing in it can be read.
    cSourceReader reader(_source, _sourceSize);
    if (!reader.holds(1, 8) || reader.readU32() != cSourceReader::kTag)
        throw String("Invalid mesh format. File:" + _name);
    const ULong fvf = reader.readU32();
    for (const auto& maker : kMakers)
        if (maker.fvf == fvf)
            return maker.make(_name, _source, _sourceSize);
    throw String("Undefined vertex format. Resource:" + _name);
    GUARD_END("iMesh * iMesh::create(const String& name)")
}

template <ULong _fvf>
cMesh<_fvf>::cMesh(const String& _name, const char* _source, ULong _sourceSize) : iMesh(_name)
{
    GUARD_BEGIN
    cSourceReader reader(_source, _sourceSize);
    reader.readTag();
    reader.readU32(); // the format code, which the class already fixes
    m_verticesCount = reader.readU32();
    const ULong indexCount = reader.readU32();
    m_trianglesCount = indexCount / 3;
    reader.readTag();

    const auto* vertices =
        reinterpret_cast<const unsigned char*>(reader.skipBlock(m_verticesCount, getVertexSize()));
    m_vertices.assign(vertices, vertices + static_cast<std::size_t>(m_verticesCount) * getVertexSize());
    reader.readTag();

    const auto* indices = reinterpret_cast<const unsigned char*>(reader.skipBlock(m_trianglesCount, 6));
    m_indices.resize(static_cast<std::size_t>(m_trianglesCount) * 3);
    for (std::size_t i = 0; i < m_indices.size(); ++i) {
        m_indices[i] = static_cast<UInt16>(indices[2 * i] | indices[2 * i + 1] << 8);
        // An index past the vertices would make the renderer read beyond them.
        if (m_indices[i] >= m_verticesCount)
            throw String("Invalid mesh format. File:" + _name);
    }
    reader.readTag();
    m_meshEnd = reader.getPosition();
    GUARD_END("cMesh<_fvf>::cMesh(const String& name, const char* source, ULong source_size)")
}

template class cMesh<FVF_POSITION_NORMAL_TEXTURE>;
template class cMesh<FVF_POSITION_TEXTURE>;
template class cMesh<FVF_POSITION_NORMAL>;
template class cMesh<FVF_SKINNED>;
