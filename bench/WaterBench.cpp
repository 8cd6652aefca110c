// What the farm's water costs a frame: the game over the demo data on the headless platform,
// the motor pump's three sprinklers set down among the fields, each spraying, and the hose's
// jet arcing to a field. Against it the same farm standing dry, so the difference is the
// water's share, whatever the machine.
#include "BenchGame.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Water/HoseEffect.h"
#include "Game/Farm/Water/Sprinkle.h"
#include "Game/Farm/Water/SprinkleEffect.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Among the fields the farm owns from the start.
const Vector2 SPRINKLE_PLACES[cFarm::MAX_SPRINKLES] = {{360, 345}, {460, 345}, {410, 405}};

void writeWateredFarm()
{
    key::upgradeLevel(33) = 2;
    for (UInt k = 0; k < cFarm::MAX_SPRINKLES; ++k) {
        key::SPExist[k] = true;
        key::SPXPos[k] = SPRINKLE_PLACES[k].x;
        key::SPYPos[k] = SPRINKLE_PLACES[k].y;
    }
}

void writeDryFarm()
{
    key::upgradeLevel(33) = 2;
}

class cWateredFarm {
public:
    explicit cWateredFarm(Bool _water) : m_game(_water ? &writeWateredFarm : &writeDryFarm)
    {
        if (_water)
            cFarm::getInstance()->showHose(Vector2(30, 250), Vector2(384, 340), -35);
        // Long enough for every spray to fill the air.
        m_game.frames(120);
    }
    void frame() { m_game.frame(); }

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
    cBenchGame m_game;
};

void runFarm(benchmark::State& _state, Bool _water)
{
    std::unique_ptr<cWateredFarm> game = cBenchGame::make<cWateredFarm>(_state, _water);
    if (!game)
        return;
    size_t drops = 0;
    for (auto _ : _state) {
        game->frame();
        drops += cWateredFarm::drops();
    }
    _state.counters["drops"] = benchmark::Counter(double(drops), benchmark::Counter::kAvgIterations);
    // The difference is the water's only when one farm sprays and the other stands dry.
    if (_water ? drops == 0 : drops != 0)
        _state.SkipWithError(_water ? "No water was in the air." : "The dry farm sprayed water.");
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
