#pragma once
#include "engine/Types.h"

#include <vector>

// Light types; the settings store them by these numbers.
enum eLightType : ULong {
    LIGHT_POINT = 1,
    LIGHT_SPOT = 2,
    LIGHT_DIRECTIONAL = 3,
};

// A light as the settings describe it. Positions and directions are in the space the lit
// vertices arrive in (the unit's world matrix times the screen matrix: logical pixels, y
// down). theta and phi are the full inner and outer cone angles of a spot, in radians.
struct sLight {
    ULong type = 0;
    DXColor diffuse, specular, ambient;
    Vector3 position, direction;
    Float range = 0;
    Float falloff = 0;
    Float attenuation0 = 0, attenuation1 = 0, attenuation2 = 0;
    Float theta = 0, phi = 0;
};

// How a mesh's surface answers light.
struct sMaterial {
    DXColor diffuse, ambient, specular, emissive;
    Float power = 0;
};

// The scene's own ambient light while meshes are drawn.
const ULong kSceneAmbient = 0x08080808;
// An unlit vertex of our formats has no colour of its own, and the device then uses opaque white.
const DXColor kUnlitColor{1, 1, 1, 1};

// The colour of a vertex under fixed-function lighting: the material's emissive colour, its
// ambient colour times the scene ambient and the lights' ambient, and its diffuse colour
// times each light's diffuse by the angle of incidence, with each light's attenuation and
// spot cone; channels clamped to 0..1 and alpha taken from the diffuse material. Specular
// highlights are not added: the device leaves them off, and nothing turns them on.
// _normal is used as it comes (a scaled normal scales the diffuse term, as on the device);
// a zero normal, as in formats without one, leaves ambient and emissive alone. A light of
// an unknown type, or whose attenuation is all zero, or with no direction, is one the device
// would refuse: it adds nothing.
DXColor lightVertex(const Vector3& _position, const Vector3& _normal, const sMaterial& _material,
    const std::vector<sLight>& _lights, ULong _sceneAmbient = kSceneAmbient);
