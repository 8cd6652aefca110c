#pragma once
#include "engine/Engine.h"
#include "engine/frame/Logic.h"
#include "graphics/NullGraphics.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/TestData.h"

#include <memory>
#include <string>

// The whole engine on the headless platform over a temporary data and home folder. Time moves
// only by frame(): each frame takes exactly the milliseconds given; input is pushed into the
// headless devices and window events go through the window procedure as the loop would.
class cEngineHarness {
public:
    static const char* const DEFAULT_SETTINGS;

    // The renderer the engine gets: one that draws nothing, or the real one over the
    // recording device (pictures, masks and every draw's state).
    enum class eRenderer { null, recording };
    using fGraphicsMaker = iGraphics* (*)(iWindow* _window);

    // _graphics stands in for the counting renderer, for tests whose renderer must misbehave.
    explicit cEngineHarness(const std::string& _settings = DEFAULT_SETTINGS, fGraphicsMaker _graphics = nullptr);
    // _files are in the data folder before the engine starts.
    cEngineHarness(const std::string& _settings, const tDataFiles& _files, eRenderer _renderer);
    ~cEngineHarness();
    cEngineHarness(const cEngineHarness&) = delete;
    cEngineHarness& operator=(const cEngineHarness&) = delete;

    void frame(UInt _milliseconds = 20);
    void frames(int _count, UInt _milliseconds = 20);
    // The cursor to (_x, _y) on the logical screen with a movement the controls hear, then a frame.
    void moveTo(Int _x, Int _y);
    // The left button down or up, then a frame.
    void press(bool _down = true);
    void send(const sWindowEvent& _event);
    void send(eWindowEvent _type);
    // A key down and up, delivered at the next frame.
    void key(std::uint32_t _code, bool _down);
    // Characters through the window procedure, as the desktop's character messages arrive;
    // the character handlers hear them at the frame this runs.
    void type(const std::u16string& _units);
    // Ends the engine (settings written); the folders stay for checks.
    void shut() { m_engine.reset(); }

    cTestData& data() { return m_data; }
    cHeadlessPlatform& platform() { return *m_platform; }
    cHeadlessWindow& window() { return m_platform->getHeadlessWindow(); }
    cEngine& engine() { return *m_engine; }
    cLogic& logic() { return *cLogic::getInstance(); }
    // Only with the null renderer.
    cNullGraphics& graphics() { return static_cast<cNullGraphics&>(*iGraphics::getInstance()); }

private:
    cTestData m_data;
    std::unique_ptr<cHeadlessPlatform> m_platform = std::make_unique<cHeadlessPlatform>();
    std::unique_ptr<cEngine> m_engine;
};
