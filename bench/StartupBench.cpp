// Start-up and the road into the game.
//
// The start: from starting the game's process to its first presented frame, headless and in a
// window, the window beside a bare SDL2 + GL program (bench/bare) that opens a window of the
// same size and visual and presents two cleared frames. A frame is presented when the next one
// begins, so each run asks for two frames: the time measured is start-up, the first frame,
// its present, a second (idle) frame and the exit. Run the window cases under a display, e.g.
// xvfb-run -a bench_StartupBench.
//
// The road: a returning player's start, the logos skipped, Play on the main menu, the
// loading screen and the first frame of the game; and, in this process, the frames from Play
// to the first frame of a late farm, the longest of which a player sees stall.
#include "DrivenGame.h"
#include "LateFarm.h"

#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/LevelState.h"
#include "Game/Shell/MainMenu.h"
#include "Game/Shell/Shell.h"
#include "engine/Engine.h"
#include "engine/files/FileManager.h"
#include "engine/frame/Logic.h"
#include "engine/progress/Profile.h"
#include "engine/progress/ProgressPick.h"
#include "engine/frame/Replay.h"
#include "engine/frame/Timer.h"
#include "engine/frame/WindowProc.h"
#include "platform/Platform.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// One run of a program: whether it ended well, its wall-clock and CPU seconds.
struct sRun {
    bool ok = false;
    double seconds = 0;
    double cpu = 0;
};

double median(std::vector<double> _values)
{
    if (_values.empty())
        return 0;
    std::nth_element(_values.begin(), _values.begin() + long(_values.size() / 2), _values.end());
    return _values[_values.size() / 2];
}

