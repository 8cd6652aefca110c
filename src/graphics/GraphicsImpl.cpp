#include "graphics/GraphicsImpl.h"

#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/resources/ResourceManager.h"
#include "engine/text/NumberFormat.h"
#include "engine/settings/Settings.h"
#include "engine/text/TextConvert.h"
#include "engine/frame/Timer.h"
#include "graphics/WholeFile.h"
#include "graphics/GraphicsMakers.h"
#include "graphics/shaders/Shader.h"
#include "graphics/sprites/Sprite.h"
#include "graphics/sprites/Texture.h"
#include "platform/images/DdsFile.h"
#include "platform/images/ImageLoader.h"
#include "platform/system/System.h"
#include "platform/window/Window.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace {

String twoDigits(int _value)
{
    const String text = std::to_string(_value % 100);
    return text.size() < 2 ? "0" + text : text;
}

// "MM/DD/YY" then "HH:MM:SS", with the separators a file name cannot hold made dashes.
String screenshotName(const platform::sLocalTime& _time)
{
    return twoDigits(_time.month) + "-" + twoDigits(_time.day) + "-" + twoDigits(_time.year) +
           twoDigits(_time.hour) + "-" + twoDigits(_time.minute) + "-" + twoDigits(_time.second) + ".dds";
}

} // namespace

cGraphics::cGraphics(std::unique_ptr<iRasterDevice> _device, iWindow& _window, iSystem& _system)
    : m_device(std::move(_device)), m_window(_window), m_system(_system)
{
    GUARD_BEGIN
    if (!m_device)
        throw "Can't create Direct3D.";
    prepareParameters();
    registerGraphicsMakers();
    GUARD_END("cGraphics::cGraphics(HWND _hwnd)")
}

cGraphics::~cGraphics()
{
    m_overlay.release(*m_device);
    try {
        saveGraphicsParameters();
    } catch (const String& _error) {
        logError("The graphics settings could not be stored:\n" + _error);
    } catch (...) {
        logError("The graphics settings could not be stored.");
    }
}

namespace {

cSettings& settings()
{
    if (!cSettings::exists())
        throw "Settings not created.";
    return *cSettings::getInstance();
}

} // namespace

void cGraphics::getGraphicsParameters()
{
    GUARD_BEGIN
    m_params.read(settings());
    GUARD_END("void cGraphics::getGraphicsParameters()")
}

void cGraphics::saveGraphicsParameters()
{
    GUARD_BEGIN
    m_params.save(settings());
    GUARD_END("void cGraphics::saveGraphicsParameters()")
}

void cGraphics::prepareParameters()
{
    getGraphicsParameters();
    // A window waits for the display's refresh; full screen presents at once.
    m_device->setPresentSync(!m_params.fullscreen);
    if (m_params.fullscreen) {
        m_device->setMode(DISPLAY_DESKTOP_FULLSCREEN, 0, 0);
        fitFullscreen();
        return;
    }
    m_device->setMode(DISPLAY_WINDOWED, UInt(m_params.width), UInt(m_params.height));
    m_geometry = sScreenGeometry::windowed(m_params.width, m_params.height);
    const sPixelRect desktop = m_window.getDesktopRect();
    m_window.setClientPosition(desktop.left + (desktop.width() - m_params.width) / 2,
                               desktop.top + (desktop.height() - m_params.height) / 2);
}

void cGraphics::fitFullscreen()
{
    Int width = Int(m_device->getWidth()), height = Int(m_device->getHeight());
    // A back buffer not sized yet would make the scale zero; the desktop is what it becomes.
    if (width <= 0 || height <= 0) {
        const sPixelRect desktop = m_window.getDesktopRect();
        width = std::max(desktop.width(), 1);
        height = std::max(desktop.height(), 1);
    }
    m_geometry = sScreenGeometry::fullscreenOn(width, height, m_params.width, m_params.height);
    m_fittedWidth = m_device->getWidth();
    m_fittedHeight = m_device->getHeight();
}

void cGraphics::reset()
{
    prepareParameters();
    m_device->reset();
    m_needReset = false;
}

void cGraphics::resizeBuffers(UInt _count)
{
    m_params.reserveSpriteCount = _count;
}

Bool cGraphics::waitForLostDevice()
{
    // As long as a lost Direct3D device was polled: 101 tries, 10 ms apart.
    for (UInt poll = 0; poll <= 100; ++poll) {
        if (m_device->getDeviceState() != DEVICE_LOST)
            return true;
        if (poll < 100)
            m_system.sleep(10);
    }
    return false;
}

void cGraphics::beginRender()
{
    GUARD_BEGIN
    if (!m_presented) {
        if (!m_device->present()) {
            if (!waitForLostDevice())
                return;
            reset();
        }
        m_presented = true;
    }
    if (m_needReset)
        reset();
    // The window system may size a full-screen back buffer only some frames after the switch.
    if (m_geometry.fullscreen && (m_device->getWidth() != m_fittedWidth || m_device->getHeight() != m_fittedHeight))
        fitFullscreen();
    m_batch.begin(m_params.reserveSpriteCount);
    m_frameOpen = true;
    GUARD_END("void cGraphics::beginRender()")
}

void cGraphics::endRender()
{
    GUARD_BEGIN
    if (!m_frameOpen)
        return;
    m_batch.end();
    clearTarget();
    renderScene();
    if (m_geometry.fullscreen)
        drawBorders();
    addStatistics();
    m_overlay.draw(*m_device, 0xFFFFFFFF);
    m_frameOpen = false;
    m_presented = false;
    GUARD_END("void cGraphics::endRender()")
}

