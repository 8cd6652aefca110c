#include "graphics/ScreenGeometry.h"

#include <algorithm>

sScreenGeometry sScreenGeometry::windowed(Int _logicalWidth, Int _logicalHeight)
{
    sScreenGeometry geometry;
    geometry.pictureWidth = _logicalWidth;
    geometry.pictureHeight = _logicalHeight;
    return geometry;
}

sScreenGeometry sScreenGeometry::fullscreenOn(Int _desktopWidth, Int _desktopHeight, Int _logicalWidth,
                                              Int _logicalHeight)
{
    sScreenGeometry geometry;
    geometry.fullscreen = true;
    geometry.pictureWidth = std::min(_desktopWidth, Int(Float(_desktopHeight) * 1.3333334f));
    geometry.pictureHeight = std::min(_desktopHeight, Int(Float(_desktopWidth) * 0.75f));
    geometry.scaleX = Float(geometry.pictureWidth) / Float(_logicalWidth);
    geometry.scaleY = Float(geometry.pictureHeight) / Float(_logicalHeight);
    geometry.offsetX = Float(_desktopWidth - geometry.pictureWidth) * 0.5f;
    geometry.offsetY = Float(_desktopHeight - geometry.pictureHeight) * 0.5f;
    return geometry;
}

Vector2 sScreenGeometry::toLogical(const Vector2& _point) const
{
    if (!fullscreen)
        return _point;
    return {(_point.x - offsetX) / scaleX, (_point.y - offsetY) / scaleY};
}
