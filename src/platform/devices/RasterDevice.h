#pragma once
#include "engine/Types.h"
#include "platform/devices/DrawState.h"

#include <vector>

enum eDisplayMode : UInt { DISPLAY_WINDOWED, DISPLAY_DESKTOP_FULLSCREEN };

// Like a lost Direct3D device: while LOST nothing reaches the screen; once NOT_RESET,
// reset() brings it back. Textures survive a reset.
enum eDeviceState : UInt { DEVICE_OK, DEVICE_LOST, DEVICE_NOT_RESET };

struct sDeviceRect {
    UInt x = 0, y = 0, width = 0, height = 0;
};

// Draws finished triangles; all vertex work happens before this point.
class iRasterDevice {
public:
    virtual ~iRasterDevice() = default;

    // _argb holds _width x _height pixels, rows top to bottom. Ids start at 1 and are never
    // reused, so a stale id can never draw another texture.
    virtual UInt createTexture(UInt _width, UInt _height, const UInt* _argb) = 0;
    virtual void releaseTexture(UInt _texture) = 0;

    virtual void clear(const sClear& _clear) = 0;
    // A triangle list. 32-bit indices, each below _count: a frame may hold any number of
    // vertices.
    virtual void draw(const sVertex* _vertices, UInt _count, const UInt* _indices, UInt _indexCount,
                      const sDrawState& _state) = 0;
    // False when the device was lost; the frame is gone.
    virtual Bool present() = 0;

    // Windowed: a back buffer of _width x _height. Desktop full screen: the desktop's size.
    virtual void setMode(eDisplayMode _mode, UInt _width, UInt _height) = 0;
    // True: each present waits for the display's refresh; false: it shows the frame at once.
    virtual void setPresentSync(Bool _sync) = 0;
    virtual UInt getWidth() const = 0;
    virtual UInt getHeight() const = 0;

    // The back buffer's pixels as ARGB, rows top to bottom.
    virtual std::vector<UInt> readPixels(const sDeviceRect& _rect) = 0;

    virtual eDeviceState getDeviceState() = 0;
    virtual void reset() = 0;
};
