#include "platform/sdl/GlStateCache.h"

namespace {

const GLenum BLEND_FACTORS[] = {GL_ZERO, GL_ONE, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_DST_COLOR};

const GLenum STAGE_UNITS[sDrawState::STAGE_COUNT] = {GL_TEXTURE0, GL_TEXTURE1};

// The combiner for a stage op: its function and its one or two sources.
struct sCombine {
    GLenum function, source0, source1;
};
sCombine combineFor(eStageOp _op)
{
    switch (_op) {
    case STAGE_SELECT_TEXTURE: return {GL_REPLACE, GL_TEXTURE, GL_TEXTURE};
    case STAGE_SELECT_CURRENT: return {GL_REPLACE, GL_PREVIOUS, GL_PREVIOUS};
    default: return {GL_MODULATE, GL_PREVIOUS, GL_TEXTURE};
    }
}

// The anisotropic filter keeps GL's maximum anisotropy of 1, the default of the device the
// game was made for, under which it samples as the linear filter does: a sprite scaled up for
// full screen gains nothing from more, and software GL pays for every sample of it.
GLint glFilter(eFilter _filter)
{
    return _filter == FILTER_POINT ? GL_NEAREST : GL_LINEAR;
}

} // namespace

cGlStateCache::cGlStateCache()
{
    invalidate();
}

void cGlStateCache::invalidate()
{
    for (sStageCache& stage : m_stages)
        stage = sStageCache();
    m_filters.clear();
    m_capabilities.clear();
    m_known = false;
}

void cGlStateCache::setCapability(GLenum _capability, Bool _on)
{
    auto found = m_capabilities.find(_capability);
    if (found != m_capabilities.end() && found->second == _on)
        return;
    m_capabilities[_capability] = _on;
    ++m_changes;
    if (_on)
        glEnable(_capability);
    else
        glDisable(_capability);
}

void cGlStateCache::apply(const sDrawState& _state, const GLuint (&_textures)[sDrawState::STAGE_COUNT],
                          UInt _targetWidth, UInt _targetHeight)
{
    // A disabled stage switches off every stage after it, as on the original device.
    Bool earlierOn = true;
    for (UInt i = 0; i < sDrawState::STAGE_COUNT; ++i) {
        earlierOn = earlierOn && _state.stages[i].colourOp != STAGE_DISABLE;
        const Bool enabled = earlierOn && _textures[i] != 0;
        applyStage(i, _state.stages[i], _textures[i], enabled);
    }
    applyBlend(_state);
    applyStencil(_state);
    applyDepthAndRaster(_state);
    applyViewport(_state.viewport, _targetWidth, _targetHeight);
    m_known = true;
}

void cGlStateCache::applyStage(UInt _stage, const sTextureStage& _wanted, GLuint _texture, Bool _enabled)
{
    sStageCache& cached = m_stages[_stage];
    Bool active = false;
    const auto activate = [&] {
        if (!active)
            glActiveTexture(STAGE_UNITS[_stage]);
        active = true;
    };
    if (!cached.known || cached.enabled != _enabled) {
        activate();
        ++m_changes;
        if (_enabled)
            glEnable(GL_TEXTURE_2D);
        else
            glDisable(GL_TEXTURE_2D);
        cached.enabled = _enabled;
    }
    if (_enabled && (!cached.known || cached.texture != _texture)) {
        activate();
        ++m_changes;
        glBindTexture(GL_TEXTURE_2D, _texture);
        cached.texture = _texture;
    }
    if (!cached.known || cached.colourOp != _wanted.colourOp || cached.alphaOp != _wanted.alphaOp) {
        activate();
        ++m_changes;
        const sCombine colour = combineFor(_wanted.colourOp), alpha = combineFor(_wanted.alphaOp);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
        glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GLint(colour.function));
        glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, GLint(colour.source0));
        glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB, GLint(colour.source1));
        glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, GLint(alpha.function));
        glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_ALPHA, GLint(alpha.source0));
        glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_ALPHA, GLint(alpha.source1));
        cached.colourOp = _wanted.colourOp;
        cached.alphaOp = _wanted.alphaOp;
    }
    cached.known = true;
    if (!_enabled)
        return;
    auto found = m_filters.find(_texture);
    if (found != m_filters.end() && found->second.min == _wanted.minFilter && found->second.mag == _wanted.magFilter)
        return;
    activate();
    applyFilters(_texture, _wanted);
}

