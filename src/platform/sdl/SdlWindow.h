#pragma once
#include "platform/window/Window.h"
#include "platform/window/WindowEventQueue.h"

#include <functional>
#include <utility>
#include <vector>

struct SDL_Window;
union SDL_Event;

// The game window over SDL video, made for an OpenGL context (the raster device makes its
// own from getSdlWindow). Other parts of this backend, the input devices above all, see every
// raw SDL event that the poll takes through a listener.
class cSdlWindow : public iWindow {
public:
    using fEventListener = std::function<void(const SDL_Event&)>;

    cSdlWindow() = default;
    ~cSdlWindow() override;
    cSdlWindow(const cSdlWindow&) = delete;
    cSdlWindow& operator=(const cSdlWindow&) = delete;

    void create(const String& _title, Int _width, Int _height) override;
    void show() override;
    void setIcon(const sImage& _icon) override;
    void destroy() override;
    Bool isCreated() const override { return m_window != nullptr; }

    void showCursor(Bool _show) override;
    Bool getCursorPosition(Int& _x, Int& _y) override;
    void setCursorPosition(Int _x, Int _y) override;

    sPixelRect getWindowRect() override;
    sPixelRect getDesktopRect() override;
    void setClientPosition(Int _x, Int _y) override;

    Bool pollEvent(sWindowEvent& _event) override;
    void postQuit(Int _exitCode) override;

    SDL_Window* getSdlWindow() const { return m_window; }
    // Listeners are called in the order they were added, before the event is translated.
    // Adding again under the same owner replaces that owner's listener.
    void addEventListener(const void* _owner, fEventListener _listener);
    void removeEventListener(const void* _owner);

private:
    void startVideo();
    void translate(const SDL_Event& _event);
    void translateWindowEvent(const SDL_Event& _event);
    void translateKey(const SDL_Event& _event);
    void translateText(const char* _text);
    void push(eWindowEvent _type);

    SDL_Window* m_window = nullptr;
    Bool m_videoStarted = false;
    // SDL reports one close twice (the window's close button, then the quit of its last
    // window); the game hears it once.
    Bool m_closeSent = false;
    cWindowEventQueue m_events;
    std::vector<std::pair<const void*, fEventListener>> m_listeners;
};
