#include "graphics/GraphicsImpl.h"
#include "graphics/sprites/Sprite.h"
#include "graphics/meshes/Unit.h"

namespace {

// Two black bars: above and below a picture that fills the width, else left and right.
void addBar(std::vector<sVertex>& _vertices, Float _left, Float _top, Float _right, Float _bottom)
{
    const Float xs[4] = {_left, _right, _left, _right};
    const Float ys[4] = {_top, _top, _bottom, _bottom};
    for (int i = 0; i < 4; ++i) {
        sVertex vertex;
        vertex.x = xs[i];
        vertex.y = ys[i];
        vertex.colour = 0xFF000000;
        _vertices.push_back(vertex);
    }
}

} // namespace

void cGraphics::renderScene()
{
    sMeshFrame frame;
    frame.geometry = m_geometry;
    frame.lights = &m_params.lights;
    frame.style = {m_wireframe, m_geometry.fullscreen};
    for (const sChunk& chunk : m_batch.chunks()) {
        if (chunk.unit)
            m_triangles += m_meshScene.draw(*static_cast<const sUnit*>(chunk.unit), frame, *m_device);
        else
            drawChunk(chunk);
    }
}

void cGraphics::drawChunk(const sChunk& _chunk)
{
    if (_chunk.primitiveCount == 0)
        return;
    const sFrameStyle style{m_wireframe, m_geometry.fullscreen};
    const sVertex* vertices = m_batch.vertices() + _chunk.baseVertex;
    const UInt* indices = m_batch.indices() + _chunk.startIndex;
    const UInt indexCount = _chunk.primitiveCount * 3;
    if (_chunk.shader)
        vertices = m_shaders
                       .shade(_chunk.shader, vertices, _chunk.vertexCount,
                              static_cast<const sSprite::SHADER_CONSTANTS*>(_chunk.constants),
                              Float(m_device->getWidth()), Float(m_device->getHeight()))
                       .data();
    if (_chunk.renderType & RT_MASK_WRITER) {
        m_device->draw(vertices, _chunk.vertexCount, indices, indexCount,
                       maskWriterState(_chunk.renderType, _chunk.texture, _chunk.shader, style));
        m_triangles += _chunk.primitiveCount;
    }
    m_device->draw(vertices, _chunk.vertexCount, indices, indexCount,
                   spriteState(_chunk.renderType, _chunk.texture, _chunk.shader, style));
    m_triangles += _chunk.primitiveCount;
}

void cGraphics::drawBorders()
{
    const Float width = Float(m_device->getWidth()), height = Float(m_device->getHeight());
    std::vector<sVertex> vertices;
    if (m_geometry.offsetX <= 0) {
        addBar(vertices, 0, 0, width, m_geometry.offsetY);
        addBar(vertices, 0, height - m_geometry.offsetY, width, height);
    } else {
        addBar(vertices, 0, 0, m_geometry.offsetX, height);
        addBar(vertices, width - m_geometry.offsetX, 0, width, height);
    }
    const UInt indices[12] = {0, 2, 1, 1, 2, 3, 4, 6, 5, 5, 6, 7};
    sDrawState state;
    state.stages[0].colourOp = state.stages[0].alphaOp = STAGE_SELECT_CURRENT;
    state.stages[1].colourOp = state.stages[1].alphaOp = STAGE_DISABLE;
    state.blend = false;
    state.alphaTest = false;
    m_device->draw(vertices.data(), UInt(vertices.size()), indices, 12, state);
}
