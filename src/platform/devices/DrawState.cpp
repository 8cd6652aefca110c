#include "platform/devices/DrawState.h"

Bool sTextureStage::operator==(const sTextureStage& _other) const
{
    return texture == _other.texture && colourOp == _other.colourOp && alphaOp == _other.alphaOp &&
           minFilter == _other.minFilter && magFilter == _other.magFilter;
}

Bool sViewport::operator==(const sViewport& _other) const
{
    return x == _other.x && y == _other.y && width == _other.width && height == _other.height;
}

Bool sDrawState::operator==(const sDrawState& _other) const
{
    for (UInt i = 0; i < STAGE_COUNT; ++i)
        if (!(stages[i] == _other.stages[i]))
            return false;
    return blend == _other.blend && srcBlend == _other.srcBlend && destBlend == _other.destBlend &&
           alphaTest == _other.alphaTest && alphaRef == _other.alphaRef && stencil == _other.stencil &&
           stencilRef == _other.stencilRef && depthTest == _other.depthTest &&
           depthWrite == _other.depthWrite && cull == _other.cull && wireframe == _other.wireframe &&
           viewport == _other.viewport;
}
