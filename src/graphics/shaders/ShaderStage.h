#pragma once
#include "engine/Types.h"
#include "graphics/sprites/Sprite.h"
#include "graphics/shaders/VertexShader.h"
#include "platform/devices/DrawState.h"

#include <map>
#include <memory>
#include <vector>

// The renderer's vertex shaders: programs made from shader files, and the pass that runs one
// over a chunk's sprite vertices before they go to the raster device, as a programmable
// vertex stage would.
class cShaderStage {
public:
    // A handle from 1 on, never reused; 0 when the bytes are no program (the failure is
    // logged, and the sprite then draws through the fixed pipeline).
    UInt create(const void* _bytes, std::size_t _size);
    void release(UInt _handle);
    Bool exists(UInt _handle) const { return m_programs.count(_handle) != 0; }

    // Runs program _handle over _vertices. Constants 0 to 3 hold the transposed projection
    // onto the _width x _height back buffer, then each of _constants is loaded at its
    // register; the clip-space result is mapped back onto the back buffer's pixels.
    const std::vector<sVertex>& shade(UInt _handle, const sVertex* _vertices, UInt _count,
                                      const iGraphics::sSprite::SHADER_CONSTANTS* _constants, Float _width,
                                      Float _height);

private:
    void loadConstants(const iGraphics::sSprite::SHADER_CONSTANTS* _constants, Float _width, Float _height);

    std::map<UInt, std::unique_ptr<cVertexShader>> m_programs;
    UInt m_next = 1;
    std::vector<cVertexShader::tVector> m_constants;
    std::vector<sVertex> m_shaded;
};
