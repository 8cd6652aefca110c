#include "graphics/meshes/Mesh.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

// Any bytes either load as a mesh whose every index names one of its vertices, or fail with
// an error text; never a fault.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    std::unique_ptr<iMesh> mesh;
    try {
        mesh.reset(iMesh::create("fuzz.mesh", reinterpret_cast<const char*>(_data), static_cast<ULong>(_size)));
    } catch (const String&) {
        return 0;
    }
    const UInt16* indices = mesh->getIndexBuffer();
    for (std::size_t i = 0; i < std::size_t(mesh->getTrianglesCount()) * 3; ++i) {
        if (indices[i] >= mesh->getVerticesCount())
            std::abort();
        mesh->getVertex(indices[i]);
    }
    return 0;
}
