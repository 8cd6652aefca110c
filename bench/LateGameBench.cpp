// A late game's frame, headless over the demo data: every one of the 65 fields owned and
// growing, the worker sent from field to field, three sprinklers set down, twenty production
// buildings loaded and making goods, all nineteen market lines selling, three contracts
// running. The figures: a whole frame on the farm; the same frame after an hour of game time
// (a frame must not cost more the longer the game has run), with the memory held at ten and
// at sixty minutes; 65 growing fields alone; and the process's peak memory.
#include "Game/Farm/Farm.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Market/Market.h"
#include "Game/Contracts/ContractFail.h"
#include "Game/Contracts/ContractPassConfirm.h"
#include "engine/Engine.h"
#include "engine/Logic.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace {

const UInt FRAME_MS = 16;
// The time-line's contracts of the first hour, by event index.
const Int CONTRACTS[] = {3, 6, 16};
// What each still asks for, as the time-line's letters have it.
const Int ASKED[][2] = {{4, 0}, {10, 0}, {8, 6}};

class cLateGame {
public:
    cLateGame()
        : m_home((std::filesystem::temp_directory_path() / ("furrow-late-" + std::to_string(::getpid()))).string())
    {
        setenv("FURROW_HOME", m_home.c_str(), 1);
        m_engine = std::make_unique<cEngine>(FURROW_DATA_DIR, nullptr);
        cGame::onInitProfile();
        // Past the tutorial with every award shown: nothing stops the game to explain.
        for (UInt i = 0; i < key::TIP_COUNT; ++i)
            key::tip[i] = true;
        for (UInt i = 0; i < AWARD_COUNT; ++i)
            key::Award[i] = key::awardShow[i] = true;
        key::Money() = 100000;
        key::GameTime() = 240;
        key::fcu() = 3;
        for (UInt f = 0; f < key::FIELD_COUNT; ++f) {
            key::FFS[f] = 0;
            key::FFC[f] = f % 8;
            key::FFW[f] = 100.0f;
            key::FFP[f] = Float(f % 20);
        }
        for (UInt u = 0; u < 4; ++u)
            key::FarmUpgrade[31 + u] = 3;
        for (UInt s = 0; s < 3; ++s) {
            key::SPExist[s] = true;
            key::SPStatus[s] = 0;
            key::SPXPos[s] = 360.0f + 140.0f * Float(s);
            key::SPYPos[s] = 440.0f;
        }
        // Twenty buildings of the eleven kinds, each loaded with what it takes.
        for (UInt b = 0; b < 20; ++b) {
            key::ProdType[b] = b % 11;
            key::SlotUpgrade[b] = 0;
            key::ProdCount[b] = 50;
            key::XProdPos[b] = 80.0f + 130.0f * Float(b % 5);
            key::YProdPos[b] = 140.0f + 90.0f * Float(b / 5);
        }
        for (UInt k = 0; k < OVERALL_PROD_COUNT; ++k)
            key::WGoodCount[k] = 2;
        // Each contract with a quarter of an hour left.
        for (UInt p = 0; p < 3; ++p) {
            key::task[p] = CONTRACTS[p];
            key::taskTime[p] = 900.0f;
            for (UInt r = 0; r < 2; ++r)
                key::requirement(p, r) = ASKED[p][r];
        }
        cGame::startGame();
        cMarket& market = *cMarket::getInstance();
        for (UInt k = 0; k < OVERALL_PROD_COUNT; ++k) {
            market.setPlayerPriceOfKind(k, 4 + (k % 3) * 6);
            market.setQtyOfKind(k, 1000000);
        }
        for (int i = 0; i < 60; ++i)
            frame();
    }
    ~cLateGame()
    {
        cGame::endGame();
        m_engine.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_home, ignored);
    }

    // Every two seconds the worker is sent to the next field, so it never stands. A contract
    // whose goods are all in the barn asks whether to hand them over: the player keeps them.
    void frame()
    {
        cGameMenu* bar = cGameMenu::getInstance();
        cContractPassConfirm* question = cContractPassConfirm::getInstance();
        if (bar && question && bar->getEnableHold().isHeldBy(static_cast<cContractAimBase*>(question)))
            cContractPassConfirm::onCancel(nullptr);
        // A contract that ran out says so; the player reads it and plays on.
        cContractFail* failure = cContractFail::getInstance();
        if (bar && failure && bar->getEnableHold().isHeldBy(static_cast<cContractAimBase*>(failure)))
            cContractFail::onOk(nullptr);
        if (m_frames++ % 125 == 0)
            sendWorker();
        m_platform.getHeadlessSystem().advance(FRAME_MS);
        cLogic::getInstance()->process();
    }
    void playMinutes(int _minutes)
    {
        for (int i = 0; i < _minutes * 60 * 1000 / int(FRAME_MS); ++i)
            frame();
    }
    // The memory the process holds now, in MB.
    static Float residentMB()
    {
        long pages = 0, resident = 0;
        if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
                resident = 0;
            std::fclose(statm);
        }
        return Float(resident) * Float(sysconf(_SC_PAGESIZE)) / (1024.0f * 1024.0f);
    }

