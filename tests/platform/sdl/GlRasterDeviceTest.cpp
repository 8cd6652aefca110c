#include "platform/sdl/GlRasterDevice.h"
#include "platform/sdl/HiddenGlWindow.h"
#include "support/PixelProbes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

const UInt SIZE = 64;
const UInt BACK = 0xFF202020;

// The renderer hands over corners shifted half a pixel up and left, so texels meet pixels.
std::vector<sVertex> sprite(Float _left, Float _top, Float _right, Float _bottom, UInt _colour)
{
    std::vector<sVertex> v(4);
    const Float xs[4] = {_left, _right, _left, _right}, ys[4] = {_top, _top, _bottom, _bottom};
    for (int i = 0; i < 4; ++i) {
        v[i].x = xs[i] - 0.5f;
        v[i].y = ys[i] - 0.5f;
        v[i].colour = _colour;
        v[i].u0 = Float(i % 2);
        v[i].v0 = Float(i / 2);
    }
    return v;
}

const UInt QUAD[6] = {0, 2, 1, 1, 2, 3};

// What the renderer's and the controls' pixel tests do not reach. Pixel tests draw into a hidden window; in CI, having no GL is a failure.
class GlPixels : public testing::Test {
protected:
    void SetUp() override
    {
        try {
            m_window = std::make_unique<cHiddenGlWindow>(int(SIZE), int(SIZE));
            m_device = std::make_unique<cGlRasterDevice>(m_window->window());
        } catch (const String& error) {
            if (std::getenv("CI"))
                FAIL() << "no GL context in CI: " << error;
            GTEST_SKIP() << "no GL context: " << error;
        }
        sClear clear;
        clear.colour = BACK;
        m_device->clear(clear);
    }
    void draw(const std::vector<sVertex>& _vertices, const sDrawState& _state)
    {
        m_device->draw(_vertices.data(), UInt(_vertices.size()), QUAD, 6, _state);
    }
    UInt pixel(UInt _x, UInt _y) { return m_device->readPixels({_x, _y, 1, 1})[0]; }
    void expect(std::initializer_list<std::array<UInt, 3>> _probes)
    {
        expectPixels([this](UInt _x, UInt _y) { return pixel(_x, _y); }, _probes, 2);
    }

    std::unique_ptr<cHiddenGlWindow> m_window;
    std::unique_ptr<cGlRasterDevice> m_device;
};

} // namespace

TEST_F(GlPixels, ViewportClipsButCoordinatesStayDevicePixels)
{
    sDrawState state;
    state.viewport = {16, 8, 32, 16};
    draw(sprite(0, 0, SIZE, SIZE, 0xFF00FF00), state);
    draw(sprite(40, 20, 42, 22, 0xFFFF0000), state);
    expect({{0xFF00FF00, 16, 8}, {0xFF00FF00, 47, 23}, {BACK, 15, 8}, {BACK, 16, 24}, {0xFFFF0000, 40, 20},
        {0xFFFF0000, 41, 21}, {0xFF00FF00, 42, 20}});
}

TEST_F(GlPixels, WireframeDrawsOnlyTheEdges)
{
    sDrawState state;
    state.wireframe = true;
    // Corners on pixel centres, so the edges run along pixel rows.
    draw(sprite(8.5f, 8.5f, 40.5f, 40.5f, 0xFFFF0000), state);
    expect({{0xFFFF0000, 24, 8}, {BACK, 20, 14}});
}

TEST_F(GlPixels, OneDrawCanUseMoreThan65536Vertices)
{
    const UInt quads = 17000;
    std::vector<sVertex> vertices;
    std::vector<UInt> indices;
    for (UInt q = 0; q < quads; ++q) {
        const bool last = q == quads - 1;
        const std::vector<sVertex> v = last ? sprite(50, 50, 54, 54, 0xFF00FF00) : sprite(0, 0, 0, 0, 0xFFFF0000);
        for (UInt i : QUAD)
            indices.push_back(UInt(vertices.size()) + i);
        vertices.insert(vertices.end(), v.begin(), v.end());
    }
    m_device->draw(vertices.data(), UInt(vertices.size()), indices.data(), UInt(indices.size()), sDrawState());
    expect({{0xFF00FF00, 52, 52}});
}

TEST_F(GlPixels, FilterFollowsEachDrawOnTheSameTexture)
{
    const UInt texels[2] = {0xFF000000, 0xFFFFFFFF};
    sDrawState state;
    state.stages[0].texture = m_device->createTexture(2, 1, texels);
    draw(sprite(0, 0, 32, 4, 0xFFFFFFFF), state);
    expect({{0xFF000000, 15, 2}});
    state.stages[0].minFilter = state.stages[0].magFilter = FILTER_LINEAR;
    draw(sprite(0, 8, 32, 12, 0xFFFFFFFF), state);
    const UInt middle = pixel(15, 10) & 0xFF;
    EXPECT_GT(middle, 0x60u);
    EXPECT_LT(middle, 0xA0u);
    state.stages[0].minFilter = state.stages[0].magFilter = FILTER_POINT;
    draw(sprite(0, 16, 32, 20, 0xFFFFFFFF), state);
    expect({{0xFF000000, 15, 18}});
}

TEST_F(GlPixels, SecondStageModulatesTheFirst)
{
    const UInt base = 0xFFFFFF00, overlay = 0xFF00FFFF;
    sDrawState state;
    state.stages[0].texture = m_device->createTexture(1, 1, &base);
    state.stages[1].texture = m_device->createTexture(1, 1, &overlay);
    draw(sprite(0, 0, 8, 8, 0xFFFFFFFF), state);
    expect({{0xFF00FF00, 4, 4}});
    state.stages[1].colourOp = STAGE_DISABLE;
    draw(sprite(8, 0, 16, 8, 0xFFFFFFFF), state);
    expect({{0xFFFFFF00, 12, 4}});
}
