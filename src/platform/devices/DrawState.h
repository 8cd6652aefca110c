#pragma once
#include "engine/Types.h"

// One vertex as the renderer hands it over: already in device pixels, with Direct3D's pixel
// centres (a pixel's centre sits on whole coordinates). z is depth after projection, 0 to 1;
// rhw is kept for the pre-transformed layout and is 1 for the orthographic picture.
struct sVertex {
    Float x = 0, y = 0, z = 0, rhw = 1;
    UInt colour = 0xFFFFFFFF; // ARGB
    Float u0 = 0, v0 = 0;     // first texture stage
    Float u1 = 0, v1 = 0;     // second texture stage (an overlay picture)
};

enum eClearFlags : UInt {
    CLEAR_COLOUR = 0x1,
    CLEAR_DEPTH = 0x2,
    CLEAR_STENCIL = 0x4,
};

// Clears the whole back buffer, whatever the viewport.
struct sClear {
    UInt flags = CLEAR_COLOUR | CLEAR_DEPTH | CLEAR_STENCIL;
    UInt colour = 0xFF000000; // ARGB
    Float depth = 0;
    UInt stencil = 0;
};

enum eFilter : UInt { FILTER_POINT, FILTER_LINEAR, FILTER_ANISOTROPIC };

// What a texture stage does with the colour coming in (the vertex colour for the first stage).
enum eStageOp : UInt {
    STAGE_DISABLE,        // this stage and every later one are off
    STAGE_MODULATE,       // incoming x texture
    STAGE_SELECT_TEXTURE, // texture alone
    STAGE_SELECT_CURRENT, // incoming alone; the texture is ignored
};

enum eBlendFactor : UInt {
    BLEND_ZERO,
    BLEND_ONE,
    BLEND_SRC_ALPHA,
    BLEND_INV_SRC_ALPHA,
    BLEND_DEST_COLOR,
};

enum eStencilMode : UInt {
    STENCIL_OFF,
    STENCIL_WRITE, // always passes; the reference is written where the pixel is drawn
    STENCIL_EQUAL, // drawn only where the stencil holds the reference; stencil kept
};

// Which winding is thrown away, judged on screen with y growing downwards.
enum eCull : UInt { CULL_NONE, CULL_CCW };

struct sTextureStage {
    UInt texture = 0; // an id from createTexture, 0 for none
    eStageOp colourOp = STAGE_MODULATE;
    eStageOp alphaOp = STAGE_MODULATE;
    eFilter minFilter = FILTER_POINT;
    eFilter magFilter = FILTER_POINT;
    Bool operator==(const sTextureStage& _other) const;
};

// A rectangle of the back buffer in device pixels; a zero width means the whole buffer.
struct sViewport {
    UInt x = 0, y = 0, width = 0, height = 0;
    Bool operator==(const sViewport& _other) const;
};

// Everything a draw depends on. Each draw carries its own complete record, so no draw
// inherits a leftover from the one before it. The defaults are the sprite state: alpha
// blending and alpha testing on, no stencil, no depth, no culling.
struct sDrawState {
    static const UInt STAGE_COUNT = 2;
    sTextureStage stages[STAGE_COUNT];

    Bool blend = true;
    eBlendFactor srcBlend = BLEND_SRC_ALPHA;
    eBlendFactor destBlend = BLEND_INV_SRC_ALPHA;

    // Pixels pass when their alpha (0 to 255) is greater than the reference.
    Bool alphaTest = true;
    UInt alphaRef = 0;

    eStencilMode stencil = STENCIL_OFF;
    UInt stencilRef = 1;

    // Meshes: depth cleared to 0, a pixel survives where its depth is greater.
    Bool depthTest = false;
    Bool depthWrite = false;

    eCull cull = CULL_NONE;
    Bool wireframe = false;
    sViewport viewport;

    Bool operator==(const sDrawState& _other) const;
    Bool operator!=(const sDrawState& _other) const { return !(*this == _other); }
};
