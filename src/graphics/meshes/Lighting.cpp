#include "graphics/meshes/Lighting.h"
#include "engine/text/ValueConvert.h"
#include "graphics/meshes/Matrix.h"

#include <algorithm>
#include <cmath>

namespace {

// What one light brings to a vertex: the direction towards it and the share of its
// colours that arrives (attenuation times spot factor).
struct sIncidence {
    Vector3 toLight;
    Float share = 0;
};

Float length(const Vector3& _v)
{
    return std::sqrt(dot(_v, _v));
}

Vector3 scaled(const Vector3& _v, Float _factor)
{
    return {_v.x * _factor, _v.y * _factor, _v.z * _factor};
}

Bool attenuationValid(const sLight& _light)
{
    const Float a[3] = {_light.attenuation0, _light.attenuation1, _light.attenuation2};
    return a[0] >= 0 && a[1] >= 0 && a[2] >= 0 && a[0] + a[1] + a[2] > 0;
}

Bool directional(const sLight& _light, sIncidence& _incidence)
{
    const Float len = length(_light.direction);
    if (!(len > 0))
        return false;
    _incidence.toLight = scaled(_light.direction, -1 / len);
    _incidence.share = 1;
    return true;
}

Float spotFactor(const sLight& _light, const Vector3& _fromLight)
{
    const Float cosInner = std::cos(_light.theta / 2), cosOuter = std::cos(_light.phi / 2);
    const Float rho = dot(_fromLight, scaled(_light.direction, 1 / length(_light.direction)));
    if (rho > cosInner)
        return 1;
    if (rho <= cosOuter)
        return 0;
    return std::pow((rho - cosOuter) / (cosInner - cosOuter), _light.falloff);
}

Bool positional(const sLight& _light, const Vector3& _position, sIncidence& _incidence)
{
    if (!attenuationValid(_light))
        return false;
    const Bool spot = _light.type == LIGHT_SPOT;
    if (spot && (!(length(_light.direction) > 0) || !(_light.theta <= _light.phi)))
        return false;
    const Vector3 toLight{_light.position.x - _position.x, _light.position.y - _position.y,
        _light.position.z - _position.z};
    const Float distance = length(toLight);
    if (distance > _light.range)
        return true; // out of reach: a valid light that brings nothing here
    // A vertex right at the light has no direction to it: only the ambient part arrives.
    _incidence.toLight = distance > 0 ? scaled(toLight, 1 / distance) : Vector3{};
    const Float attenuation =
        _light.attenuation0 + _light.attenuation1 * distance + _light.attenuation2 * distance * distance;
    if (!(attenuation > 0))
        return true; // only at the light itself with no constant term: nothing to divide by
    _incidence.share = 1 / attenuation;
    if (spot && distance > 0)
        _incidence.share *= spotFactor(_light, scaled(_incidence.toLight, -1));
    return true;
}

Float clamp01(Float _value)
{
    return std::min(1.0f, std::max(0.0f, _value));
}

} // namespace

DXColor lightVertex(const Vector3& _position, const Vector3& _normal, const sMaterial& _material,
    const std::vector<sLight>& _lights, ULong _sceneAmbient)
{
    DXColor ambient, diffuse;
    colorFromARGB(ambient, _sceneAmbient);
    for (const sLight& light : _lights) {
        sIncidence incidence;
        const Bool valid = light.type == LIGHT_DIRECTIONAL ? directional(light, incidence)
            : (light.type == LIGHT_POINT || light.type == LIGHT_SPOT) ? positional(light, _position, incidence)
                                                                       : false;
        if (!valid || incidence.share == 0)
            continue;
        const Float facing = std::max(0.0f, dot(_normal, incidence.toLight)) * incidence.share;
        ambient.r += light.ambient.r * incidence.share;
        ambient.g += light.ambient.g * incidence.share;
        ambient.b += light.ambient.b * incidence.share;
        diffuse.r += light.diffuse.r * facing;
        diffuse.g += light.diffuse.g * facing;
        diffuse.b += light.diffuse.b * facing;
    }
    const DXColor& m = _material.diffuse;
    const DXColor& a = _material.ambient;
    const DXColor& e = _material.emissive;
    return {clamp01(e.r + a.r * ambient.r + m.r * diffuse.r), clamp01(e.g + a.g * ambient.g + m.g * diffuse.g),
        clamp01(e.b + a.b * ambient.b + m.b * diffuse.b), clamp01(m.a)};
}
