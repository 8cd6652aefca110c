#include "platform/sdl/SdlWindow.h"

#include "platform/sdl/SdlCharacters.h"
#include "platform/system/StopSignal.h"

#include <SDL.h>

#include <algorithm>

namespace {

// The error text SDL left, or a plain one when it left none.
String sdlError(const char* _fallback)
{
    const char* text = SDL_GetError();
    return (text && *text) ? String(text) : String(_fallback);
}

struct sWindowEventCode {
    Uint8 sdl;
    eWindowEvent ours;
};

const sWindowEventCode s_windowEvents[] = {
    {SDL_WINDOWEVENT_FOCUS_LOST, WE_DEACTIVATE},
    {SDL_WINDOWEVENT_MINIMIZED, WE_MINIMISE},
    {SDL_WINDOWEVENT_RESTORED, WE_RESTORE},
    {SDL_WINDOWEVENT_MAXIMIZED, WE_MAXIMISE},
};

} // namespace

cSdlWindow::~cSdlWindow()
{
    destroy();
    if (m_videoStarted)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void cSdlWindow::startVideo()
{
    if (m_videoStarted)
        return;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw sdlError("The video system could not be started.");
    m_videoStarted = true;
}

void cSdlWindow::create(const String& _title, Int _width, Int _height)
{
    destroy();
    startVideo();
    // The visual is chosen with the window, so the raster device's needs are fixed here:
    // the stencil masks of the sprite pass and a depth buffer for meshes.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    // Not resizable; SDL gives every window a caption with close and minimise buttons.
    m_window = SDL_CreateWindow(_title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, _width,
                                _height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!m_window)
        throw sdlError("The window could not be created.");
    m_closeSent = false;
    SDL_StartTextInput();
}

void cSdlWindow::setIcon(const sImage& _icon)
{
    if (!m_window || _icon.pixels.empty())
        return;
    // SDL copies the pixels, so the surface only borrows them for the call.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<UInt*>(_icon.pixels.data()),
        int(_icon.width), int(_icon.height), 32, int(_icon.width * 4), SDL_PIXELFORMAT_ARGB8888);
    if (!surface)
        return;
    SDL_SetWindowIcon(m_window, surface);
    SDL_FreeSurface(surface);
}

void cSdlWindow::show()
{
    if (m_window)
        SDL_ShowWindow(m_window);
}

void cSdlWindow::destroy()
{
    if (!m_window)
        return;
    SDL_StopTextInput();
    SDL_DestroyWindow(m_window);
    m_window = nullptr;
}

void cSdlWindow::showCursor(Bool _show)
{
    if (m_videoStarted)
        SDL_ShowCursor(_show ? SDL_ENABLE : SDL_DISABLE);
}

Bool cSdlWindow::getCursorPosition(Int& _x, Int& _y)
{
    if (!m_videoStarted)
        return false;
    SDL_GetGlobalMouseState(&_x, &_y);
    return true;
}

void cSdlWindow::setCursorPosition(Int _x, Int _y)
{
    if (m_videoStarted)
        SDL_WarpMouseGlobal(_x, _y);
}

sPixelRect cSdlWindow::getWindowRect()
{
    sPixelRect rect;
    if (!m_window)
        return rect;
    int width = 0, height = 0;
    SDL_GetWindowPosition(m_window, &rect.left, &rect.top);
    SDL_GetWindowSize(m_window, &width, &height);
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    return rect;
}

sPixelRect cSdlWindow::getDesktopRect()
{
    sPixelRect rect;
    if (!m_videoStarted)
        return rect;
    const int display = m_window ? std::max(SDL_GetWindowDisplayIndex(m_window), 0) : 0;
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(display, &bounds) != 0)
        return rect;
    return {bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
}

void cSdlWindow::setClientPosition(Int _x, Int _y)
{
    if (m_window)
        SDL_SetWindowPosition(m_window, _x, _y);
}

