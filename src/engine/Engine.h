#pragma once
#include "engine/Singleton.h"
#include "engine/Types.h"

#include <memory>

class cFileManager;
class cInput;
class cLogic;
class cReplay;
class cResourceManager;
class cSettings;
class cSoundManager;
class cStringManager;
class cTimer;
class iGraphics;
class iWindow;

// Builds every manager in a fixed order and takes them down in the reverse one. The platform
// (iPlatform) must exist for the engine's whole life: it supplies the window, the devices and
// the clock.
class cEngine : public cSingleton<cEngine> {
public:
    // _root is the data folder. _window is a window to draw into, or null to make our own
    // from the settings. A failure part-way deletes what was built and writes nothing.
    cEngine(const char* _root, iWindow* _window);
    ~cEngine() override;

    // The message loop: handles every waiting window event, runs a frame when none waits,
    // and returns when the quit is taken.
    void process();
    // After this many frames the loop posts its own quit; 0 runs until the window closes.
    void setFrameLimit(UInt _frames) { m_frameLimit = _frames; }
    UInt getFrameCount() const { return m_frames; }
    // Input fed in before each frame and shots taken after it; null plays nothing.
    void setReplay(std::unique_ptr<cReplay> _replay);

private:
    iWindow* creteWindow();
    // Deletes each manager that exists, in destruction order.
    void deleteManagers();

    iGraphics* m_graphics = nullptr;
    cInput* m_input = nullptr;
    cFileManager* m_fileManager = nullptr;
    cSettings* m_settings = nullptr;
    cResourceManager* m_resourceManager = nullptr;
    cTimer* m_timer = nullptr;
    cLogic* m_logic = nullptr;
    cSoundManager* m_soundManager = nullptr;
    cStringManager* m_stringManager = nullptr;

    iWindow* m_window = nullptr;
    UInt m_frameLimit = 0;
    UInt m_frames = 0;
    std::unique_ptr<cReplay> m_replay;
};
