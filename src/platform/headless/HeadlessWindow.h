#pragma once
#include "platform/window/Window.h"
#include "platform/window/WindowEventQueue.h"


// A window that exists only as numbers: the test pushes the events the desktop would send
// and places the cursor; everything the game asks of the window is remembered for checks.
class cHeadlessWindow : public iWindow {
public:
    void create(const String& _title, Int _width, Int _height) override;
    void show() override { m_shown = true; }
    void setIcon(const sImage& _icon) override { m_icon = _icon; }
    void destroy() override;
    Bool isCreated() const override { return m_created; }

    void showCursor(Bool _show) override { m_cursorShown = _show; }
    Bool getCursorPosition(Int& _x, Int& _y) override;
    void setCursorPosition(Int _x, Int _y) override;

    sPixelRect getWindowRect() override;
    sPixelRect getDesktopRect() override { return m_desktop; }
    void setClientPosition(Int _x, Int _y) override;

    Bool pollEvent(sWindowEvent& _event) override;
    void postQuit(Int _exitCode) override;

    // Scripting by the test.
    void pushEvent(const sWindowEvent& _event) { m_events.push(_event); }
    void pushCharacter(UInt16 _char);
    void pushMouseMove(Int _x, Int _y);
    // The next create throws this text instead of making a window.
    void failNextCreate(const String& _error) { m_createError = _error; }
    void setCursorAvailable(Bool _available) { m_cursorAvailable = _available; }
    void setDesktopRect(const sPixelRect& _desktop) { m_desktop = _desktop; }

    const String& getTitle() const { return m_title; }
    Bool isShown() const { return m_shown; }
    Bool isCursorShown() const { return m_cursorShown; }
    const sImage& getIcon() const { return m_icon; }

private:
    cWindowEventQueue m_events;
    Bool m_created = false;
    Bool m_shown = false;
    Bool m_cursorShown = true;
    Bool m_cursorAvailable = true;
    String m_title;
    sImage m_icon;
    String m_createError;
    Int m_cursorX = 0;
    Int m_cursorY = 0;
    sPixelRect m_client = {0, 0, 800, 600};
    sPixelRect m_desktop = {0, 0, 1280, 1024};
};
