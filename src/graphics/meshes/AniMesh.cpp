#include "graphics/meshes/AniMesh.h"
#include "engine/logs/ErrorStack.h"
#include "graphics/meshes/SourceReader.h"

template <ULong _fvf>
cAniMesh<_fvf>::cAniMesh(const String& _name, const char* _source, ULong _sourceSize)
    : cMesh<_fvf>(_name, _source, _sourceSize)
{
    GUARD_BEGIN
    cSourceReader reader(_source, _sourceSize);
    reader.skipBlock(1, this->m_meshEnd);
    const ULong count = reader.readU32();
    // Sized only once the file is known to hold every matrix, so a damaged count cannot
    // ask for a huge allocation.
    if (!reader.holds(count, 64))
        throw "Unexpected end of source";
    m_bones.resize(count);
    for (Matrix& bone : m_bones)
        bone = reader.readMatrix();
    reader.readTag();
    GUARD_END("cAniMesh<_fvf>::cAniMesh(const String& name, const char* source, ULong source_size)")
}

template class cAniMesh<FVF_SKINNED>;
