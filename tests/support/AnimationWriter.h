#pragma once
#include "graphics/meshes/Matrix.h"

#include <cstdint>
#include <string>
#include <vector>

// Writes animation files as the game's exporter did, so that every test makes its own.
struct sTestKey {
    Matrix matrix;
    float time = 0;
};

struct sTestNode {
    std::uint32_t parent = 0xFFFFFFFF;
    std::vector<sTestKey> keys;
};

std::string writeAnimationFile(float _length, const std::vector<sTestNode>& _nodes);
