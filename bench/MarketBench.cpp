// The market's share of a frame while all nineteen kinds are on sale: the game over the demo
// data on the headless platform, every kind stocked, priced around its demand and selling,
// the market on screen. Two figures: the market's own per-frame work (selling, the forecast
// refresh), and the whole frame it sits in (clock, time-line, views, draw pass).
#include "BenchGame.h"
#include "Game/GameMenu/GameMenu.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Room for everything, and a little of every kind, so every line shows.
void writeBusyMarket()
{
    key::upgradeLevel(32) = 3;
    for (UInt k = 0; k < OVERALL_PROD_COUNT; ++k)
        key::WGoodCount[k] = 3;
}

class cBusyMarket {
public:
    cBusyMarket() : m_game(&writeBusyMarket)
    {
        cBenchGame::putEverythingOnSale();
        cGameMenu::getInstance()->gotoMarket();
        m_game.frames(60);
        // Selling: the first sale within a minute of game time.
        const LongLong money = key::Money();
        for (int i = 0; i < 60 * 1000 / int(cBenchGame::FRAME_MS) && key::Money() == money; ++i)
            m_game.frame();
        if (key::Money() == money)
            throw "The market sold nothing in a minute.";
    }
    void frame() { m_game.frame(); }

private:
    cBenchGame m_game;
};

template <class fStep>
void runMarket(benchmark::State& _state, fStep _step)
{
    std::unique_ptr<cBusyMarket> game = cBenchGame::make<cBusyMarket>(_state);
    if (!game)
        return;
    UInt sold = 0;
    for (auto _ : _state) {
        const UInt before = key::Money();
        _step(*game);
        sold += UInt(key::Money()) - before;
    }
    _state.counters["lines"] = double(OVERALL_PROD_COUNT);
    _state.counters["earned/frame"] = benchmark::Counter(double(sold), benchmark::Counter::kAvgIterations);
}

void BM_MarketSelling(benchmark::State& _state)
{
    runMarket(_state, [](cBusyMarket&) { cMarket::getInstance()->absoluteProcess(); });
}
BENCHMARK(BM_MarketSelling)->Unit(benchmark::kMicrosecond);

void BM_FrameWithMarketSelling(benchmark::State& _state)
{
    runMarket(_state, [](cBusyMarket& _game) { _game.frame(); });
}
BENCHMARK(BM_FrameWithMarketSelling)->Unit(benchmark::kMicrosecond);

} // namespace
