#pragma once
#include "graphics/meshes/Animation.h"
#include "graphics/GraphicsImpl.h"
#include "graphics/meshes/Mesh.h"
#include "graphics/meshes/Unit.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/RecordingRasterDevice.h"
#include "support/AnimationWriter.h"
#include "support/EngineCore.h"
#include "support/MeshWriter.h"
#include "support/TestData.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

// One frame, drawn and then presented by the next beginRender.
template <class tQueue> void drawFrame(cGraphics& _graphics, tQueue _queue)
{
    _graphics.beginRender();
    _queue(_graphics);
    _graphics.endRender();
}

// A renderer over the recording device, with the file manager, resource cache and settings
// of a test data folder whose "graphics" section is _graphics (attributes only).
class cGraphicsHarness {
public:
    explicit cGraphicsHarness(const std::string& _graphics = "", const tDataFiles& _files = {})
        : m_data("<game app_directory=\"Test\" /><graphics " + _graphics + " />")
    {
        m_data.writeData(_files); // before the file manager looks
        m_core = std::make_unique<cEngineCore>(m_data);
        auto device = std::make_unique<cRecordingRasterDevice>(cRecordingRasterDevice::HISTORY_ALL);
        m_device = device.get();
        m_graphics = std::make_unique<cGraphics>(std::move(device), m_window, m_system);
    }
    ~cGraphicsHarness() { m_graphics.reset(); }

    cGraphics& graphics() { return *m_graphics; }
    cRecordingRasterDevice& device() { return *m_device; }
    cHeadlessWindow& window() { return m_window; }
    cHeadlessSystem& system() { return m_system; }
    cEngineCore& core() { return *m_core; }
    void destroyGraphics() { m_graphics.reset(); }

    template <class tQueue> void frame(tQueue _queue) { drawFrame(*m_graphics, _queue); }

private:
    cTestData m_data;
    std::unique_ptr<cEngineCore> m_core;
    cHeadlessWindow m_window;
    cHeadlessSystem m_system;
    cRecordingRasterDevice* m_device = nullptr;
    std::unique_ptr<cGraphics> m_graphics;
};

// A quad from (_left, _top) to (_right, _bottom) in logical pixels.
inline sSpriteQuad quadAt(Float _left, Float _top, Float _right, Float _bottom, UInt _colour = 0xFFFFFFFF)
{
    sSpriteQuad quad;
    const Float xs[4] = {_left, _right, _left, _right}, ys[4] = {_top, _top, _bottom, _bottom};
    for (int i = 0; i < 4; ++i) {
        quad.x[i] = xs[i];
        quad.y[i] = ys[i];
        quad.color[i] = _colour;
    }
    return quad;
}

inline std::unique_ptr<iMesh> loadMesh(const std::string& _bytes, const String& _name = "Meshes/test.mesh")
{
    return std::unique_ptr<iMesh>(iMesh::create(_name, _bytes.data(), ULong(_bytes.size())));
}

inline std::unique_ptr<cAnimation> loadAnimation(const std::string& _bytes,
    const String& _name = "Animations/test.anim")
{
    return std::make_unique<cAnimation>(_name, _bytes.data(), ULong(_bytes.size()));
}

// A mesh from test vertices and indices (format 0x12 unless given).
inline std::unique_ptr<iMesh> makeMesh(const std::vector<sTestVertex>& _vertices,
    const std::vector<std::uint16_t>& _indices, unsigned _fvf = 0x12, const std::vector<Matrix>& _bones = {})
{
    return loadMesh(writeMeshFile(_fvf, _vertices, _indices, _bones));
}

inline std::unique_ptr<cAnimation> makeAnimation(const std::vector<sTestNode>& _nodes)
{
    return loadAnimation(writeAnimationFile(1, _nodes));
}

inline sTestNode keyed(std::vector<sTestKey> _keys, std::uint32_t _parent = 0xFFFFFFFF)
{
    sTestNode node;
    node.parent = _parent;
    node.keys = std::move(_keys);
    return node;
}

inline sTestVertex testVertex(float _x, float _y, float _z = 0)
{
    sTestVertex vertex;
    vertex.position[0] = _x;
    vertex.position[1] = _y;
    vertex.position[2] = _z;
    vertex.normal[2] = -1;
    return vertex;
}

// A square at depth _z, its two triangles wound clockwise on screen (y down), or
// counter-clockwise when _clockwise is false.
inline std::unique_ptr<iMesh> squareMesh(float _left, float _top, float _right, float _bottom, float _z,
                                         bool _clockwise = true)
{
    const std::vector<sTestVertex> corners = {testVertex(_left, _top, _z), testVertex(_right, _top, _z),
        testVertex(_left, _bottom, _z), testVertex(_right, _bottom, _z)};
    if (_clockwise)
        return makeMesh(corners, {0, 1, 2, 2, 1, 3});
    return makeMesh(corners, {0, 2, 1, 2, 3, 1});
}

// A lit unit with no lights shows the material's emissive colour plus its ambient share.
inline iGraphics::sUnit glowingUnit(iMesh* _mesh, UInt _argb)
{
    iGraphics::sUnit unit;
    unit.mesh = _mesh;
    unit.lighting = true;
    unit.material.diffuse = {0, 0, 0, 1};
    unit.material.emissive = {Float(_argb >> 16 & 0xFF) / 255, Float(_argb >> 8 & 0xFF) / 255,
        Float(_argb & 0xFF) / 255, 1};
    return unit;
}
