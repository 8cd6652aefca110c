#pragma once
#include "engine/Types.h"

// Where the logical screen lands on the back buffer. Windowed the back buffer is the logical
// screen itself; in full screen the picture is the largest centred 4:3 rectangle of the
// desktop, with black bars on the sides it leaves.
struct sScreenGeometry {
    Bool fullscreen = false;
    Int pictureWidth = 800, pictureHeight = 600;
    Float scaleX = 1, scaleY = 1;
    Float offsetX = 0, offsetY = 0;

    // Scaled from the logical size the settings give, not a fixed 800 x 600.
    static sScreenGeometry windowed(Int _logicalWidth, Int _logicalHeight);
    static sScreenGeometry fullscreenOn(Int _desktopWidth, Int _desktopHeight, Int _logicalWidth,
                                        Int _logicalHeight);

    // Logical pixels to device pixels, with Direct3D's pixel centres. Inline: every sprite
    // corner of a frame goes through it.
    Vector2 toDevice(Float _x, Float _y) const
    {
        // Windowed, the half pixel between the two conventions of pixel centres lines texels
        // up with pixels; a scaled picture filters anyway and takes no shift.
        if (!fullscreen)
            return {_x - 0.5f, _y - 0.5f};
        return {_x * scaleX + offsetX, _y * scaleY + offsetY};
    }
    // Device pixels (window or desktop coordinates) back to logical pixels.
    Vector2 toLogical(const Vector2& _point) const;
};
