// Start-up: from starting the game's process to its first presented frame, headless and in a
// window. Run the window case under a display, e.g. xvfb-run -a bench_StartupBench.
//
// A frame is presented when the next one begins, so each run asks for two frames: the time
// measured is start-up, the first frame, its present, a second (idle) frame and the exit. The
// raw baseline is starting and reaping a process that does nothing, in the same run.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

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
BENCHMARK(BM_EmptyProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
