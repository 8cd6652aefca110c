#pragma once
#include "engine/Types.h"
#include "platform/devices/DrawState.h"

// The bits a sprite is queued with; several may be combined (a button's overlay is drawn
// with RT_OVERLAY | RT_MASKED inside the shape it wrote with RT_MASK_WRITER).
enum eRenderType : ULong {
    RT_OVERLAY = 0x1,
    RT_OPAQUE = 0x2,
    RT_MASK_WRITER = 0x4,
    RT_MASKED = 0x8,
    RT_LINEAR = 0x20,
    RT_OVERLAY_BLEND = 0x40,
    RT_ANISOTROPIC = 0x80,
};

// How the frame as a whole changes each draw.
struct sFrameStyle {
    Bool wireframe = false;  // chunks drawn without texture, as lines
    Bool fullscreen = false; // the picture is scaled, which changes magnification
};

// The complete state a sprite chunk is drawn with: nothing is left over from the chunk
// before it.
sDrawState spriteState(ULong _renderType, UInt _texture, UInt _shader, const sFrameStyle& _style);

// The pass a mask writer makes first: only the stencil changes, and only where the texture's
// alpha exceeds 0x88, whatever blending the chunk itself uses afterwards.
sDrawState maskWriterState(ULong _renderType, UInt _texture, UInt _shader, const sFrameStyle& _style);
