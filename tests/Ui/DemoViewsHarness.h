#pragma once
#include "Ui/UI.h"
#include "engine/FileManager.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "engine/SoundManager.h"
#include "engine/StringManager.h"
#include "graphics/GraphicsImpl.h"
#include "platform/headless/HeadlessSoundLibrary.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/RecordingRasterDevice.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <memory>
#include <string>

// The built demo data as the game opens it, with everything views need to load from it: the
// player's folder is a temporary one (FURROW_HOME points there while the object lives), the
// sound is silent and the renderer draws on the recording device. A manager that cannot start
// throws its text.
struct sDemoViews {
    struct sHome {
        cTempFolder folder{true};
        sHome() { setenv("FURROW_HOME", folder.path().c_str(), 1); }
        ~sHome() { unsetenv("FURROW_HOME"); }
    };
    static std::string dataFolder()
    {
        const char* data = std::getenv("FURROW_DATA");
        return data ? data : "Data";
    }

    sHome home;
    cFileManager files{dataFolder(), "pack"};
    cResourceManager resources;
    cSettings settings;
    cStringManager strings;
    cHeadlessSoundLibrary library;
    cSoundManager sounds{library};
    cHeadlessWindow window;
    cHeadlessSystem system;
    cGraphics graphics{std::make_unique<cRecordingRasterDevice>(), window, system};
    cUI ui;
};
