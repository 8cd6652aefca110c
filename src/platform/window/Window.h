#pragma once
#include "platform/images/Image.h"
#include "platform/window/WindowEvent.h"

// The one game window and the queue of what happens to it. The service exists before the
// window does, so a quit can be posted and taken even when creating the window failed.
class iWindow {
public:
    virtual ~iWindow() = default;

    // A window with a caption, close and minimise buttons, not resizable, whose client area
    // is exactly _width by _height. It starts hidden; a failure throws the system's text.
    virtual void create(const String& _title, Int _width, Int _height) = 0;
    virtual void show() = 0;
    // The picture the desktop shows for the window (caption, task bar); the window keeps a copy.
    virtual void setIcon(const sImage& _icon) = 0;
    virtual void destroy() = 0;
    virtual Bool isCreated() const = 0;

    virtual void showCursor(Bool _show) = 0;
    // Desktop coordinates; false when the system cannot say where the cursor is.
    virtual Bool getCursorPosition(Int& _x, Int& _y) = 0;
    virtual void setCursorPosition(Int _x, Int _y) = 0;

    // The client area on the desktop (the whole window in full screen). Full screen is the
    // raster device's mode (iRasterDevice::setMode), which sizes the window with it.
    virtual sPixelRect getWindowRect() = 0;
    virtual sPixelRect getDesktopRect() = 0;
    // Places the client area's top-left corner on the desktop.
    virtual void setClientPosition(Int _x, Int _y) = 0;

    // Takes the next waiting event without blocking; false when none waits. A posted quit
    // comes out only after every event that was already waiting.
    virtual Bool pollEvent(sWindowEvent& _event) = 0;
    virtual void postQuit(Int _exitCode) = 0;
};
