#include "graphics/meshes/VertexFormat.h"

#include <cstring>

namespace {

// Byte offsets within one vertex; -1 where the format has no such component. The position
// always comes first.
struct sLayout {
    ULong fvf;
    UInt size;
    int weights;
    int bones;
    int normal;
    int texture;
};

const sLayout kLayouts[] = {
    {FVF_POSITION_NORMAL_TEXTURE, 32, -1, -1, 12, 24},
    {FVF_POSITION_TEXTURE, 20, -1, -1, -1, 12},
    {FVF_POSITION_NORMAL, 24, -1, -1, 12, -1},
    {FVF_SKINNED, 48, 12, 24, 28, 40},
};

const sLayout* findLayout(ULong _fvf)
{
    for (const sLayout& layout : kLayouts)
        if (layout.fvf == _fvf)
            return &layout;
    return nullptr;
}

Float readFloat(const unsigned char* _bytes)
{
    const std::uint32_t bits = std::uint32_t(_bytes[0]) | std::uint32_t(_bytes[1]) << 8
        | std::uint32_t(_bytes[2]) << 16 | std::uint32_t(_bytes[3]) << 24;
    Float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void readFloats(const unsigned char* _bytes, Float* _values, int _count)
{
    for (int i = 0; i < _count; ++i)
        _values[i] = readFloat(_bytes + 4 * i);
}

Vector3 readVector(const unsigned char* _bytes)
{
    return {readFloat(_bytes), readFloat(_bytes + 4), readFloat(_bytes + 8)};
}

} // namespace

UInt getVertexSize(ULong _fvf)
{
    const sLayout* layout = findLayout(_fvf);
    return layout ? layout->size : 0;
}

sMeshVertex decodeVertex(ULong _fvf, const unsigned char* _bytes)
{
    sMeshVertex vertex;
    const sLayout* layout = findLayout(_fvf);
    if (!layout)
        return vertex;
    vertex.position = readVector(_bytes);
    if (layout->normal >= 0)
        vertex.normal = readVector(_bytes + layout->normal);
    if (layout->texture >= 0) {
        vertex.u = readFloat(_bytes + layout->texture);
        vertex.v = readFloat(_bytes + layout->texture + 4);
    }
    if (layout->weights >= 0)
        readFloats(_bytes + layout->weights, vertex.weights, 3);
    if (layout->bones >= 0)
        std::memcpy(vertex.bones, _bytes + layout->bones, 4);
    return vertex;
}
