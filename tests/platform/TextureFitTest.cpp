#include "platform/TextureFit.h"

#include <gtest/gtest.h>

TEST(TextureFit, ImageScalesIntoItsPowerOfTwoTexture)
{
    const struct {
        UInt width, height, textureWidth, textureHeight;
        Float uScale, vScale, halfTexelU, halfTexelV;
    } cases[] = {{100, 50, 128, 64, 0.78125f, 0.78125f, 0.00390625f, 0.0078125f},
        {64, 32, 64, 32, 1.0f, 1.0f, 1.0f / 128, 1.0f / 64},
        {129, 1, 256, 1, 129.0f / 256, 1.0f, 1.0f / 512, 0.5f}};
    for (const auto& c : cases) {
        const sTextureFit fit = fitTexture(c.width, c.height);
        EXPECT_EQ(c.textureWidth, fit.textureWidth) << c.width;
        EXPECT_EQ(c.textureHeight, fit.textureHeight) << c.width;
        EXPECT_FLOAT_EQ(c.uScale, fit.uScale) << c.width;
        EXPECT_FLOAT_EQ(c.vScale, fit.vScale) << c.width;
        EXPECT_FLOAT_EQ(c.halfTexelU, fit.halfTexelU) << c.width;
        EXPECT_FLOAT_EQ(c.halfTexelV, fit.halfTexelV) << c.width;
    }
}

TEST(TextureFit, PaddingKeepsTheImageTopLeftAndClearsTheRest)
{
    sImage image;
    image.width = 3;
    image.height = 2;
    image.pixels = {1, 2, 3, 4, 5, 6};
    const sImage texture = padImage(image, fitTexture(3, 2));
    ASSERT_EQ(4u, texture.width);
    ASSERT_EQ(2u, texture.height);
    EXPECT_EQ((std::vector<UInt>{1, 2, 3, 0, 4, 5, 6, 0}), texture.pixels);
}
