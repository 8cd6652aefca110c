#pragma once
#include "graphics/meshes/Matrix.h"

#include <cstdint>
#include <string>
#include <vector>

// Writes mesh files as the game's exporter did, so that every test makes its own. Encoding
// is done here independently of the reader, field by field.
struct sTestVertex {
    float position[3] = {};
    float normal[3] = {};
    float uv[2] = {};
    float weights[3] = {};
    std::uint8_t bones[4] = {};
};

// A mesh file of the vertex format _fvf (only the components the format has are written).
// _bones is written after the mesh for the skinned format 0x111C.
std::string writeMeshFile(unsigned _fvf, const std::vector<sTestVertex>& _vertices,
    const std::vector<std::uint16_t>& _indices, const std::vector<Matrix>& _bones = {});

// Little-endian pieces, for tests that build damaged files by hand.
std::string u32Bytes(std::uint32_t _value);
std::string f32Bytes(float _value);
std::string matrixBytes(const Matrix& _matrix);
extern const std::string kAlemTag;
