#include "graphics/Skinning.h"

#include <gtest/gtest.h>

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

TEST(Skinning, FourthWeightIsOneMinusTheOtherThree)
{
    const cSkinning skinning(kPose, Matrix::identity());
    // Hand-computed: 0.5 x (11, 2, 3) + 0.25 x (1, 22, 3) + 0.125 x (2, 4, 6) + 0.125 x (1, 2, 43).
    const Vector3 p = skinning.skin(at({1, 2, 3}, {0.5f, 0.25f, 0.125f}, {0, 1, 2, 3})).position;
    expectNear(p, {0.5f * 11 + 0.25f * 1 + 0.125f * 2 + 0.125f * 1, 0.5f * 2 + 0.25f * 22 + 0.125f * 4 + 0.125f * 2,
                      0.5f * 3 + 0.25f * 3 + 0.125f * 6 + 0.125f * 43});
}

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

} // namespace