// The texture is bound on the active unit.
void cGlStateCache::applyFilters(GLuint _texture, const sTextureStage& _wanted)
{
    ++m_changes;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, glFilter(_wanted.minFilter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, glFilter(_wanted.magFilter));
    m_filters[_texture] = {_wanted.minFilter, _wanted.magFilter};
}

void cGlStateCache::applyBlend(const sDrawState& _state)
{
    setCapability(GL_BLEND, _state.blend);
    if (!m_known || m_src != _state.srcBlend || m_dest != _state.destBlend) {
        ++m_changes;
        glBlendFunc(BLEND_FACTORS[_state.srcBlend], BLEND_FACTORS[_state.destBlend]);
        m_src = _state.srcBlend;
        m_dest = _state.destBlend;
    }
    setCapability(GL_ALPHA_TEST, _state.alphaTest);
    if (!m_known || m_alphaRef != _state.alphaRef) {
        ++m_changes;
        glAlphaFunc(GL_GREATER, GLclampf(_state.alphaRef) / 255.0f);
        m_alphaRef = _state.alphaRef;
    }
}

void cGlStateCache::applyStencil(const sDrawState& _state)
{
    setCapability(GL_STENCIL_TEST, _state.stencil != STENCIL_OFF);
    if (_state.stencil == STENCIL_OFF)
        return;
    if (m_known && m_stencil == _state.stencil && m_stencilRef == _state.stencilRef)
        return;
    ++m_changes;
    const Bool write = _state.stencil == STENCIL_WRITE;
    glStencilFunc(write ? GL_ALWAYS : GL_EQUAL, GLint(_state.stencilRef), 0xFF);
    glStencilOp(GL_KEEP, GL_KEEP, write ? GL_REPLACE : GL_KEEP);
    m_stencil = _state.stencil;
    m_stencilRef = _state.stencilRef;
}

void cGlStateCache::applyDepthAndRaster(const sDrawState& _state)
{
    setCapability(GL_DEPTH_TEST, _state.depthTest);
    if (!m_known || m_depthWrite != _state.depthWrite) {
        ++m_changes;
        glDepthMask(_state.depthWrite ? GL_TRUE : GL_FALSE);
        m_depthWrite = _state.depthWrite;
    }
    setCapability(GL_CULL_FACE, _state.cull != CULL_NONE);
    if (!m_known || m_wireframe != _state.wireframe) {
        ++m_changes;
        glPolygonMode(GL_FRONT_AND_BACK, _state.wireframe ? GL_LINE : GL_FILL);
        m_wireframe = _state.wireframe;
    }
}

void cGlStateCache::applyViewport(const sViewport& _viewport, UInt _targetWidth, UInt _targetHeight)
{
    sViewport viewport = _viewport;
    if (viewport.width == 0 || viewport.height == 0)
        viewport = {0, 0, _targetWidth, _targetHeight};
    if (m_known && viewport == m_viewport && m_targetWidth == _targetWidth && m_targetHeight == _targetHeight)
        return;
    ++m_changes;
    glViewport(GLint(viewport.x), GLint(_targetHeight) - GLint(viewport.y + viewport.height), GLsizei(viewport.width),
               GLsizei(viewport.height));
    // Vertices come with Direct3D 8 pixel centres on whole coordinates; GL's sit at +0.5,
    // so the picture is shifted by half a pixel. Depth arrives already in 0..1.
    // A pixel centre right on a horizontal edge belongs to the shape below it in Direct3D and to
    // the one above it in GL (whose rows count upwards): a scaled full-screen picture, whose
    // edges fall on centres, would leave the screen's top row bare. A nudge far below a
    // texel's worth moves such edges just above the centres.
    constexpr double TIE_NUDGE = 1.0 / 128;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(viewport.x - 0.5, viewport.x + viewport.width - 0.5, viewport.y + viewport.height - 0.5 + TIE_NUDGE,
            viewport.y - 0.5 + TIE_NUDGE, 0.0, -1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    m_viewport = viewport;
    m_targetWidth = _targetWidth;
    m_targetHeight = _targetHeight;
}

void cGlStateCache::enableDepthWrites()
{
    if (m_known && m_depthWrite)
        return;
    glDepthMask(GL_TRUE);
    m_depthWrite = true;
}

void cGlStateCache::forgetTexture(GLuint _texture)
{
    m_filters.erase(_texture);
    for (sStageCache& stage : m_stages)
        if (stage.texture == _texture)
            stage.known = false;
}

void cGlStateCache::forgetBinding(UInt _stage)
{
    m_stages[_stage].known = false;
}
