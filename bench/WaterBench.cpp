// What the farm's water costs a frame: the game over the demo data on the headless platform,
// the motor pump's three sprinklers set down among the fields, each spraying, and the hose's
// jet arcing to a field. Against it the same farm standing dry, so the difference is the
// water's share, whatever the machine.
#include "Game/Farm/Farm.h"
#include "Game/Farm/Water/HoseEffect.h"
#include "Game/Farm/Water/Sprinkle.h"
#include "Game/Farm/Water/SprinkleEffect.h"
#include "Game/Farm/Water/WaterSource.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "engine/Engine.h"
#include "engine/Logic.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

const UInt FRAME_MS = 16;
// Among the fields the farm owns from the start.
const Vector2 SPRINKLE_PLACES[cFarm::MAX_SPRINKLES] = {{360, 345}, {460, 345}, {410, 405}};

class cWateredFarm {
public:
    explicit cWateredFarm(Bool _water)
        : m_home((std::filesystem::temp_directory_path() / ("furrow-water-" + std::to_string(::getpid()))).string())
    {
        setenv("FURROW_HOME", m_home.c_str(), 1);
        m_engine = std::make_unique<cEngine>(FURROW_DATA_DIR, nullptr);
        cGame::onInitProfile();
        // A player past the tutorial with every award shown: nothing stops the game to explain.
        for (UInt i = 0; i < key::TIP_COUNT; ++i)
            key::tip[i] = true;
        for (UInt i = 0; i < AWARD_COUNT; ++i)
            key::Award[i] = key::awardShow[i] = true;
        key::upgradeLevel(33) = 2;
        for (UInt k = 0; _water && k < cFarm::MAX_SPRINKLES; ++k) {
            key::SPExist[k] = true;
            key::SPXPos[k] = SPRINKLE_PLACES[k].x;
            key::SPYPos[k] = SPRINKLE_PLACES[k].y;
        }
        cGame::startGame();
        if (_water)
            cFarm::getInstance()->showHose(Vector2(30, 250), Vector2(384, 340), -35);
        // Long enough for every spray to fill the air.
        for (int i = 0; i < 120; ++i)
            frame();
    }
    ~cWateredFarm()
    {
        cGame::endGame();
        m_engine.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_home, ignored);
    }

    void frame()
    {
        m_platform.getHeadlessSystem().advance(FRAME_MS);
        cLogic::getInstance()->process();
    }

    // Drops in the air, of the hose and of every sprinkler.
    static size_t drops()
    {
        const cFarm& farm = *cFarm::getInstance();
        size_t count = farm.getHoseEffect()->getParticles().size();
        for (cActionArea* area : farm.getActionAreas())
            if (area->getAreaType() == AAT_SPRINKLE)
                count += static_cast<cSprinkle*>(area)->getEffect()->getParticles().size();
        return count;
    }

private:
    std::string m_home;
    cHeadlessPlatform m_platform;
    std::unique_ptr<cEngine> m_engine;
};

void runFarm(benchmark::State& _state, Bool _water)
{
    std::unique_ptr<cWateredFarm> game;
    try {
        game = std::make_unique<cWateredFarm>(_water);
    } catch (const String& _error) {
        _state.SkipWithError(_error.c_str());
        return;
    } catch (const char* _error) {
        _state.SkipWithError(_error);
        return;
    }
    size_t drops = 0;
    for (auto _ : _state) {
        game->frame();
        drops += cWateredFarm::drops();
    }
    _state.counters["drops"] = benchmark::Counter(double(drops), benchmark::Counter::kAvgIterations);
}

void BM_FrameWithThreeSprinklersAndTheHose(benchmark::State& _state)
{
    runFarm(_state, true);
}
BENCHMARK(BM_FrameWithThreeSprinklersAndTheHose)->Unit(benchmark::kMicrosecond);

void BM_FrameOnADryFarm(benchmark::State& _state)
{
    runFarm(_state, false);
}
BENCHMARK(BM_FrameOnADryFarm)->Unit(benchmark::kMicrosecond);

} // namespace
