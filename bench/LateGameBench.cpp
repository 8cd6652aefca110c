// A late game's frame, headless over the demo data: every field owned and growing, the worker
// sent from field to field, three sprinklers set down, twenty production buildings loaded and
// making goods, all nineteen market lines selling, three contracts running. The figures:
// - a whole frame, fresh and after ten and sixty minutes of game time, in which the player
//   keeps the late state alive (a ripe field is harvested at once and grows again, a contract
//   that ends is taken again, the fields are watered and fertilised), with the heap
//   allocations of its frames and the memory held at ten and at sixty minutes: nothing may
//   grow with the time played; the hour's frame is weighed against the ten minutes' frame of
//   the same screen (the views drawn of both are shown);
// - the same frame against the busy screen's frame of the same run;
// - the growing fields alone, on a farm of 16 fields and on the whole farm, kept watered and
//   harvested as they ripen: their work must grow with their number, not faster.
// Each one shows how many fields grew, and fails when they did not.
#include "BenchGame.h"
#include "LateFarm.h"
#include "BusyScreen.h"
#include "SameRun.h"
#include "Game/Contracts/ContractFail.h"
#include "Game/Contracts/ContractPassConfirm.h"
#include "Game/Contracts/ContractStatus.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Timeline/GameEvent.h"
#include "Game/Timeline/Gameplay.h"
#include "Ui/views/UI.h"
#include "engine/files/FileManager.h"
#include "engine/progress/Profile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <atomic>
#include <cstdlib>
#include <filesystem>
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

// A frame's figure is the median of the frames measured.
const int MEASURED_FRAMES = 3000;

// The time-line's first contracts, one for each place of the menu bar.
std::vector<sContractEvent*> firstContracts()
{
    std::vector<sContractEvent*> contracts;
    const cGameplay* gameplay = cGameplay::getInstance();
    for (UInt e = 0; gameplay && e < gameplay->getEventCount() && contracts.size() < key::PLACE_COUNT; ++e)
        if (sBaseEvent* event = gameplay->getEvent(e); event->type == sBaseEvent::CONTRACT)
            contracts.push_back(static_cast<sContractEvent*>(event));
    return contracts;
}

class cLateGame {
public:
    explicit cLateGame(UInt _fields = 0, void (*_setUp)() = &writeLateFarm)
        : m_game(_setUp, _fields), m_contracts(firstContracts())
    {
        cBenchGame::putEverythingOnSale();
        takeContracts();
        m_game.frames(60);
    }

    // The player's moves before a frame. Every ripe field is harvested at once, so the fields
    // keep growing. Every two seconds the worker is sent to the next field, so it never
    // stands, and a place whose contract ended takes it again. A contract whose goods are all
    // in the barn asks whether to hand them over: the player keeps them.
    void play()
    {
        harvestRipeFields();
        cGameMenu* bar = cGameMenu::getInstance();
        cContractPassConfirm* question = cContractPassConfirm::getInstance();
        if (bar && question && bar->getEnableHold().isHeldBy(static_cast<cContractAimBase*>(question)))
            cContractPassConfirm::onCancel(nullptr);
        // A contract that ran out says so; the player reads it and plays on.
        cContractFail* failure = cContractFail::getInstance();
        if (bar && failure && bar->getEnableHold().isHeldBy(static_cast<cContractAimBase*>(failure)))
            cContractFail::onOk(nullptr);
        if (m_frames++ % 125 == 0) {
            sendWorker();
            takeContracts();
        }
    }
    // The game's own frame, without the player's moves.
    void frame() { m_game.frame(); }
    // The player keeps the late state alive: every game minute every field is watered and
    // fertilised.
    void playMinutes(int _minutes)
    {
        for (int minute = 0; minute < _minutes; ++minute) {
            waterAndFertilise();
            for (int i = 0; i < 60 * 1000 / int(cBenchGame::FRAME_MS); ++i) {
                play();
                frame();
            }
        }
    }

