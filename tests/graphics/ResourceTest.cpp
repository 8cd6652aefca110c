#include "GraphicsHarness.h"
#include "engine/ResourceManager.h"
#include "graphics/Shader.h"
#include "graphics/Texture.h"
#include "support/ImageFixtures.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

UInt halfAlpha(UInt _x, UInt)
{
    return _x < 50 ? 0xFF00FF00 : 0x0000FF00;
}

std::string firstHalf(const std::string& _bytes)
{
    return _bytes.substr(0, _bytes.size() / 2);
}

const char* const kBrokenImages[] = {"pictures/cut.png", "pictures/bad.jng", "pictures/noise.png"};

class Textures : public testing::Test {
protected:
    cGraphicsHarness m_h{"", {{"pictures/wide.png", makePng(makeImage(100, 50, halfAlpha))},
                              {kBrokenImages[0], firstHalf(makePng(makeImage(40, 40, halfAlpha)))},
                              {kBrokenImages[1], makeJng(makeImage(8, 8, halfAlpha), false).substr(0, 40)},
                              {kBrokenImages[2], std::string("\x89PNG\r\n\x1a\nrubbish", 15)},
                              {"pictures/odd.jng", makeJng(makeImage(129, 64, halfAlpha), true)},
                              {"a.png", makePng(makeImage(2, 2, halfAlpha))},
                              {"mask.png", makePng(makeImage(3, 2, [](UInt _x, UInt _y) {
                                   return _x == 1 && _y == 0 ? 0x01000000u : (_x == 2 ? 0xFF000000u : 0u);
                               }))},
                              {"shaders/wave.vsh", std::string("\x01\x01\xFE\xFF\xFF\xFF\x00\x00", 8)}}};
};

TEST_F(Textures, PngAndJngImagesSitInPowerOfTwoTexturesWithTheirScalesAndHalfTexels)
{
    cTexture texture("pictures/wide.png");
    EXPECT_EQ(std::make_tuple(128u, 64u, 100u, 50u), std::make_tuple(texture.getTextureWidth(),
        texture.getTextureHeight(), texture.getImageWidth(), texture.getImageHeight()));
    EXPECT_FLOAT_EQ(0.78125f, texture.getVScale());
    EXPECT_FLOAT_EQ(0.0078125f, texture.getHalfTexelV());
    const auto& made = m_h.device().textures().at(texture.getTexture());
    EXPECT_EQ(128u, made.width);
    EXPECT_EQ(0xFF00FF00u, made.pixels[0]);
    EXPECT_EQ(0u, made.pixels[127]); // the padding is transparent

    cTexture jng("pictures/odd.jng");
    EXPECT_EQ(256u, jng.getTextureWidth());
    EXPECT_EQ(64u, jng.getTextureHeight());
}

TEST_F(Textures, BrokenImagesFailWithATextNamingTheFile)
{
    for (const char* path : kBrokenImages) {
        const String error = thrownText([&] { cTexture texture(path); });
        EXPECT_NE(String::npos, error.find(path)) << error;
        EXPECT_NE(String::npos, error.find("cTexture::cTexture(const String& name )")) << error;
    }
    for (const auto& texture : m_h.device().textures())
        EXPECT_TRUE(texture.second.released);
}

TEST_F(Textures, SpritesByPathDrawWithTheCachedTextureAndOverlayBlend)
{
    m_h.frame([](cGraphics& _g) {
        _g.renderQuad(quadAt(0, 0, 4, 4), "pictures/wide.png", true);
        _g.renderQuad(quadAt(0, 0, 4, 4), "", false);
    });
    const auto& draws = m_h.device().draws();
    ASSERT_EQ(2u, draws.size());
    EXPECT_NE(0u, draws[0].state.stages[0].texture);
    EXPECT_EQ(BLEND_DEST_COLOR, draws[0].state.srcBlend);
    EXPECT_FLOAT_EQ(0.78125f, draws[0].vertices[3].u0);
    EXPECT_EQ(0u, draws[1].state.stages[0].texture);
    iResource* cached = cResourceManager::getInstance()->getTexture("pictures/wide.png");
    EXPECT_EQ(RT_TEXTURE, cached->getType());
    EXPECT_EQ(cached, cResourceManager::getInstance()->getTexture("pictures/wide.png"));
    EXPECT_EQ(2, cached->getRefCount()); // the two look-ups above: the render call gave its own back
}

TEST_F(Textures, PreUpdateReleasesAndUpdateMakesItAgain)
{
    cTexture texture("a.png");
    const UInt first = texture.getTexture();
    texture.preUpdate();
    EXPECT_EQ(0u, texture.getTexture());
    EXPECT_TRUE(m_h.device().textures().at(first).released);
    texture.update();
    EXPECT_NE(0u, texture.getTexture());
}

TEST_F(Textures, TheMaskFollowsAlphaAndHasTheImageSize)
{
    VECTOR_VECTOR_BOOL mask;
    m_h.graphics().getMask("mask.png", mask);
    ASSERT_EQ(3u, mask.size());
    ASSERT_EQ(2u, mask[0].size());
    EXPECT_FALSE(mask[0][0]);
    EXPECT_TRUE(mask[1][0]);
    EXPECT_FALSE(mask[1][1]);
    EXPECT_TRUE(mask[2][1]);
}

TEST_F(Textures, ShadersKeepTheirBytesAndFreeTheirDeviceObject)
{
    UInt handle = 0;
    {
        cShader shader("shaders/wave.vsh");
        handle = shader.getHandle();
        ASSERT_NE(0u, handle);
        EXPECT_EQ(8u, shader.getBytes().size());
        EXPECT_TRUE(m_h.graphics().hasShader(handle));
        EXPECT_EQ(RT_SHADER, shader.getType());
    }
    EXPECT_FALSE(m_h.graphics().hasShader(handle));
}

struct sMissingFile {
    const char* what;
    std::function<iResource*(const String&)> get;
    const char* constructorLine;
};

TEST_F(Textures, AMissingResourceFileFailsInItsConstructorsName)
{
    cResourceManager* resources = cResourceManager::getInstance();
    const sMissingFile cases[] = {
        {"mesh", [&](const String& _path) { return resources->getMesh(_path); },
         "iMesh * iMesh::create(const String& name)\niResource* cResourceManager::getMesh(const String& _path)"},
        {"animation", [&](const String& _path) { return resources->getAnimation(_path); },
         "cAnimation::cAnimation(const String& name )\niResource* cResourceManager::getAnimation(const String& _path)"},
        {"font", [&](const String& _path) { return resources->getFont(_path); },
         "cFont::cFont(const String& res_name, const void* res_source, const ULong &source_size)\n"
         "iResource* cResourceManager::getFont(const String& _path)"},
    };
    for (const sMissingFile& c : cases) {
        const String stack = thrownText([&] { c.get("missing/file.bin"); });
        const String tail = String("\n") + c.constructorLine;
        ASSERT_GT(stack.size(), tail.size()) << c.what;
        EXPECT_EQ(stack.substr(stack.size() - tail.size()), tail) << c.what;
    }
}

} // namespace
