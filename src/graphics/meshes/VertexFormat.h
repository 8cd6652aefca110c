#pragma once
#include "engine/Types.h"

#include <cstdint>

// The vertex formats of mesh files. The codes are the flexible-vertex-format flags the files
// were written with (position, normal, one texture pair, blend weights with packed bone
// indices), so they keep their values.
enum eVertexFormat : ULong {
    FVF_POSITION_NORMAL_TEXTURE = 0x112,
    FVF_POSITION_TEXTURE = 0x102,
    FVF_POSITION_NORMAL = 0x12,
    FVF_SKINNED = 0x111C,
};

// One vertex of any format; what a format lacks reads as zero.
struct sMeshVertex {
    Vector3 position;
    Vector3 normal;
    Float u = 0, v = 0;
    // Three weights; the fourth is implied as one minus their sum.
    Float weights[3] = {};
    // Bone index k goes with weight k (index 3 with the implied weight).
    std::uint8_t bones[4] = {};
};

// The byte size of one vertex of _fvf, 0 for a code that is not one of the four.
UInt getVertexSize(ULong _fvf);
// Decodes one vertex of _fvf from its little-endian bytes (getVertexSize(_fvf) of them).
sMeshVertex decodeVertex(ULong _fvf, const unsigned char* _bytes);
