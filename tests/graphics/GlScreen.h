#pragma once
#include "GraphicsHarness.h"
#include "platform/sdl/GlRasterDevice.h"
#include "platform/sdl/HiddenGlWindow.h"
#include "support/PixelProbes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

// The real renderer drawing through GL into a hidden 800 x 600 window, for pixel tests. Without
// GL the test is skipped (open() is for SetUp), but in CI that is a failure.
class cGlScreen {
public:
    void open(cHeadlessWindow& _window, cHeadlessSystem& _system)
    {
        try {
            m_window = std::make_unique<cHiddenGlWindow>(800, 600);
            m_graphics = std::make_unique<cGraphics>(std::make_unique<cGlRasterDevice>(m_window->window()), _window, _system);
        } catch (const String& _error) {
            if (std::getenv("CI"))
                FAIL() << "no GL context in CI: " << _error;
            GTEST_SKIP() << "no GL context: " << _error;
        }
    }
    void close()
    {
        m_graphics.reset();
        m_window.reset();
    }
    UInt pixel(UInt _x, UInt _y) { return m_graphics->getDevice().readPixels({_x, _y, 1, 1})[0]; }
    void expectPixels(std::initializer_list<std::array<UInt, 3>> _probes, int _tolerance = 3)
    {
        ::expectPixels([this](UInt _x, UInt _y) { return pixel(_x, _y); }, _probes, _tolerance);
    }
    template <class tQueue> void frame(tQueue _queue) { drawFrame(*m_graphics, _queue); }

private:
    std::unique_ptr<cHiddenGlWindow> m_window;
    std::unique_ptr<cGraphics> m_graphics;
};
