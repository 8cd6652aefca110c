#include "platform/TextureFit.h"

#include <gtest/gtest.h>

TEST(TextureFit, NextPowerOfTwoCountsFromOne)
{
    const UInt cases[][2] = {{0, 1}, {1, 1}, {2, 2}, {3, 4}, {64, 64}, {65, 128}, {100, 128}, {129, 256}};
    for (const auto& c : cases)
        EXPECT_EQ(c[1], nextPowerOfTwo(c[0])) << c[0];
}

TEST(TextureFit, HundredByFiftyImageScalesIntoItsTexture)
{
    const sTextureFit fit = fitTexture(100, 50);
    EXPECT_EQ(128u, fit.textureWidth);
    EXPECT_EQ(64u, fit.textureHeight);
    EXPECT_FLOAT_EQ(0.78125f, fit.uScale);
    EXPECT_FLOAT_EQ(0.78125f, fit.vScale);
    EXPECT_FLOAT_EQ(0.00390625f, fit.halfTexelU);
    EXPECT_FLOAT_EQ(0.0078125f, fit.halfTexelV);
}

TEST(TextureFit, PowerOfTwoImageFillsItsTexture)
{
    const sTextureFit fit = fitTexture(64, 32);
    EXPECT_EQ(64u, fit.textureWidth);
    EXPECT_EQ(1.0f, fit.uScale);
    EXPECT_EQ(1.0f, fit.vScale);
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
