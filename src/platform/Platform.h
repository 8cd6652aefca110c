#pragma once
#include "engine/Singleton.h"
#include "platform/devices/InputDevice.h"
#include "platform/devices/RasterDevice.h"
#include "platform/devices/ReplayInput.h"
#include "platform/devices/SoundLibrary.h"
#include "platform/system/System.h"
#include "platform/window/Window.h"

#include <memory>

// One backend's services. Engine code reaches them through iPlatform::getInstance() and
// never learns which backend it runs on.
class iPlatform : public cSingleton<iPlatform> {
public:
    virtual const char* getName() const = 0;
    virtual iSystem& getSystem() = 0;
    virtual iWindow& getWindow() = 0;
    // The input devices of the window; they live as long as the platform.
    virtual iSoundLibrary& getSoundLibrary() = 0;
    virtual iKeyboardDevice* getKeyboard() { return nullptr; }
    virtual iMouseDevice* getMouse() { return nullptr; }
    // The raster device drawing into the window, once the window exists.
    virtual std::unique_ptr<iRasterDevice> createRasterDevice() = 0;
    // Where a replay's input enters; null where none can.
    virtual iReplayInput* getReplayInput() { return nullptr; }
    // False where the raster device keeps no picture worth looking at, so a replay's shots
    // are skipped.
    virtual Bool hasPicture() const { return true; }
};

namespace platform {

// The backend named by FURROW_PLATFORM: "sdl" (also when unset or empty) or "headless".
std::unique_ptr<iPlatform> createPlatform();
// Any other name throws "Unknown platform: " followed by the name.
std::unique_ptr<iPlatform> createPlatform(const String& _name);

// The fatal message box of whichever backend runs, or nothing before one exists.
void showFatalMessage(const String& _title, const String& _text);

} // namespace platform
