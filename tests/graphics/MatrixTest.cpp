#include "graphics/Matrix.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(MatrixMath, AffineInverseUndoesRotationScaleAndTranslation)
{
    const Matrix m = Matrix::scaling(2, 3, 0.5f) * Matrix::rotationY(0.7f) * Matrix::translation(4, -5, 6);
    Matrix inverse = m;
    ASSERT_TRUE(invertAffineMatrix(inverse));
    const Matrix product = m * inverse;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_NEAR(product.m[row][column], row == column, 1e-5) << row << ", " << column;
}

TEST(MatrixMath, SingularMatrixHasNoInverse)
{
    Matrix flat = Matrix::scaling(1, 0, 1) * Matrix::translation(1, 2, 3);
    const Matrix before = flat;
    EXPECT_FALSE(invertAffineMatrix(flat));
    EXPECT_EQ(flat, before);
    EXPECT_EQ(normalMatrix(flat), Matrix{});
}

TEST(MatrixMath, SetScaleKeepsDirectionsTranslationAndZeroRows)
{
    Matrix m = Matrix::rotationZ(0.5f) * Matrix::translation(7, 8, 9);
    for (Float& element : m.m[2])
        element = 0;
    m.m[0][3] = 0.25f;
    setMatrixScale(m, {2, 3, 4});
    const Vector3 scale = getMatrixScale(m);
    EXPECT_NEAR(scale.x, 2, 3e-3);
    EXPECT_NEAR(scale.y, 3, 3e-3);
    EXPECT_EQ(scale.z, 0);
    EXPECT_NEAR(m.m[0][0], 2 * std::cos(0.5f), 3e-3);
    EXPECT_EQ(m.m[3][0], 7);
    EXPECT_EQ(m.m[0][3], 0.25f);
}

} // namespace
