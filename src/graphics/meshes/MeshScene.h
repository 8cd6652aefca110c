#pragma once
#include "graphics/Graphics.h"
#include "graphics/meshes/Lighting.h"
#include "graphics/meshes/MeshTransform.h"
#include "graphics/sprites/RenderType.h"
#include "graphics/ScreenGeometry.h"
#include "platform/devices/RasterDevice.h"

#include <vector>

// What every unit of a frame shares.
struct sMeshFrame {
    sScreenGeometry geometry;
    const std::vector<sLight>* lights = nullptr;
    sFrameStyle style;
};

// The state a mesh unit is drawn with: the sprite state of render type 0 with its own
// texture, plus the depth test (greater, against a depth cleared to 0), depth writes and
// counter-clockwise culling. Each draw carries its whole state, so the sprites after a unit
// find the 2D state again without anything being switched back.
sDrawState unitState(UInt _texture, const sFrameStyle& _style);

// The logical screen to device pixels: the identity windowed, the picture's scale and then
// its offset in full screen. The projection that follows it is the orthographic one of the
// sprites, whose depth range -3000 to 3000 becomes 0 to 1.
Matrix screenMatrix(const sScreenGeometry& _geometry);

// Draws mesh units: poses an animated one, does the vertex work on the CPU and hands the
// device finished triangles in one draw per unit. The buffers are kept between units, so a
// steady scene allocates nothing.
class cMeshScene {
public:
    // Returns the triangles drawn (the mesh's whole triangle count, or 0 for a unit without
    // a mesh).
    UInt draw(const iGraphics::sUnit& _unit, const sMeshFrame& _frame, iRasterDevice& _device);

private:
    std::vector<sTransformedVertex> m_transformed;
    std::vector<sVertex> m_vertices;
    std::vector<UInt> m_indices;
};
