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

sLight directionalLight(Vector3 _direction)
{
    sLight light;
    light.type = LIGHT_DIRECTIONAL;
    light.diffuse = {0.5f, 0.25f, 0.125f, 1};
    light.direction = _direction;
    return light;
}

sLight pointLight(Vector3 _position, Float _range)
{
    sLight light;
    light.type = LIGHT_POINT;
    light.diffuse = {1, 1, 1, 1};
    light.position = _position;
    light.range = _range;
    light.attenuation0 = 1;
    light.attenuation1 = 1;
    return light;
}

void expectColor(const DXColor& _actual, Float _r, Float _g, Float _b, Float _a)
{
    EXPECT_NEAR(_actual.r, _r, 1e-5);
    EXPECT_NEAR(_actual.g, _g, 1e-5);
    EXPECT_NEAR(_actual.b, _b, 1e-5);
    EXPECT_NEAR(_actual.a, _a, 1e-5);
}

TEST(Lighting, NoLightsGiveAmbientAndEmissiveOnly)
{
    sMaterial m = material();
    m.ambient = {0.5f, 1, 0, 1};
    m.emissive = {0.25f, 0, 0.5f, 1};
    expectColor(lightVertex({}, {0, 0, -1}, m, {}), 0.25f + 0.5f * kAmbient, kAmbient, 0.5f, 0.75f);
}

TEST(Lighting, DiffuseFollowsTheAngleOfIncidence)
{
    const struct {
        Vector3 normal;
        Float facing;
    } cases[] = {{{0, 0, -1}, 1}, {{0, std::sin(1.0471976f), -0.5f}, 0.5f}, {{0, 0, 1}, 0}, {{1, 0, 0}, 0}, {{}, 0},
        {{0, 0, -0.01f}, 0.01f}};
    const std::vector<sLight> lights = {directionalLight({0, 0, 5})};
    for (const auto& c : cases) {
        const DXColor color = lightVertex({}, c.normal, material(), lights);
        expectColor(color, kAmbient + 0.5f * c.facing, kAmbient + 0.25f * c.facing, kAmbient + 0.125f * c.facing, 0.75f);
    }
}

TEST(Lighting, PointLightsFadeWithDistanceAndEndAtTheirRange)
{
    const std::vector<sLight> lights = {pointLight({0, 0, -3}, 10)};
    // One unit in front of the vertex: attenuation 1 / (1 + 1 x 3).
    expectColor(lightVertex({0, 0, 0}, {0, 0, -1}, material(), lights), kAmbient + 0.25f, kAmbient + 0.25f,
        kAmbient + 0.25f, 0.75f);
    expectColor(lightVertex({0, 0, 8}, {0, 0, -1}, material(), lights), kAmbient, kAmbient, kAmbient, 0.75f);
}

TEST(Lighting, LightAmbientAddsToTheSceneAmbient)
{
    sLight light = pointLight({0, 0, -1}, 10);
    light.diffuse = {};
    light.ambient = {0.5f, 0.5f, 0.5f, 1};
    // Attenuation 1 / (1 + 1) halves the light's ambient too.
    expectColor(lightVertex({}, {0, 0, -1}, material(), {light}), kAmbient + 0.25f, kAmbient + 0.25f,
        kAmbient + 0.25f, 0.75f);
}

TEST(Lighting, SpotConesCutAndFadeTheLight)
{
    sLight spot = pointLight({0, 0, -1}, 10);
    spot.type = LIGHT_SPOT;
    spot.attenuation1 = 0;
    spot.direction = {0, 0, 1};
    spot.theta = 2 * 0.5f;
    spot.phi = 2 * 1.0f;
    spot.falloff = 1;
    spot.diffuse = {0.5f, 0.5f, 0.5f, 1};
    const std::vector<sLight> lights = {spot};
    const Float cosInner = std::cos(0.5f), cosOuter = std::cos(1.0f);
    const struct {
        Float angle;
        Float share;
    } cases[] = {{0, 1}, {0.4f, 1}, {0.75f, (std::cos(0.75f) - cosOuter) / (cosInner - cosOuter)}, {1.2f, 0}};
    for (const auto& c : cases) {
        // The vertex sits off the spot's axis at _angle, its normal facing the light.
        const Vector3 position{std::tan(c.angle), 0, 0};
        const Float distance = std::sqrt(1 + position.x * position.x);
        const Vector3 normal{-position.x / distance, 0, -1 / distance};
        const DXColor color = lightVertex(position, normal, material(), lights);
        EXPECT_NEAR(color.r, kAmbient + 0.5f * c.share, 1e-4) << "angle " << c.angle;
    }
}

TEST(Lighting, ChannelsClampToOne)
{
    sMaterial m = material();
    m.emissive = {0.9f, 0.9f, 0, 1};
    m.diffuse.a = 3;
    const DXColor color = lightVertex({}, {0, 0, -1}, m, {directionalLight({0, 0, 1})});
    expectColor(color, 1, 1, 0.125f + kAmbient, 1);
}

TEST(Lighting, LightsTheDeviceWouldRefuseAddNothing)
{
    sLight unknown = directionalLight({0, 0, 1});
    unknown.type = 0;
    sLight noDirection = directionalLight({});
    sLight noAttenuation = pointLight({0, 0, -1}, 10);
    noAttenuation.attenuation0 = noAttenuation.attenuation1 = 0;
    const DXColor color = lightVertex({}, {0, 0, -1}, material(), {unknown, noDirection, noAttenuation});
    expectColor(color, kAmbient, kAmbient, kAmbient, 0.75f);
}

} // namespace
