#pragma once
#include "engine/resources/Resource.h"
#include "graphics/Graphics.h"

#include <vector>

// The sprite record controls hand to the renderer: four corners in logical pixels with ARGB
// colours, drawn as a subdivided grid, with a texture rectangle in the image's own 0..1.
struct iGraphics::sSprite {
    struct sCorner {
        Float x = 0, y = 0;
        UInt color = 0xFFFFFFFF;
    };
    // count 4-float constants loaded at register reg; the data stays its maker's.
    struct sShaderConstant {
        UInt reg = 0;
        const Float* data = nullptr;
        UInt count = 0;
    };
    using SHADER_CONSTANTS = std::vector<sShaderConstant>;

    sSprite() = default;
    sSprite(const sSprite& _other);
    sSprite& operator=(const sSprite& _other);
    // Gives back the one reference to the shader the record owns.
    ~sSprite();
    // Takes one reference to _shader (a cShader, or null) and drops the old one.
    void setShader(iResource* _shader);

    sCorner corners[4]; // top-left, top-right, bottom-left, bottom-right
    UInt subdivision = 1;
    iResource* shader = nullptr;
    Float left = 0, top = 0, right = 1, bottom = 1;
    // Valid until the end of the frame; sprites with different lists never share a draw.
    const SHADER_CONSTANTS* constants = nullptr;
};
