// The save at a safe point of a late game, headless over the demo data: the level state and
// every variable of a farm with all 65 fields growing, twenty production buildings, three
// sprinklers and three contracts, each file written beside the old one and put in place
// together. The save runs between two frames, so it must not be felt: goal 5 ms at most for
// the frame's part; the disk's part runs beside the game.
#include "LateFarm.h"

#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "engine/Engine.h"
#include "engine/files/FileManager.h"
#include "engine/frame/Logic.h"
#include "engine/progress/Profile.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

class cLateFarm {
public:
    cLateFarm()
        : m_home((std::filesystem::temp_directory_path() / ("furrow-save-" + std::to_string(::getpid()))).string())
    {
        setenv("FURROW_HOME", m_home.c_str(), 1);
        m_engine = std::make_unique<cEngine>(FURROW_DATA_DIR, nullptr);
        g_profileInitHook = cGame::onInitProfile;
        new cProfile(u"Late");
        writeLatePlayer();
        cGame::startGame();
        for (int i = 0; i < 60; ++i) {
            m_platform.getHeadlessSystem().advance(16);
            cLogic::getInstance()->process();
        }
    }
    ~cLateFarm()
    {
        cGame::endGame();
        delete cProfile::getInstance();
        m_engine.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_home, ignored);
    }
    const std::string& home() const { return m_home; }

private:
    std::string m_home;
    cHeadlessPlatform m_platform;
    std::unique_ptr<cEngine> m_engine;
};

std::unique_ptr<cLateFarm> makeFarm(benchmark::State& _state)
{
    try {
        return std::make_unique<cLateFarm>();
    } catch (const String& _error) {
        _state.SkipWithError(_error.c_str());
    }
    return nullptr;
}

// What one save writes.
void countBytes(benchmark::State& _state, const cLateFarm& _farm)
{
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(_farm.home() + "/Furrow/profiles"))
        if (entry.path().extension() == ".xml" || entry.path().extension() == ".save")
            bytes += entry.file_size();
    _state.counters["bytes"] = double(bytes);
}

// The frame's part: the files written and handed to the disk, the save before long done
// (saves are two minutes apart). Goal: at most 5 ms.
void BM_SaveLateFarm(benchmark::State& _state)
{
    std::unique_ptr<cLateFarm> farm = makeFarm(_state);
    if (!farm)
        return;
    for (auto _ : _state) {
        _state.PauseTiming();
        cFileManager::getInstance()->waitForSaves();
        _state.ResumeTiming();
        if (!cGame::saveProgress())
            _state.SkipWithError("The save failed.");
    }
    if (!cFileManager::getInstance()->waitForSaves())
        _state.SkipWithError("The save did not reach the disk.");
    countBytes(_state, *farm);
}
BENCHMARK(BM_SaveLateFarm)->Unit(benchmark::kMillisecond);

// The whole save until both files are on the disk, which runs beside the game.
void BM_SaveLateFarmToTheDisk(benchmark::State& _state)
{
    std::unique_ptr<cLateFarm> farm = makeFarm(_state);
    if (!farm)
        return;
    for (auto _ : _state)
        if (!cGame::saveProgress() || !cFileManager::getInstance()->waitForSaves())
            _state.SkipWithError("The save failed.");
    countBytes(_state, *farm);
}
BENCHMARK(BM_SaveLateFarmToTheDisk)->Unit(benchmark::kMillisecond);

} // namespace
