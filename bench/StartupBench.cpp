// Start-up: from starting the game's process to its first presented frame, headless and in a
// window; and a returning player's road from the start to the first frame of the game. Run the window case under a display, e.g. xvfb-run -a bench_StartupBench.
//
// A frame is presented when the next one begins, so each run asks for two frames: the time
// measured is start-up, the first frame, its present, a second (idle) frame and the exit. The
// raw baseline is starting and reaping a process that does nothing, in the same run.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Starts _program in the game's folder with _environment added, and waits for its end; false
// when it could not start or did not end well.
bool runOnce(const std::string& _program, const std::vector<std::string>& _environment)
{
    const pid_t child = fork();
    if (child < 0)
        return false;
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
    if (waitpid(child, &status, 0) != child)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A player's folder for the runs of one benchmark; its first run, untimed, writes the settings
// and profile a returning player has.
class cHome {
public:
    cHome()
        : m_path((std::filesystem::temp_directory_path() / ("furrow-startup-" + std::to_string(getpid()))).string())
    {
    }
    ~cHome()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

void startGame(benchmark::State& _state, const char* _platform)
{
    if (std::string(_platform) == "sdl" && !std::getenv("DISPLAY")) {
        _state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    const cHome home;
    const std::vector<std::string> environment = {"FURROW_FRAMES=2", std::string("FURROW_PLATFORM=") + _platform,
                                                  "FURROW_HOME=" + home.path(), "SDL_AUDIODRIVER=dummy"};
    if (!runOnce(FURROW_GAME, environment)) {
        _state.SkipWithError("the game did not run");
        return;
    }
    for (auto _ : _state)
        if (!runOnce(FURROW_GAME, environment))
            _state.SkipWithError("the game did not run");
}

// A returning player's road into the game: the logos skipped, Play on the main menu, the
// loading screen's batches, and the first frame of the game. The number of frames it takes is
// found once, untimed: the fewest after which the profile shows that the game's clock ran.
const char* const LOGOS = "60 down Space\n61 up Space\n120 down Space\n121 up Space\n180 down Space\n181 up Space\n";
const char* const PLAY = "250 move 400 226\n255 press left\n256 release left\n";

bool writeText(const std::string& _path, const std::string& _text)
{
    FILE* file = std::fopen(_path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(_text.data(), 1, _text.size(), file) == _text.size();
    return std::fclose(file) == 0 && written;
}

// Whether the player's saved game has run: its "RunTime" is there and not zero.
bool gameRan(const cHome& _home)
{
    std::string narrow;
    FILE* file = std::fopen((_home.path() + "/Furrow/profiles/00000001.xml").c_str(), "rb");
    if (!file)
        return false;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
        if (c != 0)
            narrow += char(c);
    std::fclose(file);
    const std::string key = "Name=\"RunTime\" Val=\"";
    const size_t at = narrow.find(key);
    return at != std::string::npos && narrow.compare(at + key.size(), 2, "0\"") != 0;
}

void playToTheGame(benchmark::State& _state, const char* _platform)
{
    if (std::string(_platform) == "sdl" && !std::getenv("DISPLAY")) {
        _state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    const cHome home;
    const std::string walk = home.path() + "-walk.txt";
    auto environment = [&](int _frames) {
        return std::vector<std::string>{"FURROW_FRAMES=" + std::to_string(_frames),
                                        std::string("FURROW_PLATFORM=") + _platform, "FURROW_HOME=" + home.path(),
                                        "FURROW_REPLAY=" + walk, "FURROW_FRAME_TIME=0.02", "SDL_AUDIODRIVER=dummy"};
    };
    // The first start makes the player.
    if (!writeText(walk, std::string(LOGOS) + "270 text Ann\n275 down Enter\n276 up Enter\n") ||
        !runOnce(FURROW_GAME, environment(330)) || !writeText(walk, std::string(LOGOS) + PLAY)) {
        _state.SkipWithError("the player could not be made");
        return;
    }
    // Each try plays a new game from the saved one: the profile is put back between tries.
    const std::string profile = home.path() + "/Furrow/profiles/00000001.xml";
    std::filesystem::copy_file(profile, profile + ".new", std::filesystem::copy_options::overwrite_existing);
    int low = 257, high = 2000;
    while (low < high) {
        const int middle = (low + high) / 2;
        std::filesystem::copy_file(profile + ".new", profile, std::filesystem::copy_options::overwrite_existing);
        if (runOnce(FURROW_GAME, environment(middle)) && gameRan(home))
            high = middle;
        else
            low = middle + 1;
    }
    for (auto _ : _state) {
        _state.PauseTiming();
        std::filesystem::copy_file(profile + ".new", profile, std::filesystem::copy_options::overwrite_existing);
        _state.ResumeTiming();
        if (!runOnce(FURROW_GAME, environment(low + 1)))
            _state.SkipWithError("the game did not run");
    }
    _state.counters["frames"] = low;
    std::filesystem::remove(walk);
}

void BM_StartupHeadless(benchmark::State& _state) { startGame(_state, "headless"); }
void BM_StartupWindow(benchmark::State& _state) { startGame(_state, "sdl"); }

void BM_EmptyProcess(benchmark::State& _state)
{
    for (auto _ : _state)
        if (!runOnce("/bin/true", {}))
            _state.SkipWithError("/bin/true did not run");
}

BENCHMARK(BM_StartupHeadless)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_StartupWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
void BM_PlayToTheGameHeadless(benchmark::State& _state) { playToTheGame(_state, "headless"); }
void BM_PlayToTheGameWindow(benchmark::State& _state) { playToTheGame(_state, "sdl"); }
BENCHMARK(BM_PlayToTheGameHeadless)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_PlayToTheGameWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_EmptyProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
