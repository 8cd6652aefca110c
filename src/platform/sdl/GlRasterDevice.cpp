#include "platform/sdl/GlRasterDevice.h"

#include <algorithm>

void cGlRasterDevice::prepareWindowAttributes()
{
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
}

cGlRasterDevice::cGlRasterDevice(SDL_Window* _window) : m_window(_window)
{
    if (!m_window)
        throw String("No window for the raster device.");
    m_context = SDL_GL_CreateContext(m_window);
    if (!m_context)
        throw String("Can't create the OpenGL context: ") + SDL_GetError();
    GLint stencilBits = 0;
    glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
    if (stencilBits < 1) {
        SDL_GL_DeleteContext(m_context);
        throw String("Default video card dosn't support stensil buffer.");
    }
    setupContext();
    updateSize();
}

cGlRasterDevice::~cGlRasterDevice()
{
    SDL_GL_MakeCurrent(m_window, m_context);
    for (const auto& texture : m_textures)
        glDeleteTextures(1, &texture.second);
    SDL_GL_DeleteContext(m_context);
}

void cGlRasterDevice::setupContext()
{
    glDisable(GL_LIGHTING);
    glDisable(GL_DITHER);
    glShadeModel(GL_SMOOTH);
    // Meshes keep the faces that turn clockwise on screen.
    glFrontFace(GL_CW);
    glCullFace(GL_BACK);
    glDepthFunc(GL_GREATER);
    glStencilMask(0xFF);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &m_maxTextureSize);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    for (GLenum unit : {GL_TEXTURE0, GL_TEXTURE1}) {
        glClientActiveTexture(unit);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    m_cache.invalidate();
}

void cGlRasterDevice::updateSize()
{
    int width = 0, height = 0;
    SDL_GL_GetDrawableSize(m_window, &width, &height);
    m_width = UInt(std::max(width, 0));
    m_height = UInt(std::max(height, 0));
}

GLuint cGlRasterDevice::glTexture(UInt _texture) const
{
    if (_texture == 0)
        return 0;
    auto found = m_textures.find(_texture);
    if (found == m_textures.end())
        throw String("Drawing with a texture that does not exist.");
    return found->second;
}

UInt cGlRasterDevice::createTexture(UInt _width, UInt _height, const UInt* _argb)
{
    if (_width == 0 || _height == 0 || GLint(_width) > m_maxTextureSize || GLint(_height) > m_maxTextureSize)
        throw String("Can't create a texture of " + std::to_string(_width) + "x" + std::to_string(_height) + ".");
    GLuint name = 0;
    glGenTextures(1, &name);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, name);
    m_cache.forgetBinding(0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    // Packed ARGB words are exactly GL's BGRA with the reversed 8-8-8-8 layout.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, GLsizei(_width), GLsizei(_height), 0, GL_BGRA,
                 GL_UNSIGNED_INT_8_8_8_8_REV, _argb);
    if (glGetError() != GL_NO_ERROR) {
        glDeleteTextures(1, &name);
        throw String("Can't create a texture of " + std::to_string(_width) + "x" + std::to_string(_height) + ".");
    }
    m_textures[m_nextTexture] = name;
    return m_nextTexture++;
}

void cGlRasterDevice::releaseTexture(UInt _texture)
{
    auto found = m_textures.find(_texture);
    if (found == m_textures.end())
        return;
    m_cache.forgetTexture(found->second);
    glDeleteTextures(1, &found->second);
    m_textures.erase(found);
}