void cGraphics::clearTarget()
{
    sClear clear;
    if (m_params.showTriangles) {
        clear.flags = CLEAR_COLOUR | CLEAR_STENCIL;
        clear.colour = 0xFF000000;
    } else {
        clear.colour = m_params.backColor;
    }
    clear.depth = 0;
    clear.stencil = 0;
    m_device->clear(clear);
}

void cGraphics::addStatistics()
{
    if (m_params.showFps) {
        const Float fps = cTimer::exists() ? cTimer::getInstance()->getFps() : 0;
        m_overlay.textOut(toWString("FPS: " + formatFloat(fps)));
    }
    if (m_params.showTriangles)
        m_overlay.textOut(toWString("Triangles: " + std::to_string(m_triangles)));
    m_triangles = 0;
}

void cGraphics::renderQuad(const sSpriteQuad& _quad, cTexture* _texture, ULong _renderType, UInt _shader,
                           const void* _constants)
{
    sSpriteTexture texture;
    if (_texture) {
        texture.id = _texture->getTexture();
        texture.uScale = _texture->getUScale();
        texture.vScale = _texture->getVScale();
    }
    renderQuad(_quad, texture, _renderType, _shader, _constants);
}

void cGraphics::renderQuad(const sSpriteQuad& _quad, const sSpriteTexture& _texture, ULong _renderType,
                           UInt _shader, const void* _constants)
{
    if (m_frameOpen)
        m_batch.add(_quad, _texture, _renderType, _shader, _constants, m_geometry);
}

void cGraphics::renderQuad(const sSpriteQuad& _quad, const String& _texture, Bool _overlay)
{
    if (!m_frameOpen)
        return;
    const ULong renderType = _overlay ? ULong(RT_OVERLAY) : 0;
    if (_texture.empty()) {
        renderQuad(_quad, nullptr, renderType);
        return;
    }
    cResourceManager* resources = cResourceManager::getInstance();
    if (!resources)
        throw "Resource manager not created.";
    iResource* texture = resources->getTexture(_texture);
    renderQuad(_quad, static_cast<cTexture*>(texture), renderType);
    // The cache keeps the texture; this call only borrowed it.
    texture->release();
}

void cGraphics::render(const sUnit& _unit)
{
    if (m_frameOpen)
        m_batch.addUnit(&_unit);
}

namespace {

sSpriteQuad quadOf(const iGraphics::sSprite& _p)
{
    sSpriteQuad quad;
    for (int i = 0; i < 4; ++i) {
        quad.x[i] = _p.corners[i].x;
        quad.y[i] = _p.corners[i].y;
        quad.color[i] = _p.corners[i].color;
    }
    quad.subdivision = _p.subdivision;
    quad.left = _p.left;
    quad.top = _p.top;
    quad.right = _p.right;
    quad.bottom = _p.bottom;
    return quad;
}

UInt shaderOf(const iGraphics::sSprite& _p)
{
    const cShader* shader = dynamic_cast<const cShader*>(_p.shader);
    return shader ? shader->getHandle() : 0;
}

} // namespace

void cGraphics::render(const sSprite& _p, cTexture* _texture, ULong _renderType)
{
    if (m_frameOpen)
        renderQuad(quadOf(_p), _texture, _renderType, shaderOf(_p), _p.constants);
}

void cGraphics::render(const sSprite& _p, const String& _texture, Bool _overlay)
{
    if (!m_frameOpen)
        return;
    GUARD_BEGIN
    renderQuad(quadOf(_p), _texture, _overlay);
    GUARD_END("void cGraphics::render(const sSprite& _p, const String &_texture, Bool _overlay)")
}

sPixelRect cGraphics::getWindowRect()
{
    return m_window.getWindowRect();
}

tSharedMask cGraphics::getSharedMask(const String& _texture)
{
    GUARD_BEGIN
    tSharedMask& kept = m_masks[_texture];
    if (!kept) {
        const std::vector<char> bytes = readWholeFile(_texture);
        auto mask = std::make_shared<VECTOR_VECTOR_BOOL>();
        ::getMask(loadImage(bytes.data(), bytes.size(), _texture), *mask);
        kept = std::move(mask);
    }
    return kept;
    GUARD_END("void cGraphics::getMask(const String &_texture, VECTOR_VECTOR_BOOL& res)")
}

void cGraphics::screenshot()
{
    GUARD_BEGIN
    const std::vector<unsigned char> bytes = writeDds(readBackBuffer());
    const String name = screenshotName(m_system.getLocalTime());
    // Written whole under a temporary name first, so no half picture ever carries the name.
    const String temporary = name + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!file.flush()) {
            file.close();
            std::remove(temporary.c_str());
            throw "Can't write the screenshot \"" + name + "\".";
        }
    }
    if (std::rename(temporary.c_str(), name.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw "Can't write the screenshot \"" + name + "\".";
    }
    GUARD_END("void cGraphics::screenshot()")
}

sImage cGraphics::readBackBuffer()
{
    sImage image;
    image.width = m_device->getWidth();
    image.height = m_device->getHeight();
    image.pixels = m_device->readPixels({0, 0, image.width, image.height});
    return image;
}

UInt cGraphics::createTexture(UInt _width, UInt _height, const UInt* _argb)
{
    return m_device->createTexture(_width, _height, _argb);
}

void cGraphics::releaseTexture(UInt _texture)
{
    m_device->releaseTexture(_texture);
}

void cGraphics::getResource(const void* _bytes, const ULong& _size, SHADER& _handle)
{
    _handle = m_shaders.create(_bytes, _size);
}

void cGraphics::releaseResource(const SHADER& _res)
{
    m_shaders.release(_res);
}
