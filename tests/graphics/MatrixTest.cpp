#include "graphics/Matrix.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const Float kPi = 3.14159265358979f;

void expectNear(const Matrix& _actual, const Matrix& _expected, Float _tolerance = 1e-5f)
{
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_NEAR(_actual.m[row][column], _expected.m[row][column], _tolerance)
                << "row " << row << " column " << column;
}

TEST(MatrixProduct, LeftFactorAppliesFirst)
{
    const Matrix moveThenTurn = Matrix::translation(1, 0, 0) * Matrix::rotationZ(kPi / 2);
    const Vector3 p = transformPoint({0, 0, 0}, moveThenTurn);
    EXPECT_NEAR(p.x, 0, 1e-6);
    EXPECT_NEAR(p.y, 1, 1e-6);
    const Vector3 q = transformPoint({0, 0, 0}, Matrix::rotationZ(kPi / 2) * Matrix::translation(1, 0, 0));
    EXPECT_NEAR(q.x, 1, 1e-6);
    EXPECT_NEAR(q.y, 0, 1e-6);
}

TEST(MatrixProduct, RotationsTurnEachAxisTowardsTheNext)
{
    const struct {
        Matrix rotation;
        Vector3 from, to;
    } cases[] = {{Matrix::rotationX(kPi / 2), {0, 1, 0}, {0, 0, 1}}, {Matrix::rotationY(kPi / 2), {0, 0, 1}, {1, 0, 0}},
        {Matrix::rotationZ(kPi / 2), {1, 0, 0}, {0, 1, 0}}};
    for (const auto& c : cases) {
        const Vector3 turned = transformVector(c.from, c.rotation);
        EXPECT_NEAR(turned.x, c.to.x, 1e-6);
        EXPECT_NEAR(turned.y, c.to.y, 1e-6);
        EXPECT_NEAR(turned.z, c.to.z, 1e-6);
    }
}

TEST(AffineInverse, UndoesRotationScaleAndTranslation)
{
    const Matrix m = Matrix::scaling(2, 3, 0.5f) * Matrix::rotationY(0.7f) * Matrix::translation(4, -5, 6);
    Matrix inverse = m;
    ASSERT_TRUE(invertAffineMatrix(inverse));
    expectNear(m * inverse, Matrix::identity());
    EXPECT_EQ(inverse.m[0][3], 0);
    EXPECT_EQ(inverse.m[3][3], 1);
}

TEST(AffineInverse, SingularMatrixIsLeftAsItWas)
{
    Matrix flat = Matrix::scaling(1, 0, 1) * Matrix::translation(1, 2, 3);
    const Matrix before = flat;
    EXPECT_FALSE(invertAffineMatrix(flat));
    EXPECT_EQ(flat, before);
}

TEST(MatrixScale, ReadsAxisRowLengths)
{
    const Vector3 scale = getMatrixScale(Matrix::scaling(2, 3, 4) * Matrix::rotationX(0.3f));
    EXPECT_NEAR(scale.x, 2, 2e-3);
    EXPECT_NEAR(scale.y, 3, 3e-3);
    EXPECT_NEAR(scale.z, 4, 4e-3);
}

TEST(MatrixScale, SetKeepsDirectionsTranslationAndZeroRows)
{
    Matrix m = Matrix::rotationZ(0.5f) * Matrix::translation(7, 8, 9);
    for (Float& element : m.m[2])
        element = 0;
    m.m[0][3] = 0.25f;
    setMatrixScale(m, {2, 3, 4});
    EXPECT_NEAR(m.m[0][0], 2 * std::cos(0.5f), 3e-3);
    EXPECT_NEAR(m.m[1][1], 3 * std::cos(0.5f), 3e-3);
    EXPECT_EQ(m.m[2][0], 0);
    EXPECT_EQ(m.m[2][2], 0);
    EXPECT_EQ(m.m[3][0], 7);
    EXPECT_EQ(m.m[0][3], 0.25f);
}

TEST(VectorLength, ZeroVectorStaysAndOthersScale)
{
    Vector3 zero;
    zero.setLength(5);
    EXPECT_EQ(zero, Vector3{});
    Vector3 v{0, 3, 4};
    v.setLength(10);
    EXPECT_NEAR(v.y, 6, 1e-2);
    EXPECT_NEAR(v.z, 8, 1e-2);
}

TEST(NormalMatrix, NormalsStayPerpendicularUnderStretching)
{
    const Matrix stretch = Matrix::rotationZ(0.4f) * Matrix::scaling(4, 1, 1);
    const Vector3 tangent = transformVector({1, -1, 0}, stretch);
    const Vector3 normal = transformVector({1, 1, 0}, normalMatrix(stretch));
    EXPECT_NEAR(dot(tangent, normal), 0, 1e-5);
    EXPECT_EQ(normalMatrix(Matrix::scaling(1, 1, 0)), Matrix{});
}

} // namespace