void cGlRasterDevice::clear(const sClear& _clear)
{
    GLbitfield mask = 0;
    if (_clear.flags & CLEAR_COLOUR) {
        const UInt c = _clear.colour;
        glClearColor(Float(c >> 16 & 0xFF) / 255, Float(c >> 8 & 0xFF) / 255, Float(c & 0xFF) / 255,
                     Float(c >> 24) / 255);
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if (_clear.flags & CLEAR_DEPTH) {
        m_cache.enableDepthWrites();
        glClearDepth(_clear.depth);
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    if (_clear.flags & CLEAR_STENCIL) {
        glClearStencil(GLint(_clear.stencil));
        mask |= GL_STENCIL_BUFFER_BIT;
    }
    if (mask)
        glClear(mask);
}

void cGlRasterDevice::draw(const sVertex* _vertices, UInt _count, const UInt* _indices, UInt _indexCount,
                           const sDrawState& _state)
{
    for (UInt i = 0; i < _indexCount; ++i)
        if (_indices[i] >= _count)
            throw String("Vertex index out of range.");
    if (_indexCount == 0)
        return;
    GLuint textures[sDrawState::STAGE_COUNT];
    for (UInt i = 0; i < sDrawState::STAGE_COUNT; ++i)
        textures[i] = glTexture(_state.stages[i].texture);
    m_cache.apply(_state, textures, m_width, m_height);

    m_vertices.resize(_count);
    for (UInt i = 0; i < _count; ++i) {
        const sVertex& from = _vertices[i];
        sGlVertex& to = m_vertices[i];
        to = {from.x, from.y, from.z, {}, from.u0, from.v0, from.u1, from.v1};
        to.rgba[0] = (unsigned char)(from.colour >> 16);
        to.rgba[1] = (unsigned char)(from.colour >> 8);
        to.rgba[2] = (unsigned char)(from.colour);
        to.rgba[3] = (unsigned char)(from.colour >> 24);
    }
    const sGlVertex* base = m_vertices.data();
    const GLsizei stride = sizeof(sGlVertex);
    glVertexPointer(3, GL_FLOAT, stride, &base->x);
    glColorPointer(4, GL_UNSIGNED_BYTE, stride, base->rgba);
    glClientActiveTexture(GL_TEXTURE0);
    glTexCoordPointer(2, GL_FLOAT, stride, &base->u0);
    glClientActiveTexture(GL_TEXTURE1);
    glTexCoordPointer(2, GL_FLOAT, stride, &base->u1);
    glDrawElements(GL_TRIANGLES, GLsizei(_indexCount), GL_UNSIGNED_INT, _indices);
}

Bool cGlRasterDevice::present()
{
    SDL_GL_SwapWindow(m_window);
    // A mode change reaches the drawable only when the window system gets to it.
    updateSize();
    return true;
}

void cGlRasterDevice::setMode(eDisplayMode _mode, UInt _width, UInt _height)
{
    if (_mode == DISPLAY_DESKTOP_FULLSCREEN) {
        coverDesktop();
        SDL_SetWindowFullscreen(m_window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        SDL_SetWindowFullscreen(m_window, 0);
        SDL_SetWindowBordered(m_window, SDL_TRUE);
        SDL_SetWindowSize(m_window, int(_width), int(_height));
    }
    updateSize();
}

void cGlRasterDevice::coverDesktop()
{
    // SDL asks the window manager for full screen and at once reports the desktop's size as
    // the window's; with no window manager to act on it (a bare X server) the window would
    // stay as it was, and the picture drawn for the desktop would land cut off in it. So the
    // window first covers the desktop by itself. SDL takes no size or place while full screen.
    if (SDL_GetWindowFlags(m_window) & SDL_WINDOW_FULLSCREEN)
        return;
    SDL_Rect desktop{};
    if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(m_window), 0), &desktop) != 0)
        return;
    SDL_SetWindowBordered(m_window, SDL_FALSE);
    SDL_SetWindowPosition(m_window, desktop.x, desktop.y);
    SDL_SetWindowSize(m_window, desktop.w, desktop.h);
}

std::vector<UInt> cGlRasterDevice::readPixels(const sDeviceRect& _rect)
{
    if (_rect.x > m_width || _rect.y > m_height || _rect.width > m_width - _rect.x ||
        _rect.height > m_height - _rect.y)
        throw String("Pixels outside the back buffer.");
    std::vector<UInt> pixels(std::size_t(_rect.width) * _rect.height);
    if (pixels.empty())
        return pixels;
    glReadBuffer(GL_BACK);
    glReadPixels(GLint(_rect.x), GLint(m_height - _rect.y - _rect.height), GLsizei(_rect.width),
                 GLsizei(_rect.height), GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, pixels.data());
    // GL's rows run bottom to top.
    for (UInt y = 0; y < _rect.height / 2; ++y)
        std::swap_ranges(pixels.begin() + std::ptrdiff_t(y) * _rect.width,
                         pixels.begin() + std::ptrdiff_t(y + 1) * _rect.width,
                         pixels.begin() + std::ptrdiff_t(_rect.height - 1 - y) * _rect.width);
    return pixels;
}

void cGlRasterDevice::reset()
{
    SDL_GL_MakeCurrent(m_window, m_context);
    setupContext();
    updateSize();
}
