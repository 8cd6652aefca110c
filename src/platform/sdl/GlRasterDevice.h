#pragma once
#include "platform/RasterDevice.h"
#include "platform/sdl/GlStateCache.h"

#include <SDL.h>

#include <map>
#include <vector>

// The raster device on OpenGL 2.1 fixed function, drawing into an SDL window's context.
class cGlRasterDevice : public iRasterDevice {
public:
    // Must run before the window is made: the window's pixel format is chosen at creation
    // and has to carry depth and stencil.
    static void prepareWindowAttributes();

    // Creates the GL context on _window (made with SDL_WINDOW_OPENGL); the device draws into
    // it until destroyed. The window stays the caller's.
    explicit cGlRasterDevice(SDL_Window* _window);
    ~cGlRasterDevice() override;
    cGlRasterDevice(const cGlRasterDevice&) = delete;
    cGlRasterDevice& operator=(const cGlRasterDevice&) = delete;

    UInt createTexture(UInt _width, UInt _height, const UInt* _argb) override;
    void releaseTexture(UInt _texture) override;
    void clear(const sClear& _clear) override;
    void draw(const sVertex* _vertices, UInt _count, const UInt* _indices, UInt _indexCount,
              const sDrawState& _state) override;
    Bool present() override;
    void setMode(eDisplayMode _mode, UInt _width, UInt _height) override;
    // A driver that cannot change the interval keeps its own; frames still show.
    void setPresentSync(Bool _sync) override { SDL_GL_SetSwapInterval(_sync ? 1 : 0); }
    UInt getWidth() const override { return m_width; }
    UInt getHeight() const override { return m_height; }
    std::vector<UInt> readPixels(const sDeviceRect& _rect) override;
    // A GL context is never lost the way a Direct3D device was.
    eDeviceState getDeviceState() override { return DEVICE_OK; }
    void reset() override;

    UInt stateChangeCount() const { return m_cache.changeCount(); }

private:
    // The vertex as GL's client arrays take it: colour bytes in RGBA order.
    struct sGlVertex {
        Float x, y, z;
        unsigned char rgba[4];
        Float u0, v0, u1, v1;
    };

    void setupContext();
    void updateSize();
    void coverDesktop();
    GLuint glTexture(UInt _texture) const;

    SDL_Window* m_window;
    SDL_GLContext m_context = nullptr;
    UInt m_width = 0, m_height = 0;
    GLint m_maxTextureSize = 0;
    std::map<UInt, GLuint> m_textures;
    UInt m_nextTexture = 1;
    cGlStateCache m_cache;
    std::vector<sGlVertex> m_vertices;
};
