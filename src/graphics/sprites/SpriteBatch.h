#pragma once
#include "engine/Types.h"
#include "graphics/ScreenGeometry.h"
#include "platform/devices/DrawState.h"

#include <vector>

// One run of the frame's draw list: sprites that share texture, render type, shader and
// shader constants, or one mesh unit.
struct sChunk {
    UInt texture = 0; // device texture id, 0 for none
    UInt startIndex = 0;
    UInt primitiveCount = 0;
    UInt vertexCount = 0;
    UInt baseVertex = 0;
    ULong renderType = 0;
    UInt shader = 0;
    const void* constants = nullptr; // the sprite's constant list, compared by identity
    const void* unit = nullptr;      // a queued mesh unit; its chunk holds no sprites
};

// What the batch needs to know of a sprite's texture.
struct sSpriteTexture {
    UInt id = 0;
    Float uScale = 1, vScale = 1;
};

// Four corners (top-left, top-right, bottom-left, bottom-right) in logical pixels with ARGB
// colours, drawn as an N x N grid.
struct sSpriteQuad {
    Float x[4] = {}, y[4] = {};
    UInt color[4] = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
    UInt subdivision = 1;
    Float left = 0, top = 0, right = 1, bottom = 1; // texture rectangle in the image's 0..1
};

// Collects a frame's sprites into chunks, in submission order. The buffers grow with the
// frame and keep their size between frames, so a busy frame never writes past them and a
// steady one allocates nothing. Indices are 32 bits and count from their chunk's first
// vertex, so no frame is too large for them.
class cSpriteBatch {
public:
    // Empties the frame; the capacity for _reserveSprites plain sprites is kept ready.
    void begin(UInt _reserveSprites);
    void add(const sSpriteQuad& _quad, const sSpriteTexture& _texture, ULong _renderType, UInt _shader,
             const void* _constants, const sScreenGeometry& _geometry);
    void addUnit(const void* _unit);
    // Closes the current chunk (even an empty one, which draws nothing) into the list.
    void end();

    const std::vector<sChunk>& chunks() const { return m_chunks; }
    const sVertex* vertices() const { return m_vertices.data(); }
    UInt vertexCount() const { return m_vertexCount; }
    const UInt* indices() const { return m_indices.data(); }
    UInt indexCount() const { return m_indexCount; }

private:
    Bool continues(const sSpriteTexture& _texture, ULong _renderType, UInt _shader, const void* _constants) const;
    void cutChunk();
    void writeQuad(const sSpriteQuad& _quad, const sSpriteTexture& _texture, const sScreenGeometry& _geometry);
    // An _n x _n grid of cells.
    void writeVertices(const sSpriteQuad& _quad, const sSpriteTexture& _texture, const sScreenGeometry& _geometry,
                       UInt _n);
    void writeIndices(UInt _subdivision);

    std::vector<sChunk> m_chunks;
    sChunk m_current;
    // Only the first m_vertexCount and m_indexCount items belong to the frame.
    std::vector<sVertex> m_vertices;
    std::vector<UInt> m_indices;
    UInt m_vertexCount = 0;
    UInt m_indexCount = 0;
};
