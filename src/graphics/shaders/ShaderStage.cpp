#include "graphics/shaders/ShaderStage.h"

#include "engine/logs/LogManager.h"
#include "engine/text/ValueConvert.h"

#include <algorithm>
#include <cstring>

namespace {

// The projection's depth range, as the fixed pipeline uses it.
const Float kNear = -3000, kFar = 3000;

cVertexShader::tVector colourVector(UInt _argb)
{
    DXColor colour;
    colorFromARGB(colour, _argb);
    return {colour.r, colour.g, colour.b, colour.a};
}

UInt packColour(const cVertexShader::tVector& _colour)
{
    DXColor colour;
    colour.r = _colour[0];
    colour.g = _colour[1];
    colour.b = _colour[2];
    colour.a = _colour[3];
    return UInt(colorToARGB(colour));
}

} // namespace

UInt cShaderStage::create(const void* _bytes, std::size_t _size)
{
    try {
        m_programs[m_next] = std::make_unique<cVertexShader>(_bytes, _size);
    } catch (const String& _error) {
        logError("A vertex shader could not be made: " + _error);
        return 0;
    }
    return m_next++;
}

void cShaderStage::release(UInt _handle)
{
    m_programs.erase(_handle);
}

void cShaderStage::loadConstants(const iGraphics::sSprite::SHADER_CONSTANTS* _constants, Float _width,
                                 Float _height)
{
    m_constants.assign(cVertexShader::CONSTANT_COUNT, cVertexShader::tVector{});
    // The transposed orthographic projection of the back buffer, y downwards.
    m_constants[0] = {2 / _width, 0, 0, -1};
    m_constants[1] = {0, -2 / _height, 0, 1};
    m_constants[2] = {0, 0, 1 / (kFar - kNear), kNear / (kNear - kFar)};
    m_constants[3] = {0, 0, 0, 1};
    if (!_constants)
        return;
    for (const iGraphics::sSprite::sShaderConstant& constant : *_constants) {
        if (!constant.data || constant.reg >= cVertexShader::CONSTANT_COUNT)
            continue;
        const UInt count = std::min(constant.count, cVertexShader::CONSTANT_COUNT - constant.reg);
        for (UInt i = 0; i < count; ++i)
            std::memcpy(m_constants[constant.reg + i].data(), constant.data + 4 * std::size_t(i), 4 * sizeof(Float));
    }
}

const std::vector<sVertex>& cShaderStage::shade(UInt _handle, const sVertex* _vertices, UInt _count,
                                                const iGraphics::sSprite::SHADER_CONSTANTS* _constants,
                                                Float _width, Float _height)
{
    m_shaded.assign(_vertices, _vertices + _count);
    const auto program = m_programs.find(_handle);
    if (program == m_programs.end())
        return m_shaded;
    loadConstants(_constants, _width, _height);
    cVertexShader::sVertexIO io;
    for (sVertex& vertex : m_shaded) {
        for (cVertexShader::tVector& input : io.inputs)
            input = {0, 0, 0, 1};
        io.inputs[0] = {vertex.x, vertex.y, vertex.z, 1};
        io.inputs[5] = colourVector(vertex.colour);
        io.inputs[7] = {vertex.u0, vertex.v0, 0, 1};
        program->second->run(m_constants.data(), io);
        // A w of zero has no place on screen; it is taken as 1 rather than divided by.
        const Float w = io.position[3] != 0 ? io.position[3] : 1;
        vertex.x = (io.position[0] / w + 1) * 0.5f * _width;
        vertex.y = (1 - io.position[1] / w) * 0.5f * _height;
        vertex.z = io.position[2] / w;
        vertex.rhw = 1;
        vertex.colour = packColour(io.colours[0]);
        vertex.u0 = io.textures[0][0];
        vertex.v0 = io.textures[0][1];
    }
    return m_shaded;
}
