#include "GraphicsHarness.h"
#include "UnitFixtures.h"
#include "engine/ResourceManager.h"
#include "graphics/Texture.h"
#include "support/ImageFixtures.h"

#include <gtest/gtest.h>

namespace {

TEST(WireframeMeshTexture, AMeshUnitKeepsItsTextureWhileSpritesLoseTheirs)
{
    const sImage image = makeImage(2, 2, [](UInt, UInt) { return 0xFF40A040u; });
    cGraphicsHarness h("", {{"pictures/skin.png", makePng(image)}});
    auto* texture = static_cast<cTexture*>(cResourceManager::getInstance()->getTexture("pictures/skin.png"));
    const auto mesh = squareMesh(0, 0, 10, 10, 1);
    iGraphics::sUnit unit;
    unit.mesh = mesh.get();
    unit.texture = texture;
    h.graphics().showTriangles(true);
    h.frame([&](cGraphics& _g) {
        _g.render(unit);
        _g.renderQuad(quadAt(0, 0, 4, 4), texture, 0);
    });
    const auto& draws = h.device().draws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_TRUE(draws[0].state.wireframe);
    EXPECT_EQ(draws[0].state.stages[0].texture, texture->getTexture());
    EXPECT_EQ(draws[1].state.stages[0].texture, 0u);
    texture->release();
}

} // namespace
