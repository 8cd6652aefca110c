#pragma once
#include "platform/Platform.h"
#include "platform/sdl/InputDevices.h"
#include "platform/sdl/ReplayInput.h"
#include "platform/sdl/SdlSoundLibrary.h"
#include "platform/sdl/SdlSystem.h"
#include "platform/sdl/SdlWindow.h"

// A real window with GL and sound. Starting it starts SDL's event and timer parts; the video
// part starts with the window, so a machine without a display fails at window creation, with
// SDL's own words for why.
class cSdlPlatform : public iPlatform {
public:
    cSdlPlatform();
    ~cSdlPlatform() override;

    const char* getName() const override { return "sdl"; }
    iSystem& getSystem() override { return m_system; }
    iWindow& getWindow() override { return *m_window; }
    iSoundLibrary& getSoundLibrary() override { return m_sound; }
    iKeyboardDevice* getKeyboard() override { return &m_devices.getKeyboard(); }
    iMouseDevice* getMouse() override { return &m_devices.getMouse(); }
    // GL in the game window, which must exist; the device goes before the window does.
    std::unique_ptr<iRasterDevice> createRasterDevice() override;
    iReplayInput* getReplayInput() override { return m_replay.get(); }

    cSdlWindow& getSdlWindow() { return *m_window; }

private:
    cSdlSystem m_system;
    sdl::cInputDevices m_devices;
    std::unique_ptr<cSdlWindow> m_window;
    cSdlSoundLibrary m_sound;
    std::unique_ptr<sdl::cReplayInput> m_replay;
};
