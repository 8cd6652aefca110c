#include "graphics/sprites/RenderType.h"

namespace {

eFilter filterFor(ULong _renderType)
{
    if (_renderType & RT_LINEAR)
        return FILTER_LINEAR;
    if (_renderType & RT_ANISOTROPIC)
        return FILTER_ANISOTROPIC;
    return FILTER_POINT;
}

} // namespace

sDrawState spriteState(ULong _renderType, UInt _texture, UInt _shader, const sFrameStyle& _style)
{
    sDrawState state;
    sTextureStage& stage = state.stages[0];
    stage.texture = _style.wireframe ? 0 : _texture;
    stage.minFilter = stage.magFilter = filterFor(_renderType);
    // A scaled picture is magnified smoothly, except overlays, whose blend would smear.
    if (_style.fullscreen && _shader == 0)
        stage.magFilter = (_renderType & RT_OVERLAY) ? FILTER_POINT : FILTER_ANISOTROPIC;
    state.stages[1].colourOp = state.stages[1].alphaOp = STAGE_DISABLE;

    if (_renderType & (RT_OVERLAY | RT_OVERLAY_BLEND)) {
        state.srcBlend = BLEND_DEST_COLOR;
        state.destBlend = BLEND_SRC_ALPHA;
    }
    const Bool opaque = (_renderType & RT_OPAQUE) != 0;
    state.blend = !opaque;
    state.alphaTest = !opaque;
    state.alphaRef = 0;
    state.stencil = (_renderType & RT_MASKED) ? STENCIL_EQUAL : STENCIL_OFF;
    state.stencilRef = 1;
    state.wireframe = _style.wireframe;
    return state;
}

sDrawState maskWriterState(ULong _renderType, UInt _texture, UInt _shader, const sFrameStyle& _style)
{
    sDrawState state = spriteState(_renderType, _texture, _shader, _style);
    state.blend = true;
    state.alphaTest = true;
    state.srcBlend = BLEND_ZERO;
    state.destBlend = BLEND_ONE;
    state.alphaRef = 0x88;
    state.stencil = STENCIL_WRITE;
    return state;
}
