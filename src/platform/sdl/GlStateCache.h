#pragma once
#include "platform/devices/DrawState.h"

#include <SDL_opengl.h>

#include <map>

// The GL state the last draw left behind, so a draw sends only what differs. GL keeps
// filtering with the texture object rather than with the stage, so filters are cached per
// texture.
class cGlStateCache {
public:
    cGlStateCache();

    // Everything unknown: the next apply sends the whole state.
    void invalidate();
    // _textures[stage] is the GL name for the stage's texture id, 0 for none.
    void apply(const sDrawState& _state, const GLuint (&_textures)[sDrawState::STAGE_COUNT], UInt _targetWidth,
               UInt _targetHeight);
    // Clearing needs depth writes on; the cache must know the mask changed.
    void enableDepthWrites();
    // A texture was bound or deleted behind the cache's back.
    void forgetTexture(GLuint _texture);
    void forgetBinding(UInt _stage);

    // GL state calls made so far: lets tests see that an unchanged state costs nothing.
    UInt changeCount() const { return m_changes; }

private:
    struct sStageCache {
        Bool known = false;
        GLuint texture = 0;
        Bool enabled = false;
        eStageOp colourOp = STAGE_MODULATE, alphaOp = STAGE_MODULATE;
    };
    struct sFilters {
        eFilter min = FILTER_POINT, mag = FILTER_POINT;
    };

    void applyStage(UInt _stage, const sTextureStage& _wanted, GLuint _texture, Bool _enabled);
    void applyFilters(GLuint _texture, const sTextureStage& _wanted);
    void applyBlend(const sDrawState& _state);
    void applyStencil(const sDrawState& _state);
    void applyDepthAndRaster(const sDrawState& _state);
    void applyViewport(const sViewport& _viewport, UInt _targetWidth, UInt _targetHeight);
    void setCapability(GLenum _capability, Bool _on);

    sStageCache m_stages[sDrawState::STAGE_COUNT];
    std::map<GLuint, sFilters> m_filters;
    std::map<GLenum, Bool> m_capabilities;
    Bool m_known = false; // the fields below hold what GL has
    eBlendFactor m_src = BLEND_ONE, m_dest = BLEND_ZERO;
    UInt m_alphaRef = 0;
    eStencilMode m_stencil = STENCIL_OFF;
    UInt m_stencilRef = 0;
    Bool m_depthWrite = false;
    Bool m_wireframe = false;
    sViewport m_viewport;
    UInt m_targetWidth = 0, m_targetHeight = 0;
    UInt m_changes = 0;
};
