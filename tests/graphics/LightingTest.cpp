#include "graphics/Lighting.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

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
