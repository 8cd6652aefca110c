#include "GraphicsHarness.h"
#include "engine/ResourceManager.h"
#include "graphics/Sprite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

namespace {

// Hand-assembled vs 1.1 tokens as the bytes of a shader file.
std::string shaderFile(std::initializer_list<UInt> _tokens)
{
    std::string bytes;
    for (UInt token : _tokens)
        for (int shift = 0; shift < 32; shift += 8)
            bytes += char(token >> shift & 0xFF);
    return bytes;
}

const UInt V0 = 0x90E40000, V5 = 0x90E40005, V7 = 0x90E40007, C0 = 0xA0E40000, R0 = 0x80E40000;
const UInt O_POS = 0xC00F0000, O_D0 = 0xD00F0000, O_T0 = 0xE00F0000, W_R0 = 0x800F0000;
// What the fixed pipeline does: project, pass colour and texture coordinates on.
const std::string PLAIN = shaderFile({0xFFFE0101, 20, O_POS, V0, C0, 1, O_D0, V5, 1, O_T0, V7, 0xFFFF});
// Moves the sprite by c9 and paints it in c10.
const std::string MOVED = shaderFile({0xFFFE0101, 2, W_R0, V0, 0xA0E40009, 20, O_POS, R0, C0, 1, O_D0,
                                      0xA0E4000A, 1, O_T0, V7, 0xFFFF});

iGraphics::sSprite sprite(iResource* _shader)
{
    iGraphics::sSprite p;
    const Float xs[4] = {10, 90, 14, 70}, ys[4] = {20, 24, 60, 66};
    const UInt colours[4] = {0xFFFF0000, 0x8000FF00, 0xFF0000FF, 0x40FFFFFF};
    for (int i = 0; i < 4; ++i)
        p.corners[i] = {xs[i], ys[i], colours[i]};
    p.subdivision = 2;
    p.left = 0.25f;
    p.right = 0.75f;
    p.setShader(_shader);
    return p;
}

class ShadedSprite : public ::testing::Test {
protected:
    const std::vector<sVertex>& draw(const iGraphics::sSprite& _p,
                                     const iGraphics::sSprite::SHADER_CONSTANTS* _constants = nullptr)
    {
        iGraphics::sSprite p = _p;
        p.constants = _constants;
        m_h.device().forgetCalls();
        m_h.frame([&](cGraphics& _g) { _g.render(p, static_cast<cTexture*>(nullptr), 0); });
        return m_h.device().draws().at(0).vertices;
    }
    iResource* shader(const String& _path) { return cResourceManager::getInstance()->getShader(_path); }

    cGraphicsHarness m_h{"", {{"shaders/plain.vsh", PLAIN}, {"shaders/moved.vsh", MOVED},
                              {"shaders/broken.vsh", "bytes"}}};
};

void expectSameVertices(const std::vector<sVertex>& _a, const std::vector<sVertex>& _b, Float _dx = 0,
                        Float _dy = 0)
{
    ASSERT_EQ(_a.size(), _b.size());
    for (std::size_t i = 0; i < _a.size(); ++i) {
        EXPECT_NEAR(_a[i].x, _b[i].x + _dx, 1e-3) << i;
        EXPECT_NEAR(_a[i].y, _b[i].y + _dy, 1e-3) << i;
        EXPECT_FLOAT_EQ(_a[i].u0, _b[i].u0) << i;
        EXPECT_FLOAT_EQ(_a[i].v0, _b[i].v0) << i;
    }
}

TEST_F(ShadedSprite, APlainProgramDrawsWhatTheFixedPipelineDraws)
{
    iResource* plain = shader("shaders/plain.vsh");
    const std::vector<sVertex> fixed = draw(sprite(nullptr));
    const std::vector<sVertex> shaded = draw(sprite(plain));
    expectSameVertices(shaded, fixed);
    for (std::size_t i = 0; i < fixed.size(); ++i)
        EXPECT_EQ(shaded[i].colour, fixed[i].colour) << i;
    plain->release();
}

TEST_F(ShadedSprite, TheSpritesConstantsFollowTheProjection)
{
    iResource* moved = shader("shaders/moved.vsh");
    const Float values[8] = {5, -7, 0, 0, 1, 0.5f, 0, 1};
    const iGraphics::sSprite::SHADER_CONSTANTS constants = {{9, values, 2}};
    const std::vector<sVertex> fixed = draw(sprite(nullptr));
    const std::vector<sVertex> shaded = draw(sprite(moved), &constants);
    expectSameVertices(shaded, fixed, 5, -7);
    for (const sVertex& vertex : shaded)
        EXPECT_EQ(vertex.colour, 0xFFFF8000u);
    moved->release();
}

TEST_F(ShadedSprite, ABrokenProgramLeavesTheSpriteToTheFixedPipeline)
{
    iResource* broken = shader("shaders/broken.vsh");
    const std::vector<sVertex> fixed = draw(sprite(nullptr));
    expectSameVertices(draw(sprite(broken)), fixed);
    broken->release();
}

} // namespace