// Starts _program in the game's folder with _environment added, and waits for its end.
sRun runOnce(const std::string& _program, const std::vector<std::string>& _environment)
{
    sRun run;
    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        return run;
    if (child == 0) {
        for (const std::string& pair : _environment)
            putenv(const_cast<char*>(pair.c_str()));
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        if (chdir(FURROW_GAME_DIR) != 0)
            _exit(126);
        execl(_program.c_str(), _program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    run.cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
              double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

bool hasDisplay(benchmark::State& _state, const std::string& _platform)
{
    if (_platform == "sdl" && !std::getenv("DISPLAY")) {
        _state.SkipWithError("no display: run under xvfb-run");
        return false;
    }
    return true;
}

// A player's folder, removed with the object.
class cHome {
public:
    explicit cHome(const std::string& _name)
        : m_path((std::filesystem::temp_directory_path() /
                  ("furrow-" + _name + "-" + std::to_string(getpid()))).string())
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ~cHome()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::string& path() const { return m_path; }
    std::string profiles() const { return m_path + "/Furrow/profiles"; }

    // The players' files as they are now, to be put back before each try.
    void keep() const { copyFolder(profiles(), m_path + "/kept"); }
    void putBack() const { copyFolder(m_path + "/kept", profiles()); }

private:
    static void copyFolder(const std::string& _from, const std::string& _to)
    {
        std::filesystem::remove_all(_to);
        std::filesystem::copy(_from, _to, std::filesystem::copy_options::recursive);
    }
    std::string m_path;
};

void BM_StartupHeadless(benchmark::State& _state)
{
    const cHome home("startup");
    const std::vector<std::string> environment = {"FURROW_FRAMES=2", "FURROW_PLATFORM=headless",
                                                  "FURROW_HOME=" + home.path(), "SDL_AUDIODRIVER=dummy"};
    // The first run writes the settings a returning player has.
    if (!runOnce(FURROW_GAME, environment).ok) {
        _state.SkipWithError("the game did not run");
        return;
    }
    std::vector<double> cpu;
    for (auto _ : _state) {
        const sRun run = runOnce(FURROW_GAME, environment);
        if (!run.ok) {
            _state.SkipWithError("the game did not run");
            return;
        }
        cpu.push_back(run.cpu);
    }
    _state.counters["cpu_ms"] = median(cpu) * 1e3;
}

// The game's start in a window against a bare SDL2 + GL window's, taken in turns so both meet
// the same load: the time is the game's (its mean; game_ms the median), x_bare_window the game's
// median over the bare window's (goal: at most 1.3), and the CPU both used.
void BM_StartupWindow(benchmark::State& _state)
{
    if (!hasDisplay(_state, "sdl"))
        return;
    const cHome home("startup");
    const std::vector<std::string> game = {"FURROW_FRAMES=2", "FURROW_PLATFORM=sdl", "FURROW_HOME=" + home.path(),
                                           "SDL_AUDIODRIVER=dummy"};
    const std::vector<std::string> bare = {"FURROW_FRAMES=2", "SDL_AUDIODRIVER=dummy"};
    if (!runOnce(FURROW_GAME, game).ok || !runOnce(FURROW_BARE_WINDOW, bare).ok) {
        _state.SkipWithError("the game or the bare window did not run");
        return;
    }
    std::vector<double> gameSeconds, bareSeconds, gameCpu, bareCpu;
    for (auto _ : _state) {
        const bool bareFirst = gameSeconds.size() % 2 == 0;
        const sRun first = runOnce(bareFirst ? FURROW_BARE_WINDOW : FURROW_GAME, bareFirst ? bare : game);
        const sRun second = runOnce(bareFirst ? FURROW_GAME : FURROW_BARE_WINDOW, bareFirst ? game : bare);
        const sRun& gameRun = bareFirst ? second : first;
        const sRun& bareRun = bareFirst ? first : second;
        if (!gameRun.ok || !bareRun.ok) {
            _state.SkipWithError("the game or the bare window did not run");
            return;
        }
        _state.SetIterationTime(gameRun.seconds);
        gameSeconds.push_back(gameRun.seconds);
        bareSeconds.push_back(bareRun.seconds);
        gameCpu.push_back(gameRun.cpu);
        bareCpu.push_back(bareRun.cpu);
    }
    _state.counters["game_ms"] = median(gameSeconds) * 1e3;
    _state.counters["bare_window_ms"] = median(bareSeconds) * 1e3;
    _state.counters["x_bare_window"] = median(gameSeconds) / median(bareSeconds);
    _state.counters["cpu_ms"] = median(gameCpu) * 1e3;
    _state.counters["bare_window_cpu_ms"] = median(bareCpu) * 1e3;
}

// ---- The road into the game, in a process of its own ----

const char* const LOGOS = "60 down Space\n61 up Space\n120 down Space\n121 up Space\n180 down Space\n181 up Space\n";
const char* const PLAY = "250 move 400 226\n255 press left\n256 release left\n";
// The welcome tip's button, where a first game opens.
const char* const WELCOME_ANSWERED = "500 move 440 344\n505 press left\n506 release left\n";
// The frame of PLAY's click.
const int PLAY_CLICK = 256;
const float FRAME_SECONDS = 0.02f;
const int LONG_RUN = 700;

bool writeText(const std::string& _path, const std::string& _text)
{
    FILE* file = std::fopen(_path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(_text.data(), 1, _text.size(), file) == _text.size();
    return std::fclose(file) == 0 && written;
}

// The seconds the player's saved game has run on the game's screens ("RunTime"), which only
// move while a game is played and not held; -1 when the profile does not read.
double runTime(const cHome& _home)
{
    std::string narrow;
    FILE* file = std::fopen((_home.profiles() + "/00000001.xml").c_str(), "rb");
    if (!file)
        return -1;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
        if (c != 0)
            narrow += char(c);
    std::fclose(file);
    const std::string key = "Name=\"RunTime\" Val=\"";
    const size_t at = narrow.find(key);
    return at == std::string::npos ? -1 : std::atof(narrow.c_str() + at + key.size());
}

// A returning player's folder and the frames of the road into the game: the first start
// makes the player, the second plays a first game and answers its welcome, and the frames
// are found once for the platform: the fewest after which the game has run, searched below
// what a run long past the entry tells. No frames when the game is never reached, with the
// reason.
struct sRoad {
    std::unique_ptr<cHome> home;
    std::string walk;
    int frames = 0;
    std::string error;
};

sRoad findRoad(const std::string& _platform)
{
    sRoad road;
    road.home = std::make_unique<cHome>("road-" + _platform);
    road.walk = road.home->path() + "-walk.txt";
    const cHome& home = *road.home;
    auto run = [&](int _frames) {
        return runOnce(FURROW_GAME, {"FURROW_FRAMES=" + std::to_string(_frames), "FURROW_PLATFORM=" + _platform,
                                     "FURROW_HOME=" + home.path(), "FURROW_REPLAY=" + road.walk,
                                     "FURROW_FRAME_TIME=0.02", "SDL_AUDIODRIVER=dummy"})
            .ok;
    };
    if (!writeText(road.walk, std::string(LOGOS) + "270 text Ann\n275 down Enter\n276 up Enter\n") || !run(330) ||
        !writeText(road.walk, std::string(LOGOS) + PLAY + WELCOME_ANSWERED) || !run(LONG_RUN)) {
        road.error = "the player could not be made";
        return road;
    }
    const double welcomed = runTime(home);
    if (!(welcomed > 0) || !writeText(road.walk, std::string(LOGOS) + PLAY)) {
        road.error = "the first game never ran: its welcome was not answered";
        return road;
    }
    home.keep();
    auto reached = [&](int _frames) {
        home.putBack();
        return run(_frames) && runTime(home) > welcomed;
    };
    if (!reached(LONG_RUN)) {
        road.error = "Play never reached the game in " + std::to_string(LONG_RUN) + " frames";
        return road;
    }
    // Each game frame adds a step to the time the game ran, save those a letter or a tip
    // holds: the entry is no later than the frames that many steps leave.
    const int played = int(std::lround((runTime(home) - welcomed) / FRAME_SECONDS));
    int low = PLAY_CLICK, high = LONG_RUN - played + 1;
    if (high <= low || high > LONG_RUN || !reached(high))
        high = LONG_RUN;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (reached(middle))
            high = middle;
        else
            low = middle + 1;
    }
    home.putBack();
    road.frames = low;
    return road;
}

// The time from the start to the first presented frame of the game: the run goes one frame
// past the first game frame, whose present opens it.
void playToTheGame(benchmark::State& _state, const char* _platform)
{
    if (!hasDisplay(_state, _platform))
        return;
    static std::map<std::string, sRoad> s_roads;
    auto found = s_roads.find(_platform);
    if (found == s_roads.end())
        found = s_roads.emplace(_platform, findRoad(_platform)).first;
    const sRoad& road = found->second;
    if (road.frames == 0) {
        _state.SkipWithError(road.error.c_str());
        return;
    }
    const std::vector<std::string> environment = {
        "FURROW_FRAMES=" + std::to_string(road.frames + 1), std::string("FURROW_PLATFORM=") + _platform,
        "FURROW_HOME=" + road.home->path(), "FURROW_REPLAY=" + road.walk, "FURROW_FRAME_TIME=0.02",
        "SDL_AUDIODRIVER=dummy"};
    for (auto _ : _state) {
        _state.PauseTiming();
        road.home->putBack();
        _state.ResumeTiming();
        if (!runOnce(FURROW_GAME, environment).ok) {
            _state.SkipWithError("the game did not run");
            return;
        }
    }
    _state.counters["frames"] = road.frames;
}

// ---- A late farm's entry, in this process ----

// A player whose saved farm is the late farm an hour in, past every tip and award.
void saveLateFarm(const std::string& _platform)
{
    const cDrivenGame game(_platform);
    new cProfile(u"Late");
    writeLatePlayer();
    cGame::startGame();
    cGame::endGame();
    cFileManager::getInstance()->waitForSaves();
    delete cProfile::getInstance();
}

// The frames from Play's click to the present of the first game frame.
struct sEntry {
    int frames = 0;
    double seconds = 0;
    double longest = 0;
    double longestCpu = 0;

    void take(const cDrivenGame& _game)
    {
        ++frames;
        seconds += _game.seconds();
        longest = std::max(longest, _game.seconds());
        longestCpu = std::max(longestCpu, _game.cpu());
    }
};

// The shell's screens for as long as the object lives; what a game was made goes with them.
struct sShell {
    sShell() { startShell(); }
    ~sShell() { endShell(); }
};

// The road from the start: the logos skipped, the main menu waited for, then Play, timed
// from its click to the present of the first frame of the game. Throws when the menu or the
// game never opens.
sEntry enterTheFarm(const std::string& _platform)
{
    cDrivenGame game(_platform);
    const sShell shell;
    game.play(LOGOS);
    for (int left = 600; left > 0 && !(cMainMenu::getInstance() && cMainMenu::getInstance()->isEnabled()); --left)
        game.frame();
    if (!cMainMenu::getInstance())
        throw String("The main menu never opened.");
    // The menu's fade.
    for (int i = 0; i < 60; ++i)
        game.frame();
    // A window's cursor moves through the window system, which a loaded machine may keep
    // waiting: a click that found the menu still there is made again.
    sEntry entry;
    auto menuShown = [] { return cMainMenu::getInstance() && cMainMenu::getInstance()->isEnabled(); };
    for (int tries = 0; tries < 5 && menuShown(); ++tries) {
        game.play("1 move 400 226\n10 press left\n11 release left\n");
        for (int i = 0; i < 10; ++i)
            game.frame();
        entry = sEntry();
        for (int i = 0; i < 5; ++i) {
            game.frame();
            entry.take(game);
        }
    }
    for (int left = 600; left > 0 && !cGame::getInstance(); --left) {
        game.frame();
        entry.take(game);
    }
    if (!cGame::getInstance())
        throw String("Play never opened the game.");
    // The first game frame, and the next, whose start presents it.
    for (int i = 0; i < 2; ++i) {
        game.frame();
        entry.take(game);
    }
    return entry;
}

// Entering a late farm: the time is the road's from Play's click to the first game frame's
// present; longest_frame_ms the longest frame of a run (median of the runs; goal: at most
// 100 ms), worst_frame_ms the longest of all runs.
void enterLateFarm(benchmark::State& _state, const char* _platform)
{
    if (!hasDisplay(_state, _platform))
        return;
    const cHome home("late-entry");
    setenv("FURROW_HOME", home.path().c_str(), 1);
    g_profileInitHook = cGame::onInitProfile;
    g_levelStateCheck = checkLevelState;
    g_savedValueCheck = cGame::isSavedValueUsable;
    std::vector<double> longest, longestCpu;
    int frames = 0;
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    try {
        saveLateFarm(_platform);
        home.keep();
        for (auto _ : _state) {
            home.putBack();
            const sEntry entry = enterTheFarm(_platform);
            _state.SetIterationTime(entry.seconds);
            longest.push_back(entry.longest);
            longestCpu.push_back(entry.longestCpu);
            frames = entry.frames;
        }
    } catch (const String& _error) {
        _state.SkipWithError(_error.c_str());
        return;
    } catch (const char* _error) {
        _state.SkipWithError(_error);
        return;
    }
    _state.counters["frames"] = frames;
    _state.counters["longest_frame_ms"] = median(longest) * 1e3;
    _state.counters["worst_frame_ms"] = *std::max_element(longest.begin(), longest.end()) * 1e3;
    _state.counters["longest_frame_cpu_ms"] = median(longestCpu) * 1e3;
}


void BM_EmptyProcess(benchmark::State& _state)
{
    for (auto _ : _state)
        if (!runOnce("/bin/true", {}).ok)
            _state.SkipWithError("/bin/true did not run");
}

void BM_PlayToTheGameHeadless(benchmark::State& _state) { playToTheGame(_state, "headless"); }
void BM_PlayToTheGameWindow(benchmark::State& _state) { playToTheGame(_state, "sdl"); }
void BM_EnterLateFarmHeadless(benchmark::State& _state) { enterLateFarm(_state, "headless"); }
void BM_EnterLateFarmWindow(benchmark::State& _state) { enterLateFarm(_state, "sdl"); }

BENCHMARK(BM_StartupHeadless)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_StartupWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(40);
BENCHMARK(BM_PlayToTheGameHeadless)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_PlayToTheGameWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_EnterLateFarmHeadless)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_EnterLateFarmWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_EmptyProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
