#include "GraphicsHarness.h"
#include "engine/ResourceManager.h"
#include "graphics/Shader.h"
#include "graphics/Sprite.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

namespace {

iGraphics::sSprite spriteAt(Float _left, Float _top, Float _right, Float _bottom)
{
    iGraphics::sSprite sprite;
    const Float xs[4] = {_left, _right, _left, _right}, ys[4] = {_top, _top, _bottom, _bottom};
    for (int i = 0; i < 4; ++i)
        sprite.corners[i] = {xs[i], ys[i], 0xFF808080};
    return sprite;
}

TEST(SpriteRecord, ASpriteWithAShaderLoadsTheMatrixAndItsConstants)
{
    cGraphicsHarness h("", {{"shaders/wave.vsh", "bytes"}});
    iResource* shader = cResourceManager::getInstance()->getShader("shaders/wave.vsh");
    const Float wave[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const iGraphics::sSprite::SHADER_CONSTANTS constants = {{9, wave, 2}};
    iGraphics::sSprite sprite = spriteAt(0, 0, 10, 10);
    sprite.setShader(shader);
    sprite.constants = &constants;
    h.frame([&](cGraphics& _g) { _g.render(sprite, static_cast<cTexture*>(nullptr), 0); });
    ASSERT_EQ(1u, h.device().draws().size());
    EXPECT_EQ(static_cast<cShader*>(shader)->getHandle(), h.device().draws()[0].state.shader);
    const auto& loaded = h.device().shaderConstants();
    ASSERT_EQ(2u, loaded.size());
    EXPECT_EQ(0u, loaded[0].reg);
    EXPECT_EQ(16u, loaded[0].values.size());
    EXPECT_EQ(9u, loaded[1].reg);
    EXPECT_EQ(8.0f, loaded[1].values[7]);
    shader->release();
}

TEST(SpriteRecord, ASpriteByPathOfAMissingFileFailsWithTheRenderSignature)
{
    cGraphicsHarness h;
    h.graphics().beginRender();
    EXPECT_NE(String::npos, thrownText([&] { h.graphics().render(spriteAt(0, 0, 4, 4), String("pictures/missing.png"), false); })
                                .find("void cGraphics::render(const sSprite& _p, const String &_texture, Bool _overlay)"));
}

} // namespace