Bool cSdlWindow::pollEvent(sWindowEvent& _event)
{
    // SDL leaves the stop signals to a handler that was there before it.
    if (platform::takeStopSignal() && !m_closeSent) {
        push(WE_CLOSE);
        m_closeSent = true;
    }
    SDL_Event raw;
    while (m_events.empty() && SDL_PollEvent(&raw)) {
        for (auto& listener : m_listeners)
            listener.second(raw);
        translate(raw);
    }
    return m_events.pop(_event);
}

void cSdlWindow::postQuit(Int _exitCode)
{
    m_events.postQuit(_exitCode);
}

void cSdlWindow::addEventListener(const void* _owner, fEventListener _listener)
{
    for (auto& listener : m_listeners) {
        if (listener.first == _owner) {
            listener.second = std::move(_listener);
            return;
        }
    }
    m_listeners.emplace_back(_owner, std::move(_listener));
}

void cSdlWindow::removeEventListener(const void* _owner)
{
    m_listeners.erase(std::remove_if(m_listeners.begin(), m_listeners.end(),
                                     [_owner](const auto& _listener) { return _listener.first == _owner; }),
                      m_listeners.end());
}

void cSdlWindow::push(eWindowEvent _type)
{
    sWindowEvent event;
    event.m_type = _type;
    m_events.push(event);
}

void cSdlWindow::translate(const SDL_Event& _event)
{
    switch (_event.type) {
    case SDL_QUIT:
        if (!m_closeSent)
            push(WE_CLOSE);
        m_closeSent = true;
        break;
    case SDL_APP_DIDENTERFOREGROUND:
        push(WE_APP_ACTIVATE);
        break;
    case SDL_APP_DIDENTERBACKGROUND:
        push(WE_APP_DEACTIVATE);
        break;
    case SDL_WINDOWEVENT:
        translateWindowEvent(_event);
        break;
    case SDL_KEYDOWN:
        translateKey(_event);
        break;
    case SDL_TEXTINPUT:
        translateText(_event.text.text);
        break;
    case SDL_MOUSEMOTION: {
        sWindowEvent event;
        event.m_type = WE_MOUSE_MOVE;
        event.m_x = _event.motion.x;
        event.m_y = _event.motion.y;
        m_events.push(event);
        break;
    }
    default:
        break;
    }
}

void cSdlWindow::translateWindowEvent(const SDL_Event& _event)
{
    const Uint8 code = _event.window.event;
    if (code == SDL_WINDOWEVENT_CLOSE) {
        if (!m_closeSent)
            push(WE_CLOSE);
        m_closeSent = true;
        return;
    }
    if (code == SDL_WINDOWEVENT_FOCUS_GAINED) {
        // A minimised window that gets the focus stays inactive until it is restored.
        sWindowEvent event;
        event.m_type = WE_ACTIVATE;
        event.m_minimised = m_window && (SDL_GetWindowFlags(m_window) & SDL_WINDOW_MINIMIZED) != 0;
        m_events.push(event);
        return;
    }
    for (const sWindowEventCode& entry : s_windowEvents)
        if (entry.sdl == code)
            push(entry.ours);
}

void cSdlWindow::translateKey(const SDL_Event& _event)
{
    // With Alt held Windows sends a system character instead, which the game never reads.
    if (_event.key.keysym.mod & KMOD_ALT)
        return;
    // Repeats count: holding Backspace deletes one character after another.
    const UInt16 character = sdl::getControlCharacter(_event.key.keysym.sym);
    if (character == 0)
        return;
    sWindowEvent event;
    event.m_type = WE_CHAR;
    event.m_char = character;
    m_events.push(event);
}

void cSdlWindow::translateText(const char* _text)
{
    std::vector<UInt16> units;
    sdl::appendUtf16(_text, units);
    for (UInt16 unit : units) {
        sWindowEvent event;
        event.m_type = WE_CHAR;
        event.m_char = unit;
        m_events.push(event);
    }
}
