#pragma once
#include "graphics/Graphics.h"
#include "graphics/GraphicsParams.h"
#include "graphics/GraphicsResources.h"
#include "graphics/meshes/MeshScene.h"
#include "graphics/sprites/OverlayText.h"
#include "graphics/sprites/RenderType.h"
#include "graphics/ScreenGeometry.h"
#include "graphics/shaders/ShaderStage.h"
#include "graphics/sprites/SpriteBatch.h"
#include "platform/images/Image.h"
#include "platform/devices/RasterDevice.h"
#include "platform/window/WindowEvent.h"

#include <memory>
#include <unordered_map>

class cTexture;
class iSystem;
class iWindow;

// The renderer over a raster device: the logical screen and its place on the back buffer,
// the frame protocol with the present deferred to the next frame, sprite batching, mesh
// units, the statistics overlay, device loss and reset.
class cGraphics : public iGraphics, public iGraphicsResources {
public:
    // Reads the settings, sets the display mode and registers the graphics resource makers.
    cGraphics(std::unique_ptr<iRasterDevice> _device, iWindow& _window, iSystem& _system);
    // Writes the values in use back into the settings.
    ~cGraphics() override;

    void beginRender() override;
    void endRender() override;
    Int getHeight() override { return m_params.height; }
    Int getWidth() override { return m_params.width; }
    void setNeedReset(Bool _needReset) override { m_needReset = _needReset; }
    Bool getNeedReset() override { return m_needReset; }
    UInt getReserveSpriteCount() override { return m_params.reserveSpriteCount; }
    void resizeBuffers(UInt _count) override;
    // Writes the back buffer as a DDS file named after the local date and time into the
    // current folder.
    void screenshot() override;
    sImage readBackBuffer() override;
    void render(const sUnit& _unit) override;
    void render(const sSprite& _p, cTexture* _texture, ULong _renderType) override;
    void render(const sSprite& _p, const String& _texture, Bool _overlay) override;
    void textOut(const WString& _string) override { m_overlay.textOut(_string); }
    sPixelRect getWindowRect() override;
    void showTriangles(Bool _isShow) override { m_wireframe = _isShow; }
    tSharedMask getSharedMask(const String& _texture) override;
    Vector2 screenToLogical(const Vector2& _point) override { return m_geometry.toLogical(_point); }
    iWindow* getWindow() override { return &m_window; }

    // The sprite's parts as the batch takes them.
    void renderQuad(const sSpriteQuad& _quad, cTexture* _texture, ULong _renderType, UInt _shader = 0,
                    const void* _constants = nullptr);
    void renderQuad(const sSpriteQuad& _quad, const String& _texture, Bool _overlay);
    // The same with the device texture and its scales given directly.
    void renderQuad(const sSpriteQuad& _quad, const sSpriteTexture& _texture, ULong _renderType, UInt _shader = 0,
                    const void* _constants = nullptr);

    // iGraphicsResources
    UInt createTexture(UInt _width, UInt _height, const UInt* _argb) override;
    void releaseTexture(UInt _texture) override;
    void getResource(const void* _bytes, const ULong& _size, SHADER& _handle) override;
    void releaseResource(const SHADER& _res) override;

    iRasterDevice& getDevice() { return *m_device; }
    const sScreenGeometry& getGeometry() const { return m_geometry; }
    const sGraphicsParams& getParams() const { return m_params; }
    Bool isFrameOpen() const { return m_frameOpen; }
    Bool isWireframe() const { return m_wireframe; }
    Bool hasShader(UInt _handle) const { return m_shaders.exists(_handle); }

private:
    // The settings' "graphics" and "lights" values, in and out.
    void getGraphicsParameters();
    void saveGraphicsParameters();
    void prepareParameters();
    void fitFullscreen();
    void reset();
    Bool waitForLostDevice();
    void clearTarget();
    void renderScene();
    void drawChunk(const sChunk& _chunk);
    void drawBorders();
    void addStatistics();

    std::unique_ptr<iRasterDevice> m_device;
    iWindow& m_window;
    iSystem& m_system;
    sGraphicsParams m_params;
    sScreenGeometry m_geometry;
    UInt m_fittedWidth = 0;
    UInt m_fittedHeight = 0;
    cSpriteBatch m_batch;
    cMeshScene m_meshScene;
    cShaderStage m_shaders;
    cOverlayText m_overlay;
    std::unordered_map<String, tSharedMask> m_masks;
    Bool m_needReset = false;
    Bool m_presented = true;
    Bool m_frameOpen = false;
    Bool m_wireframe = false;
    UInt m_triangles = 0;
};
