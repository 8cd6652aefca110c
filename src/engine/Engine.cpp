#include "engine/Engine.h"

#include "engine/logs/ErrorStack.h"
#include "engine/files/FileManager.h"
#include "engine/frame/Logic.h"
#include "engine/frame/Replay.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/Settings.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/StringManager.h"
#include "engine/text/TextConvert.h"
#include "engine/frame/Timer.h"
#include "engine/frame/WindowIcon.h"
#include "engine/frame/WindowProc.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "platform/Platform.h"

namespace {

// The logical screen: the window's client area has this size whatever the settings say.
constexpr Int CLIENT_WIDTH = 800;
constexpr Int CLIENT_HEIGHT = 600;

iPlatform& platformOrThrow()
{
    iPlatform* platform = iPlatform::getInstance();
    if (!platform)
        throw "No platform.";
    return *platform;
}

// The timer reads the platform's clock, so a headless run uses the scripted one.
const cTimer::sClock s_platformClock = {
    [] { return platformOrThrow().getSystem().getTicks(); },
    [](UInt _milliseconds) { platformOrThrow().getSystem().sleep(_milliseconds); },
    [] {},
    [] {},
};

} // namespace

cEngine::cEngine(const char* _root, iWindow* _window)
{
    try {
        iPlatform& platform = platformOrThrow();
        m_fileManager = new cFileManager(_root, "pack");
        m_resourceManager = new cResourceManager();
        m_settings = new cSettings();
        m_window = _window ? _window : creteWindow();
        m_graphics = graphics::createGraphics(m_window);
        m_input = new cInput(platform.getKeyboard(), platform.getMouse());
        // The window was just shown and has the focus.
        m_input->acquireDevices();
        m_timer = new cTimer(s_platformClock);
        m_soundManager = new cSoundManager(platform.getSoundLibrary());
        m_logic = new cLogic();
        m_stringManager = new cStringManager();
    } catch (...) {
        // Nothing half-built is saved: the settings were never used by a running game.
        if (m_settings)
            m_settings->setSaveOnExit(false);
        deleteManagers();
        if (m_window && !_window)
            m_window->destroy();
        rethrowWithSignature("cEngine::cEngine(void *hInstance, void *hwnd)");
    }
}

cEngine::~cEngine()
{
    iWindow* window = m_window;
    deleteManagers();
    if (window)
        window->destroy();
}

void cEngine::setReplay(std::unique_ptr<cReplay> _replay)
{
    m_replay = std::move(_replay);
}

void cEngine::deleteManagers()
{
    delete m_logic;
    m_logic = nullptr;
    delete m_stringManager;
    m_stringManager = nullptr;
    delete m_soundManager;
    m_soundManager = nullptr;
    delete m_timer;
    m_timer = nullptr;
    delete m_input;
    m_input = nullptr;
    delete m_graphics;
    m_graphics = nullptr;
    delete m_settings;
    m_settings = nullptr;
    delete m_resourceManager;
    m_resourceManager = nullptr;
    delete m_fileManager;
    m_fileManager = nullptr;
}

iWindow* cEngine::creteWindow()
{
    GUARD_BEGIN
    WString title;
    m_settings->getPropertyT("game", "window_title", title);
    // Read so that the written settings carry them; the client area is fixed.
    UInt width = CLIENT_WIDTH;
    UInt height = CLIENT_HEIGHT;
    m_settings->getPropertyT("graphics", "width", width);
    m_settings->getPropertyT("graphics", "height", height);

    iWindow& window = platformOrThrow().getWindow();
    window.create(toString(title), CLIENT_WIDTH, CLIENT_HEIGHT);
    if (!window.isCreated()) {
        const String error = platform::getLastErrorText();
        throw error.empty() ? String("The window could not be created.") : error;
    }
    loadWindowIcon(window);
    window.show();
    return &window;
    GUARD_END("void cEngine::creteWindow()")
}

void cEngine::process()
{
    GUARD_BEGIN
    iWindow& window = platformOrThrow().getWindow();
    sWindowEvent event;
    for (;;) {
        if (window.pollEvent(event)) {
            if (event.m_type == WE_QUIT)
                return;
            windowProc(event);
            continue;
        }
        // The replay's input enters as a device's would; what it put in the window's queue
        // is taken before the frame that is due it.
        if (m_replay && m_replay->feed(m_frames + 1))
            continue;
        m_logic->process();
        if (m_replay)
            m_replay->shoot(m_frames + 1);
        if (++m_frames == m_frameLimit)
            window.postQuit(0);
    }
    GUARD_END("void cEngine::process()")
}
