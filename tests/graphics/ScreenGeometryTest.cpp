#include "graphics/ScreenGeometry.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(FullscreenPicture, IsTheLargestCentred4To3Rectangle)
{
    const struct {
        Int desktopWidth, desktopHeight, pictureWidth, pictureHeight;
        Float offsetX, offsetY;
    } cases[] = {{1280, 800, 1066, 800, 107, 0}, {1280, 1024, 1280, 960, 0, 32}, {1024, 768, 1024, 768, 0, 0}};
    for (const auto& c : cases) {
        const sScreenGeometry g = sScreenGeometry::fullscreenOn(c.desktopWidth, c.desktopHeight, 800, 600);
        SCOPED_TRACE(c.desktopHeight);
        EXPECT_EQ(std::make_pair(c.pictureWidth, c.pictureHeight), std::make_pair(g.pictureWidth, g.pictureHeight));
        EXPECT_EQ(Vector2(c.offsetX, c.offsetY), Vector2(g.offsetX, g.offsetY));
        EXPECT_FLOAT_EQ(Float(c.pictureWidth) / 800, g.scaleX);
        EXPECT_FLOAT_EQ(Float(c.pictureHeight) / 600, g.scaleY);
    }
}

TEST(ScreenToLogical, MapsThePictureCornersToTheLogicalCornersOfTheSettings)
{
    const struct {
        Int desktopWidth, desktopHeight, logicalWidth, logicalHeight;
    } cases[] = {{1280, 800, 800, 600}, {1280, 1024, 800, 600}, {1280, 1024, 1024, 768}};
    for (const auto& c : cases) {
        const sScreenGeometry g = sScreenGeometry::fullscreenOn(c.desktopWidth, c.desktopHeight, c.logicalWidth, c.logicalHeight);
        const Vector2 topLeft = g.toLogical({g.offsetX, g.offsetY});
        const Vector2 bottomRight = g.toLogical({g.offsetX + Float(g.pictureWidth), g.offsetY + Float(g.pictureHeight)});
        EXPECT_NEAR(0, topLeft.x, 1e-3);
        EXPECT_NEAR(0, topLeft.y, 1e-3);
        EXPECT_NEAR(c.logicalWidth, bottomRight.x, 1e-3) << c.desktopHeight << " " << c.logicalWidth;
        EXPECT_NEAR(c.logicalHeight, bottomRight.y, 1e-3) << c.desktopHeight << " " << c.logicalWidth;
    }
    EXPECT_FLOAT_EQ(1.25f, sScreenGeometry::fullscreenOn(1280, 1024, 1024, 768).scaleX);
    const sScreenGeometry windowed = sScreenGeometry::windowed(800, 600);
    EXPECT_EQ(Vector2(123.5f, 45), windowed.toLogical({123.5f, 45}));
}

TEST(DevicePosition, IsHalfAPixelUpAndLeftWindowedAndScaledInFullScreen)
{
    EXPECT_EQ(Vector2(9.5f, 19.5f), sScreenGeometry::windowed(800, 600).toDevice(10, 20));
    const sScreenGeometry g = sScreenGeometry::fullscreenOn(1280, 1024, 800, 600);
    EXPECT_EQ(Vector2(16, 32 + 32), g.toDevice(10, 20));
}

} // namespace