private:
    void sendWorker()
    {
        cFarm* farm = cFarm::getInstance();
        cPerson* worker = cPerson::getInstance();
        if (!farm || !worker || farm->getFields().empty())
            return;
        cFarmFieldTile* field = farm->getFields()[m_nextField++ % farm->getFields().size()];
        worker->addActionArea(field, field->getPosition());
    }

    std::string m_home;
    cHeadlessPlatform m_platform;
    std::unique_ptr<cEngine> m_engine;
    UInt m_frames = 0;
    size_t m_nextField = 0;
};

std::unique_ptr<cLateGame> makeGame(benchmark::State& _state)
{
    try {
        return std::make_unique<cLateGame>();
    } catch (const String& _error) {
        _state.SkipWithError(_error.c_str());
    }
    return nullptr;
}

void BM_LateGameFrame(benchmark::State& _state)
{
    std::unique_ptr<cLateGame> game = makeGame(_state);
    if (!game)
        return;
    // An hour's run notes the memory held at ten minutes and at the end: nothing may grow.
    const int minutes = int(_state.range(0));
    game->playMinutes(std::min(minutes, 10));
    if (minutes >= 10)
        _state.counters["MB_at_10min"] = cLateGame::residentMB();
    game->playMinutes(minutes - std::min(minutes, 10));
    if (minutes >= 60)
        _state.counters["MB_at_60min"] = cLateGame::residentMB();
    const Float clock = key::GameTime();
    const LongLong money = key::Money();
    for (auto _ : _state)
        game->frame();
    // What the frames did: the clock ran, the market sold, the buildings worked.
    if (cGameMenu* bar = cGameMenu::getInstance(); !bar || bar->getEnableHold().isHeld())
        _state.SkipWithError("A dialog holds the game.");
    int running = 0;
    for (UInt p = 0; p < key::PLACE_COUNT; ++p)
        running += key::task[p] != -1;
    _state.counters["contracts"] = running;
    _state.counters["game_s"] = key::GameTime() - clock;
    _state.counters["earned"] = Float(key::Money() - money);
    _state.counters["ripe_fields"] = Float(std::count_if(
        cFarm::getInstance()->getFields().begin(), cFarm::getInstance()->getFields().end(),
        [](cFarmFieldTile* _field) { return _field && key::FFS[_field->getIndex()] != 0; }));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    _state.counters["peak_MB"] = Float(usage.ru_maxrss) / 1024.0f;
}
// Fresh, and after an hour of game time: the frame must cost the same.
BENCHMARK(BM_LateGameFrame)->Arg(0)->Arg(60)->Unit(benchmark::kMicrosecond)->Iterations(3000);

// The growing fields' own share: the farm's process alone.
void BM_GrowingFields(benchmark::State& _state)
{
    std::unique_ptr<cLateGame> game = makeGame(_state);
    if (!game)
        return;
    cFarm* farm = cFarm::getInstance();
    if (!farm) {
        _state.SkipWithError("No farm.");
        return;
    }
    for (auto _ : _state)
        for (cFarmFieldTile* field : farm->getFields())
            field->absoluteProcess();
}
BENCHMARK(BM_GrowingFields)->Unit(benchmark::kMicrosecond);

} // namespace
