// A late game's frame, headless over the demo data: every field owned and growing, the worker
// sent from field to field, three sprinklers set down, twenty production buildings loaded and
// making goods, all nineteen market lines selling, three contracts running. The figures:
// - a whole frame, fresh and after ten and sixty minutes of game time, in which the player
//   keeps the late state alive (a contract that ends is taken again, the fields are watered
//   and fertilised), with the heap allocations of its frames and the memory held at ten and
//   at sixty minutes: nothing may grow with the time played;
// - the same frame against the busy screen's frame of the same run;
// - the growing fields alone, on a farm of 16 fields and on the whole farm: their work must
//   grow with their number, not faster.
#include "BenchGame.h"
#include "BusyScreen.h"
#include "SameRun.h"
#include "Game/Contracts/ContractFail.h"
#include "Game/Contracts/ContractPassConfirm.h"
#include "Game/Contracts/ContractStatus.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Timeline/Gameplay.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <numeric>
#include <string>
#include <vector>

namespace {

// Every heap allocation of the process, counted by the replaced operator new below.
std::atomic<unsigned long> g_allocations{0};

} // namespace

// The replacements pair malloc with free themselves; GCC takes them for a mismatch.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t _size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* block = std::malloc(_size == 0 ? 1 : _size))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* _block) noexcept
{
    std::free(_block);
}

