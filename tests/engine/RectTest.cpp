#include "engine/Rect.h"

#include <gtest/gtest.h>

namespace {

const sRect kBox{0, 0, 10, 10};

TEST(Rect, EdgesAreInside)
{
    for (const Vector2& edge : {Vector2(0, 5), Vector2(10, 5), Vector2(5, 0), Vector2(5, 10)})
        EXPECT_TRUE(isPointInRect(kBox, edge.x, edge.y)) << edge.x << "," << edge.y;
    EXPECT_FALSE(isPointInRect(kBox, 10.01f, 5));
    EXPECT_TRUE(isRectInRect(kBox, kBox));
    EXPECT_FALSE(isRectInRect(kBox, sRect{5, 5, 11, 6}));
}

TEST(Rect, OverlapIsByCornersOnly)
{
    EXPECT_TRUE(isRectsOverlap(kBox, sRect{10, 10, 20, 20})) << "touching corners overlap";
    EXPECT_TRUE(isRectsOverlap(kBox, sRect{2, 2, 3, 3})) << "contained";
    EXPECT_TRUE(isRectsOverlap(sRect{2, 2, 3, 3}, kBox));
    EXPECT_FALSE(isRectsOverlap(sRect{4, -5, 6, 15}, sRect{-5, 4, 15, 6})) << "a plus sign has no corner inside";
}

TEST(Rect, CentredOnPosition)
{
    const sRect r = centredRect(Vector2(100, 50), Vector2(20, 10));
    EXPECT_FLOAT_EQ(r.left, 90);
    EXPECT_FLOAT_EQ(r.top, 45);
    EXPECT_FLOAT_EQ(r.right, 110);
    EXPECT_FLOAT_EQ(r.bottom, 55);
    Vector2 v(3, 4);
    v.setLength(10);
    EXPECT_EQ(v, Vector2(6, 8));
    Vector2 zero;
    zero.setLength(10);
    EXPECT_EQ(zero, Vector2(0, 0));
}

} // namespace
