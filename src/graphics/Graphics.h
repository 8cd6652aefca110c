#pragma once
#include "engine/Singleton.h"
#include "engine/Types.h"
#include "platform/images/Image.h"
#include "platform/window/WindowEvent.h"

#include <memory>
#include <vector>

class cTexture;
class iWindow;

using VECTOR_VECTOR_BOOL = std::vector<std::vector<Bool>>;
// A click mask shared by every control that names the same picture.
using tSharedMask = std::shared_ptr<const VECTOR_VECTOR_BOOL>;

// The renderer as the rest of the program sees it. The picture is drawn on a logical screen
// of getWidth() by getHeight() pixels; in full screen it is scaled into the desktop, which is
// why cursor positions go through screenToLogical.
class iGraphics : public cSingleton<iGraphics> {
public:
    // The records controls hand over; defined with the sprite and mesh passes.
    struct sSprite;
    struct sUnit;

    ~iGraphics() override = default;

    virtual void beginRender() = 0;
    virtual void endRender() = 0;
    virtual Int getHeight() = 0;
    virtual Int getWidth() = 0;
    // A reset (display mode switch) happens at the next beginRender.
    virtual void setNeedReset(Bool _need) = 0;
    virtual Bool getNeedReset() = 0;
    virtual UInt getReserveSpriteCount() = 0;
    virtual void resizeBuffers(UInt _count) = 0;
    virtual void screenshot() = 0;
    // The last frame drawn, before it is presented; empty where nothing keeps a picture.
    virtual sImage readBackBuffer() { return sImage(); }
    virtual void render(const sUnit& _unit) = 0;
    virtual void render(const sSprite& _p, cTexture* _texture, ULong _renderType) = 0;
    virtual void render(const sSprite& _p, const String& _texture, Bool _overlay) = 0;
    // Appends a line to this frame's overlay text.
    virtual void textOut(const WString& _string) = 0;
    // Windowed the client area, in full screen the whole window, in desktop pixels.
    virtual sPixelRect getWindowRect() = 0;
    virtual void showTriangles(Bool _isShow) = 0;
    virtual Bool getReservedFlag() { return false; }
    // The click mask of the picture at _texture, decoded once and kept by name: buildings
    // set their masks again at every sale. Never null.
    virtual tSharedMask getSharedMask(const String& _texture) = 0;
    // A copy of the same mask.
    void getMask(const String& _texture, VECTOR_VECTOR_BOOL& _res) { _res = *getSharedMask(_texture); }
    virtual Vector2 screenToLogical(const Vector2& _point) = 0;
    // The window the renderer draws into.
    virtual iWindow* getWindow() = 0;
};

namespace graphics {

// The renderer for _window. The one place that names the concrete renderer, so replacing it
// touches nothing that creates one.
iGraphics* createGraphics(iWindow* _window);

} // namespace graphics