    static const std::vector<cFarmFieldTile*>& fields() { return cFarm::getInstance()->getFields(); }
    // What the scythe leaves: the field regrows from its stubble.
    static void harvestRipeFields()
    {
        for (cFarmFieldTile* field : fields())
            if (field->isInitialised() && field->getStatus() == cFarmFieldTile::FS_READY) {
                field->setHarvestState(cFarmFieldTile::HS_HARVESTED);
                field->setStatus(cFarmFieldTile::FS_GROWING);
            }
    }
    static void waterAndFertilise()
    {
        for (cFarmFieldTile* field : fields())
            if (field->isInitialised()) {
                field->addWater(field->getWaterCapacity());
                field->setFertility(field->getFertilCapacity());
            }
    }
    // The fields whose crop grows now: growing, with water, and a crop with fertility too
    // (without, it wilts).
    static UInt growingFields()
    {
        UInt growing = 0;
        for (const cFarmFieldTile* field : fields())
            growing += field->isInitialised() && field->getStatus() == cFarmFieldTile::FS_GROWING &&
                field->hasWater() && (field->getCultivationType() == cGame::GRASS || field->hasFertility());
        return growing;
    }

private:
    void sendWorker()
    {
        cPerson* worker = cPerson::getInstance();
        if (!worker || fields().empty())
            return;
        cFarmFieldTile* field = fields()[m_nextField++ % fields().size()];
        worker->addActionArea(field, field->getPosition());
    }
    // A place whose contract ended takes its contract again.
    void takeContracts()
    {
        cGameMenu* bar = cGameMenu::getInstance();
        for (UInt p = 0; bar && p < m_contracts.size(); ++p)
            if (!bar->getContractStatus(p)->isActive())
                bar->acceptContract(m_contracts[p]);
    }

    cBenchGame m_game;
    std::vector<sContractEvent*> m_contracts;
    UInt m_frames = 0;
    size_t m_nextField = 0;
};

// The busy screen first, so the late frame is weighed against it in the same run.
void BM_BusyScreenFrame(benchmark::State& _state)
{
    busy::runBusyScreen(_state);
}
BENCHMARK(BM_BusyScreenFrame)->Unit(benchmark::kMicrosecond);

// What the measured frames took (CPU seconds, heap allocations) and what they showed (views
// drawn, fields growing).
struct sFrames {
    std::vector<double> seconds;
    std::vector<double> allocations;
    double views = 0;
    double growing = 0;

    sFrames()
    {
        seconds.reserve(MEASURED_FRAMES);
        allocations.reserve(MEASURED_FRAMES);
    }
    void measure(cLateGame& _game, cSameRun::cClock& _cpu)
    {
        _game.play();
        const unsigned long before = g_allocations.load(std::memory_order_relaxed);
        _cpu.start();
        _game.frame();
        seconds.push_back(_cpu.stop());
        allocations.push_back(double(g_allocations.load(std::memory_order_relaxed) - before));
        views += double(cUI::get().getDrawn().size());
        growing += double(cLateGame::growingFields());
    }
    double typical() const { return cSameRun::typical(seconds); }
    double meanViews() const { return views / double(seconds.size()); }
    double meanGrowing() const { return growing / double(seconds.size()); }
    // The frame's cost and what it drew, the counters' names ending in _suffix.
    void report(benchmark::State& _state, const std::string& _suffix) const
    {
        _state.counters["us_typical_frame" + _suffix] = typical() * 1e6;
        _state.counters["views_drawn" + _suffix] = meanViews();
        _state.counters["growing_fields" + _suffix] = meanGrowing();
    }
    // Most fields grow in every frame of a late game; a field is ripe only for the frame
    // before its harvest.
    Bool fieldsGrew() const { return meanGrowing() >= 0.9 * double(cLateGame::fields().size()); }
};

// The same screen draws the same views, give or take the drops in the air and the passing
// texts of sales.
Bool sameScreen(const sFrames& _one, const sFrames& _other)
{
    return std::abs(_one.meanViews() - _other.meanViews()) <= 0.03 * _other.meanViews();
}