void operator delete(void* _block, std::size_t /*_size*/) noexcept
{
    std::free(_block);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

namespace {

// The time-line's contracts of the first hour, by event index.
const Int CONTRACTS[] = {3, 6, 16};
// What each still asks for, as the time-line's letters have it.
const Int ASKED[][2] = {{4, 0}, {10, 0}, {8, 6}};
// A frame's figure is the median of the frames measured.
const int MEASURED_FRAMES = 3000;

void writeLateGame()
{
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
}

class cLateGame {
public:
    explicit cLateGame(UInt _fields = 0) : m_game(&writeLateGame, _fields)
    {
        cBenchGame::putEverythingOnSale();
        m_game.frames(60);
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
        m_game.frame();
    }
    // The player keeps the late state alive: every game minute a contract that ended is taken
    // again and every field is watered and fertilised.
    void playMinutes(int _minutes)
    {
        for (int minute = 0; minute < _minutes; ++minute) {
            keepAlive();
            for (int i = 0; i < 60 * 1000 / int(cBenchGame::FRAME_MS); ++i)
                frame();
        }
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
    static void keepAlive()
    {
        cGameMenu* bar = cGameMenu::getInstance();
        cGameplay* gameplay = cGameplay::getInstance();
        for (UInt p = 0; bar && gameplay && p < key::PLACE_COUNT; ++p)
            if (!bar->getContractStatus(p)->isActive())
                if (sBaseEvent* event = gameplay->findEvent(CONTRACTS[p]))
                    bar->acceptContract(static_cast<sContractEvent*>(event));
        if (cFarm* farm = cFarm::getInstance())
            for (cFarmFieldTile* field : farm->getFields())
                if (field->isInitialised()) {
                    field->addWater(field->getWaterCapacity());
                    field->setFertility(field->getFertilCapacity());
                }
    }

    cBenchGame m_game;
    UInt m_frames = 0;
    size_t m_nextField = 0;
};

double median(std::vector<double> _values)
{
    if (_values.empty())
        return 0;
    std::nth_element(_values.begin(), _values.begin() + long(_values.size() / 2), _values.end());
    return _values[_values.size() / 2];
}

std::string afterMinutes(int _minutes)
{
    return "late frame after " + std::to_string(_minutes) + " min";
}

// The busy screen first, so the late frame is weighed against it in the same run.
void BM_BusyScreenFrame(benchmark::State& _state)
{
    busy::runBusyScreen(_state);
}
BENCHMARK(BM_BusyScreenFrame)->Unit(benchmark::kMicrosecond);

void BM_LateGameFrame(benchmark::State& _state)
{
    std::unique_ptr<cLateGame> game = cBenchGame::make<cLateGame>(_state);
    if (!game)
        return;
    const int minutes = int(_state.range(0));
    game->playMinutes(std::min(minutes, 10));
    if (minutes >= 10)
        _state.counters["MB_at_10min"] = cBenchGame::residentMB();
    game->playMinutes(minutes - std::min(minutes, 10));
    const double held = cBenchGame::residentMB();
    if (minutes >= 60) {
        _state.counters["MB_at_60min"] = held;
        _state.counters["MB_10_to_60min"] = held - _state.counters["MB_at_10min"];
    }
    const Float clock = key::GameTime();
    const LongLong money = key::Money();
    std::vector<double> allocations;
    allocations.reserve(MEASURED_FRAMES);
    cSameRun::cClock cpu;
    for (auto _ : _state) {
        const unsigned long before = g_allocations.load(std::memory_order_relaxed);
        cpu.start();
        game->frame();
        cpu.stop();
        allocations.push_back(double(g_allocations.load(std::memory_order_relaxed) - before));
    }
    const double perFrame = cpu.seconds() / double(_state.iterations());
    cSameRun::keep(afterMinutes(minutes), perFrame);
    // What the frames did: the clock ran, the market sold, the buildings worked.
    if (cGameMenu* bar = cGameMenu::getInstance(); !bar || bar->getEnableHold().isHeld())
        _state.SkipWithError("A dialog holds the game.");
    int running = 0;
    for (UInt p = 0; p < key::PLACE_COUNT; ++p)
        running += key::task[p] != -1;
    const auto& fields = cFarm::getInstance()->getFields();
    _state.counters["contracts"] = running;
    _state.counters["game_s"] = key::GameTime() - clock;
    _state.counters["earned"] = double(key::Money() - money);
    _state.counters["ripe_fields"] = double(std::count_if(fields.begin(), fields.end(), [](cFarmFieldTile* _field) {
        return _field->getStatus() == cFarmFieldTile::FS_READY;
    }));
    _state.counters["dry_fields"] = double(
        std::count_if(fields.begin(), fields.end(), [](cFarmFieldTile* _field) { return _field->isDry(); }));
    // A frame in which nothing changes on screen is the median one; sales and new contracts
    // come now and then.
    _state.counters["allocs/frame"] = benchmark::Counter(
        double(std::accumulate(allocations.begin(), allocations.end(), 0.0)), benchmark::Counter::kAvgIterations);
    _state.counters["allocs_steady_frame"] = median(allocations);
    _state.counters["x_busy_screen_frame"] = cSameRun::ratio(perFrame, busy::BUSY_SCREEN_FRAME);
    if (minutes > 10)
        _state.counters["x_10min_frame"] = cSameRun::ratio(perFrame, afterMinutes(10));
    _state.counters["peak_MB"] = cBenchGame::peakMB();
}
// Fresh, after ten minutes and after an hour of game time: the frame must cost the same.
BENCHMARK(BM_LateGameFrame)->Arg(0)->Arg(10)->Arg(60)->Unit(benchmark::kMicrosecond)->Iterations(MEASURED_FRAMES);

// The growing fields' own share: every field's process, on a farm of 16 fields and on the
// whole farm (0).
void BM_GrowingFields(benchmark::State& _state)
{
    std::unique_ptr<cLateGame> game = cBenchGame::make<cLateGame>(_state, UInt(_state.range(0)));
    cFarm* farm = cFarm::getInstance();
    if (!game || !farm)
        return;
    const auto& fields = farm->getFields();
    cSameRun::cClock cpu;
    for (auto _ : _state) {
        cpu.start();
        for (cFarmFieldTile* field : fields)
            field->absoluteProcess();
        cpu.stop();
    }
    const double perPass = cpu.seconds() / double(_state.iterations());
    const std::string name = std::to_string(fields.size()) + " fields";
    cSameRun::keep(name, perPass);
    _state.counters["fields"] = double(fields.size());
    if (fields.size() > 16)
        _state.counters["x_16_fields"] = cSameRun::ratio(perPass, "16 fields");
}
BENCHMARK(BM_GrowingFields)->Arg(16)->Arg(0)->Unit(benchmark::kMicrosecond);

} // namespace
