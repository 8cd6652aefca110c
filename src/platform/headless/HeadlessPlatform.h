#pragma once
#include "platform/Platform.h"
#include "platform/headless/HeadlessSoundLibrary.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/InputKeyboard.h"
#include "platform/headless/InputMouse.h"
#include "platform/headless/RecordingRasterDevice.h"
#include "platform/headless/ReplayInput.h"

// No window, GPU or sound card: tests script time and events through the concrete services.
class cHeadlessPlatform : public iPlatform {
public:
    const char* getName() const override { return "headless"; }
    iSystem& getSystem() override { return m_system; }
    iWindow& getWindow() override { return m_window; }
    iSoundLibrary& getSoundLibrary() override { return m_sound; }
    iKeyboardDevice* getKeyboard() override { return &m_keyboard; }
    iMouseDevice* getMouse() override { return &m_mouse; }
    // A device that keeps the current frame only: headless runs last as long as they like.
    std::unique_ptr<iRasterDevice> createRasterDevice() override
    {
        return std::make_unique<cRecordingRasterDevice>();
    }
    iReplayInput* getReplayInput() override { return &m_replay; }
    // The recording device only remembers draws.
    Bool hasPicture() const override { return false; }

    cHeadlessSystem& getHeadlessSystem() { return m_system; }
    cHeadlessWindow& getHeadlessWindow() { return m_window; }
    cHeadlessSoundLibrary& getHeadlessSoundLibrary() { return m_sound; }
    headless::cInputKeyboard& getHeadlessKeyboard() { return m_keyboard; }
    headless::cInputMouse& getHeadlessMouse() { return m_mouse; }

private:
    cHeadlessSystem m_system;
    cHeadlessWindow m_window;
    cHeadlessSoundLibrary m_sound;
    headless::cInputKeyboard m_keyboard;
    headless::cInputMouse m_mouse;
    headless::cReplayInput m_replay{m_window, m_keyboard, m_mouse};
};