void BM_LateGameFrame(benchmark::State& _state)
{
    if (cSameRun::seconds(busy::BUSY_SCREEN_FRAME) <= 0) {
        _state.SkipWithError("The busy screen's frame was not measured first in this run.");
        return;
    }
    std::unique_ptr<cLateGame> game = cBenchGame::make<cLateGame>(_state);
    if (!game)
        return;
    // An hour's run measures the same frames at ten minutes, before the clock runs, and weighs
    // the hour's frame against them.
    const int minutes = int(_state.range(0));
    cSameRun::cClock cpu;
    sFrames atTen;
    if (minutes >= 10) {
        game->playMinutes(10);
        _state.counters["MB_at_10min"] = cBenchGame::residentMB();
        for (int i = 0; i < MEASURED_FRAMES; ++i)
            atTen.measure(*game, cpu);
        game->playMinutes(minutes - 10);
        const double held = cBenchGame::residentMB();
        _state.counters["MB_at_60min"] = held;
        _state.counters["MB_10_to_60min"] = held - _state.counters["MB_at_10min"];
    }
    const Float clock = key::GameTime();
    const LongLong money = key::Money();
    sFrames frames;
    for (auto _ : _state)
        frames.measure(*game, cpu);
    // What the frames did: the clock ran, the market sold, the buildings worked, the fields grew.
    int running = 0;
    for (UInt p = 0; p < key::PLACE_COUNT; ++p)
        running += key::task[p] != -1;
    const auto& fields = cLateGame::fields();
    _state.counters["contracts"] = running;
    _state.counters["game_s"] = key::GameTime() - clock;
    _state.counters["earned"] = double(key::Money() - money);
    _state.counters["fields"] = double(fields.size());
    _state.counters["dry_fields"] = double(
        std::count_if(fields.begin(), fields.end(), [](cFarmFieldTile* _field) { return _field->isDry(); }));
    frames.report(_state, "");
    // A frame in which nothing changes on screen is the median one; sales and new contracts
    // come now and then.
    const std::vector<double>& allocations = frames.allocations;
    _state.counters["allocs/frame"] = benchmark::Counter(
        std::accumulate(allocations.begin(), allocations.end(), 0.0), benchmark::Counter::kAvgIterations);
    _state.counters["allocs_steady_frame"] = cSameRun::median(allocations);
    // The late frame against the busy screen's frame.
    _state.counters["us_busy_screen_frame"] = cSameRun::seconds(busy::BUSY_SCREEN_FRAME) * 1e6;
    _state.counters["x_busy_screen_frame"] = cSameRun::ratio(frames.typical(), busy::BUSY_SCREEN_FRAME);
    _state.counters["peak_MB"] = cBenchGame::peakMB();
    if (cGameMenu* bar = cGameMenu::getInstance(); !bar || bar->getEnableHold().isHeld()) {
        _state.SkipWithError("A dialog holds the game.");
        return;
    }
    if (!frames.fieldsGrew() || (!atTen.seconds.empty() && !atTen.fieldsGrew())) {
        _state.SkipWithError("The late game's fields did not grow.");
        return;
    }
    if (atTen.seconds.empty())
        return;
    // The hour's frame against the ten minutes' frame, on the same screen.
    atTen.report(_state, "_at_10min");
    if (!sameScreen(frames, atTen)) {
        _state.SkipWithError("The hour's frame drew another screen than the ten minutes' frame.");
        return;
    }
    _state.counters["x_10min_frame"] = frames.typical() / atTen.typical();
}
// Fresh, and after an hour of game time: the frame must cost the same.
BENCHMARK(BM_LateGameFrame)->Arg(0)->Arg(60)->Unit(benchmark::kMicrosecond)->Iterations(MEASURED_FRAMES);

// A player whose saves are written: the late farm of an hour in, ten seconds before the
// time-line's last event, after which the clock goes back and the events repeat.
std::unique_ptr<cProfile> g_player;
void writeLateFarmOfAPlayer()
{
    g_player = std::make_unique<cProfile>(u"Bench");
    writeLatePlayer();
    key::GameTime() = 1790;
}

