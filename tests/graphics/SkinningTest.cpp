#include "UnitFixtures.h"
#include "graphics/Lighting.h"
#include "graphics/MeshTransform.h"
#include "graphics/Skinning.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(MeshTransform, StaticUnitIsPlacedByWorldTimesScreenAndUnlitWhite)
{
    std::vector<sTestVertex> vertices(3);
    for (int i = 0; i < 3; ++i) {
        vertices[i].position[i] = 1;
        vertices[i].uv[0] = 0.5f * i;
    }
    sUnitTransform unit;
    unit.worldScreen = Matrix::scaling(100, 100, 100) * Matrix::translation(400, 300, 0);
    std::vector<sTransformedVertex> out;
    transformMesh(*makeMesh(vertices, {0, 1, 2}, 0x112), unit, out);
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

const Float kAmbient = 8.0f / 255;

sMaterial material()
{
    sMaterial m;
    m.diffuse = {1, 1, 1, 0.75f};
    m.ambient = {1, 1, 1, 1};
    return m;
}

sLight light(ULong _type, Vector3 _position, Vector3 _direction)
{
    sLight l;
    l.type = _type;
    l.diffuse = {0.5f, 0.25f, 0.125f, 1};
    l.position = _position;
    l.direction = _direction;
    l.range = 10;
    l.attenuation0 = 1;
    l.attenuation1 = 1;
    return l;
}

// The red channel above the scene ambient: the light's red diffuse is 0.5.
Float redShare(const Vector3& _position, const Vector3& _normal, const sLight& _light)
{
    return (lightVertex(_position, _normal, material(), {_light}).r - kAmbient) / 0.5f;
}

TEST(Lighting, NoLightsGiveAmbientAndEmissiveOnly)
{
    sMaterial m = material();
    m.ambient = {0.5f, 1, 0, 1};
    m.emissive = {0.25f, 0.995f, 0.5f, 1};
    const DXColor color = lightVertex({}, {0, 0, -1}, m, {});
    EXPECT_FLOAT_EQ(color.r, 0.25f + 0.5f * kAmbient);
    EXPECT_FLOAT_EQ(color.g, 1) << "clamped";
    EXPECT_FLOAT_EQ(color.b, 0.5f);
    EXPECT_FLOAT_EQ(color.a, 0.75f) << "the diffuse material's alpha";
}

TEST(Lighting, DirectionalDiffuseFollowsTheAngleOfIncidence)
{
    const struct {
        Vector3 normal;
        Float share;
    } cases[] = {{{0, 0, -1}, 1}, {{0, std::sin(1.0471976f), -0.5f}, 0.5f}, {{0, 0, 1}, 0}, {{1, 0, 0}, 0},
        {{}, 0}, {{0, 0, -0.01f}, 0.01f}};
    for (const auto& c : cases)
        EXPECT_NEAR(redShare({}, c.normal, light(LIGHT_DIRECTIONAL, {}, {0, 0, 5})), c.share, 1e-5);
}

TEST(Lighting, PointLightsFadeWithDistanceAndEndAtTheirRange)
{
    sLight point = light(LIGHT_POINT, {0, 0, -3}, {});
    EXPECT_NEAR(redShare({}, {0, 0, -1}, point), 0.25f, 1e-5) << "1 / (1 + 1 x 3)";
    EXPECT_NEAR(redShare({0, 0, 8}, {0, 0, -1}, point), 0, 1e-5);
    point.diffuse = {};
    point.ambient = {0.5f, 0, 0, 1};
    EXPECT_NEAR(redShare({}, {0, 0, 1}, point), 0.25f, 1e-5) << "ambient attenuates too, facing or not";
}

TEST(Lighting, SpotConesCutAndFadeTheLight)
{
    sLight spot = light(LIGHT_SPOT, {0, 0, -1}, {0, 0, 1});
    spot.attenuation1 = 0;
    spot.theta = 1;
    spot.phi = 2;
    spot.falloff = 1;
    const Float inner = std::cos(0.5f), outer = std::cos(1.0f);
    const struct {
        Float angle, share;
    } cases[] = {{0, 1}, {0.4f, 1}, {0.75f, (std::cos(0.75f) - outer) / (inner - outer)}, {1.2f, 0}};
    for (const auto& c : cases) {
        // Off the axis by the angle, facing the light.
        const Vector3 position{std::tan(c.angle), 0, 0};
        const Float distance = std::sqrt(1 + position.x * position.x);
        EXPECT_NEAR(redShare(position, {-position.x / distance, 0, -1 / distance}, spot), c.share, 1e-4)
            << "angle " << c.angle;
    }
}

TEST(Lighting, LightsTheDeviceWouldRefuseAddNothing)
{
    sLight noAttenuation = light(LIGHT_POINT, {0, 0, -1}, {});
    noAttenuation.attenuation0 = noAttenuation.attenuation1 = 0;
    sLight wideInnerCone = light(LIGHT_SPOT, {0, 0, -1}, {0, 0, 1});
    wideInnerCone.theta = 2;
    wideInnerCone.phi = 1;
    const sLight unknownType = light(0, {}, {0, 0, 1}), noDirection = light(LIGHT_DIRECTIONAL, {}, {});
    for (const sLight& refused : {unknownType, noDirection, noAttenuation, wideInnerCone})
        EXPECT_EQ(redShare({}, {0, 0, -1}, refused), 0) << "type " << refused.type;
}

} // namespace
