#include "graphics/Matrix.h"
#include "graphics/Mesh.h"
#include "graphics/MeshTransform.h"
#include "graphics/Skinning.h"
#include "support/MeshWriter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

sMeshVertex at(Vector3 _position, std::initializer_list<Float> _weights, std::initializer_list<int> _bones)
{
    sMeshVertex vertex;
    vertex.position = _position;
    int k = 0;
    for (Float weight : _weights)
        vertex.weights[k++] = weight;
    k = 0;
    for (int bone : _bones)
        vertex.bones[k++] = static_cast<std::uint8_t>(bone);
    return vertex;
}

void expectNear(const Vector3& _actual, const Vector3& _expected, Float _tolerance = 1e-4f)
{
    EXPECT_NEAR(_actual.x, _expected.x, _tolerance);
    EXPECT_NEAR(_actual.y, _expected.y, _tolerance);
    EXPECT_NEAR(_actual.z, _expected.z, _tolerance);
}

const std::vector<Matrix> kPose = {Matrix::translation(10, 0, 0), Matrix::translation(0, 20, 0),
    Matrix::scaling(2, 2, 2), Matrix::translation(0, 0, 40)};

// The implied fourth weight is the mesh scene's and the pixel tests' to check.
TEST(Skinning, BoneBeyondThePoseKeepsItsShareInTheBindPose)
{
    const Matrix world = Matrix::translation(0, 0, 5);
    const cSkinning skinning(kPose, world);
    expectNear(skinning.skin(at({1, 1, 1}, {0.5f, 0, 0}, {0, 0, 0, 200})).position, {6, 1, 6});
}

TEST(Skinning, NormalsBlendThroughTheInverseTranspose)
{
    // Stretched four times along x, a 45 degree surface's normal leans towards x far less.
    const cSkinning skinning({Matrix::scaling(4, 1, 1)}, Matrix::identity());
    sMeshVertex vertex = at({0, 0, 0}, {1, 0, 0}, {0, 0, 0, 0});
    vertex.normal = {1, 1, 0};
    const Vector3 n = skinning.skin(vertex).normal;
    expectNear(n, {0.25f, 1, 0});
}

std::unique_ptr<iMesh> triangle(unsigned _fvf)
{
    std::vector<sTestVertex> vertices(3);
    for (int i = 0; i < 3; ++i) {
        vertices[i].position[i] = 1;
        vertices[i].uv[0] = 0.5f * i;
        vertices[i].weights[0] = 1;
        vertices[i].bones[0] = static_cast<std::uint8_t>(i);
    }
    const std::string bytes = writeMeshFile(_fvf, vertices, {0, 1, 2}, std::vector<Matrix>(3, Matrix::identity()));
    return std::unique_ptr<iMesh>(iMesh::create("t", bytes.data(), static_cast<ULong>(bytes.size())));
}

TEST(MeshTransform, StaticUnitIsPlacedByWorldTimesScreenAndUnlitWhite)
{
    sUnitTransform unit;
    unit.worldScreen = Matrix::scaling(100, 100, 100) * Matrix::translation(400, 300, 0);
    std::vector<sTransformedVertex> out;
    transformMesh(*triangle(0x112), unit, out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].position, (Vector3{500, 300, 0}));
    EXPECT_EQ(out[1].position, (Vector3{400, 400, 0}));
    EXPECT_EQ(out[2].u, 1.0f);
    EXPECT_EQ(out[2].color, kUnlitColor);
}

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