// The level-state file and the memory held while the game clock loops, every market line
// selling at one coin: each loop saves, and neither may grow with the loops (within 2 MB). A build that
// keeps every sale grows from the first repetition on: read that one.
void BM_LateGameLoops(benchmark::State& _state)
{
    std::unique_ptr<cLateGame> game = cBenchGame::make<cLateGame>(_state, 0, &writeLateFarmOfAPlayer);
    if (!game)
        return;
    // Every good at one coin: about as many sales as a stall makes.
    for (UInt k = 0; k < OVERALL_PROD_COUNT; ++k)
        cMarket::getInstance()->setPlayerPriceOfKind(k, 1);
    const String file = cFileManager::get().getCommonPath(g_player->getLevelStateFile());
    const auto saved = [&file] {
        cGame::saveProgress();
        cFileManager::get().waitForSaves();
        return double(std::filesystem::file_size(file)) / 1024.0;
    };
    const LongLong money = key::Money();
    int loops = 0;
    for (auto _ : _state) {
        for (const int last = loops + int(_state.range(0)); loops < last;) {
            const Float clock = key::GameTime();
            game->playMinutes(1);
            if (key::GameTime() >= clock)
                continue;
            if (++loops == 1) {
                _state.counters["KB_save_first_loop"] = saved();
                _state.counters["MB_first_loop"] = cBenchGame::residentMB();
            }
        }
    }
    _state.counters["loops"] = loops;
    _state.counters["KB_save_last_loop"] = saved();
    _state.counters["MB_last_loop"] = cBenchGame::residentMB();
    _state.counters["MB_growth"] = _state.counters["MB_last_loop"] - _state.counters["MB_first_loop"];
    _state.counters["earned"] = double(key::Money() - money);
    cGame::endGame();
    g_player.reset();
    game.reset();
    if (_state.counters["earned"] <= 0)
        _state.SkipWithError("The market did not sell.");
}
BENCHMARK(BM_LateGameLoops)->Arg(6)->Arg(24)->Iterations(1)->Unit(benchmark::kSecond);

// The growing fields' own share: every field's process, on a farm of 16 fields and on the
// whole farm (0). The player waters and fertilises every field and harvests it as it ripens,
// off the clock, so the fields grow rather than wilt.
void BM_GrowingFields(benchmark::State& _state)
{
    std::unique_ptr<cLateGame> game = cBenchGame::make<cLateGame>(_state, UInt(_state.range(0)));
    if (!game)
        return;
    const auto& fields = cLateGame::fields();
    const std::string base = "16 fields";
    if (fields.size() > 16 && cSameRun::seconds(base) <= 0) {
        _state.SkipWithError("The 16 fields were not measured first in this run.");
        return;
    }
    cSameRun::cClock cpu;
    double growing = 0;
    UInt pass = 0;
    for (auto _ : _state) {
        // A field drinks less than a hundredth of its water in a pass.
        if (pass++ % 256 == 0)
            cLateGame::waterAndFertilise();
        cLateGame::harvestRipeFields();
        cpu.start();
        for (cFarmFieldTile* field : fields)
            field->absoluteProcess();
        _state.SetIterationTime(cpu.stop());
        growing += double(cLateGame::growingFields());
    }
    const double perPass = cpu.seconds() / double(_state.iterations());
    const double growingShare = growing / double(_state.iterations()) / double(fields.size());
    _state.counters["fields"] = double(fields.size());
    _state.counters["growing_share"] = growingShare;
    if (growingShare < 0.9) {
        _state.SkipWithError("The fields did not grow.");
        return;
    }
    cSameRun::keep(std::to_string(fields.size()) + " fields", perPass);
    if (fields.size() > 16) {
        _state.counters["us_16_fields"] = cSameRun::seconds(base) * 1e6;
        _state.counters["x_16_fields"] = cSameRun::ratio(perPass, base);
    }
}
BENCHMARK(BM_GrowingFields)->Arg(16)->Arg(0)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
