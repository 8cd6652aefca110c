#include "support/MeshWriter.h"

#include <cstring>

const std::string kAlemTag = "alem";

std::string u32Bytes(std::uint32_t _value)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(_value >> (8 * i) & 0xFF);
    return bytes;
}

std::string f32Bytes(float _value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &_value, sizeof bits);
    return u32Bytes(bits);
}

std::string matrixBytes(const Matrix& _matrix)
{
    std::string bytes;
    for (const auto& row : _matrix.m)
        for (float element : row)
            bytes += f32Bytes(element);
    return bytes;
}

namespace {

std::string floats(const float* _values, int _count)
{
    std::string bytes;
    for (int i = 0; i < _count; ++i)
        bytes += f32Bytes(_values[i]);
    return bytes;
}

std::string vertexBytes(unsigned _fvf, const sTestVertex& _v)
{
    std::string bytes = floats(_v.position, 3);
    switch (_fvf) {
    case 0x112:
        return bytes + floats(_v.normal, 3) + floats(_v.uv, 2);
    case 0x102:
        return bytes + floats(_v.uv, 2);
    case 0x12:
        return bytes + floats(_v.normal, 3);
    case 0x111C:
        return bytes + floats(_v.weights, 3) + std::string(reinterpret_cast<const char*>(_v.bones), 4)
            + floats(_v.normal, 3) + floats(_v.uv, 2);
    default:
        return bytes;
    }
}

} // namespace

std::string writeMeshFile(unsigned _fvf, const std::vector<sTestVertex>& _vertices,
    const std::vector<std::uint16_t>& _indices, const std::vector<Matrix>& _bones)
{
    std::string file = kAlemTag + u32Bytes(_fvf) + u32Bytes(static_cast<std::uint32_t>(_vertices.size()))
        + u32Bytes(static_cast<std::uint32_t>(_indices.size())) + kAlemTag;
    for (const sTestVertex& vertex : _vertices)
        file += vertexBytes(_fvf, vertex);
    file += kAlemTag;
    // Only whole triangles are stored; the count keeps any spare indices.
    for (std::size_t i = 0; i < _indices.size() / 3 * 3; ++i)
        file += u32Bytes(_indices[i]).substr(0, 2);
    file += kAlemTag;
    if (_fvf == 0x111C) {
        file += u32Bytes(static_cast<std::uint32_t>(_bones.size()));
        for (const Matrix& bone : _bones)
            file += matrixBytes(bone);
        file += kAlemTag;
    }
    return file;
}
