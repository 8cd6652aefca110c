#pragma once
#include "graphics/GraphicsImpl.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/RecordingRasterDevice.h"
#include "support/EngineCore.h"
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
        auto device = std::make_unique<cRecordingRasterDevice>();
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
