#include "GraphicsHarness.h"
#include "engine/ResourceManager.h"
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

TEST(SpriteRecord, ASpriteByPathOfAMissingFileFailsWithTheRenderSignature)
{
    cGraphicsHarness h;
    h.graphics().beginRender();
    EXPECT_NE(String::npos, thrownText([&] { h.graphics().render(spriteAt(0, 0, 4, 4), String("pictures/missing.png"), false); })
                                .find("void cGraphics::render(const sSprite& _p, const String &_texture, Bool _overlay)"));
}

} // namespace
