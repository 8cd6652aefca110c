#include "support/EngineHarness.h"

#include "engine/frame/WindowProc.h"
#include "graphics/GraphicsFactory.h"

const char* const cEngineHarness::DEFAULT_SETTINGS =
    "<game window_title=\"Test Farm\" app_directory=\"Test\" />"
    "<graphics width=\"800\" height=\"600\" fullscreen=\"0\" ShowSysCursor=\"0\" />";

cEngineHarness::cEngineHarness(const std::string& _settings, fGraphicsMaker _graphics) : m_data(_settings)
{
    // The engine's tests count frames, resets and screenshots on the stand-in renderer.
    if (!_graphics)
        _graphics = [](iWindow* _window) -> iGraphics* { return new cNullGraphics(_window); };
    graphics::setGraphicsMaker(_graphics);
    m_engine = std::make_unique<cEngine>(m_data.root().c_str(), nullptr);
}

cEngineHarness::cEngineHarness(const std::string& _settings, const tDataFiles& _files, eRenderer _renderer)
    : m_data(_settings)
{
    m_data.writeData(_files);
    // The headless platform's own choice is the real renderer over the recording device.
    if (_renderer == eRenderer::null)
        graphics::setGraphicsMaker([](iWindow* _window) -> iGraphics* { return new cNullGraphics(_window); });
    m_engine = std::make_unique<cEngine>(m_data.root().c_str(), nullptr);
}

cEngineHarness::~cEngineHarness()
{
    m_engine.reset();
    m_platform.reset();
    graphics::setGraphicsMaker(nullptr);
}

void cEngineHarness::frame(UInt _milliseconds)
{
    m_platform->getHeadlessSystem().advance(_milliseconds);
    logic().process();
}

void cEngineHarness::frames(int _count, UInt _milliseconds)
{
    for (int i = 0; i < _count; ++i)
        frame(_milliseconds);
}

void cEngineHarness::moveTo(Int _x, Int _y)
{
    window().setCursorPosition(window().getWindowRect().left + _x, window().getWindowRect().top + _y);
    m_platform->getHeadlessMouse().move(1, 1);
    frame();
}

void cEngineHarness::press(bool _down)
{
    m_platform->getHeadlessMouse().pushButton(0, _down);
    frame();
}

void cEngineHarness::send(const sWindowEvent& _event)
{
    windowProc(_event);
}

void cEngineHarness::send(eWindowEvent _type)
{
    sWindowEvent event;
    event.m_type = _type;
    windowProc(event);
}

void cEngineHarness::key(std::uint32_t _code, bool _down)
{
    m_platform->getHeadlessKeyboard().push(_code, _down);
}

void cEngineHarness::type(const std::u16string& _units)
{
    for (char16_t unit : _units) {
        sWindowEvent event;
        event.m_type = WE_CHAR;
        event.m_char = unit;
        send(event);
    }
    frame();
}
