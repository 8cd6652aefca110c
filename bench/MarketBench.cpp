// The market's share of a frame while all nineteen kinds are on sale: the game over the demo
// data on the headless platform, every kind stocked, priced around its demand and selling,
// the market on screen. Two figures: the market's own per-frame work (selling, the forecast
// refresh), and the whole frame it sits in (clock, time-line, views, draw pass).
#include "engine/Engine.h"
#include "engine/Logic.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Market/Market.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

const UInt FRAME_MS = 16;

class cBusyMarket {
public:
    cBusyMarket()
        : m_home((std::filesystem::temp_directory_path() / ("furrow-market-" + std::to_string(::getpid()))).string())
    {
        setenv("FURROW_HOME", m_home.c_str(), 1);
        m_engine = std::make_unique<cEngine>(FURROW_DATA_DIR, nullptr);
        cGame::onInitProfile();
        // A player past the tutorial with every award shown: nothing stops the game to explain.
        for (UInt i = 0; i < key::TIP_COUNT; ++i)
            key::tip[i] = true;
        for (UInt i = 0; i < AWARD_COUNT; ++i)
            key::Award[i] = key::awardShow[i] = true;
        // Room for everything, and a little of every kind, so every line shows.
        key::upgradeLevel(32) = 3;
        for (UInt k = 0; k < OVERALL_PROD_COUNT; ++k)
            key::WGoodCount[k] = 3;
        cGame::startGame();
        cMarket& market = *cMarket::getInstance();
        for (UInt k = 0; k < OVERALL_PROD_COUNT; ++k) {
            // Cheap, fair and dear in turn: some attempts sell, some fail, some never come.
            market.setPlayerPriceOfKind(k, 4 + (k % 3) * 6);
            market.setQtyOfKind(k, 1000000);
        }
        cGameMenu::getInstance()->gotoMarket();
        for (int i = 0; i < 60; ++i)
            frame();
    }
    ~cBusyMarket()
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

private:
    std::string m_home;
    cHeadlessPlatform m_platform;
    std::unique_ptr<cEngine> m_engine;
};

template <class fStep>
void runMarket(benchmark::State& _state, fStep _step)
{
    std::unique_ptr<cBusyMarket> game;
    try {
        game = std::make_unique<cBusyMarket>();
    } catch (const String& _error) {
        _state.SkipWithError(_error.c_str());
        return;
    } catch (const char* _error) {
        _state.SkipWithError(_error);
        return;
    }
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
