#pragma once
#include "engine/resources/Resource.h"
#include "graphics/meshes/Matrix.h"
#include "graphics/meshes/VertexFormat.h"

#include <vector>

// An indexed triangle list read from a mesh file, resource type 5. The renderer does the
// vertex work itself, so in place of device buffers a mesh keeps the file's vertex bytes and
// indices in memory for its whole life; there is nothing to release or rebuild around a
// device reset, and preUpdate and update stay cResource's empty ones.
class iMesh : public cResource {
public:
    explicit iMesh(const String& _name) : cResource(_name) {}

    UInt getType() const override { return RT_MESH; }
    virtual const ULong& getFVF() const = 0;
    // getVerticesCount() vertices of getVertexSize() bytes each, in the file's layout.
    virtual const unsigned char* getVertexBuffer() const = 0;
    // Three indices per triangle, each below getVerticesCount().
    virtual const UInt16* getIndexBuffer() const = 0;
    virtual UInt getTrianglesCount() const = 0;
    virtual UInt getVerticesCount() const = 0;
    virtual UInt getVertexSize() const = 0;
    // The bind matrix of each bone for a skinned mesh; null for the static formats.
    virtual const std::vector<Matrix>* getBones() const = 0;

    // Vertex _index (below getVerticesCount()) decoded from the kept bytes.
    sMeshVertex getVertex(UInt _index) const;

    // Builds the mesh class that the file's vertex format selects from the file's bytes,
    // which stay the caller's. _name names the file in error texts. Loading by path (open
    // through the file manager, read whole, call this) sits with the file manager.
    static iMesh* create(const String& _name, const char* _source, ULong _sourceSize);
};

// A mesh of one of the static vertex formats; cAniMesh extends the skinned one.
template <ULong _fvf>
class cMesh : public iMesh {
public:
    cMesh(const String& _name, const char* _source, ULong _sourceSize);

    const ULong& getFVF() const override { return m_fvf; }
    const unsigned char* getVertexBuffer() const override { return m_vertices.data(); }
    const UInt16* getIndexBuffer() const override { return m_indices.data(); }
    UInt getTrianglesCount() const override { return m_trianglesCount; }
    UInt getVerticesCount() const override { return m_verticesCount; }
    UInt getVertexSize() const override { return ::getVertexSize(_fvf); }
    const std::vector<Matrix>* getBones() const override { return nullptr; }

protected:
    // Where the mesh part of the file ends, for the bones that follow it.
    ULong m_meshEnd = 0;

private:
    UInt m_trianglesCount = 0;
    UInt m_verticesCount = 0;
    std::vector<UInt16> m_indices;
    std::vector<unsigned char> m_vertices;
    ULong m_fvf = _fvf;
};

extern template class cMesh<FVF_POSITION_NORMAL_TEXTURE>;
extern template class cMesh<FVF_POSITION_TEXTURE>;
extern template class cMesh<FVF_POSITION_NORMAL>;
extern template class cMesh<FVF_SKINNED>;
