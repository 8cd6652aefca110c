// Full screen against the window: a busy farm (the late farm: every field growing, three
// sprinklers spraying, the tool buildings at their top) drawn in a window and in full screen in
// turns, on a virtual display of 1024 x 768 and one of 1920 x 1080 that the benchmark starts
// itself (Xvfb, whose GL is software). Full screen draws the picture into the largest 4:3
// rectangle of the desktop, pixel_ratio times the window's 800 x 600 pixels. The figures are the
// frames' wall clock, presents included: full_ms and window_ms, x_window the one over the other,
// and x_pixels = x_window / pixel_ratio. Goal: full screen costs no more than its pixels, x_pixels
// at most about 1.3 (the label says whether it was met).
#include "DrivenGame.h"
#include "LateFarm.h"

#include "Game/Game.h"
#include "engine/settings/Settings.h"
#include "graphics/Graphics.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const double GOAL = 1.3;
// Frames drawn in one mode before the other takes its turn, and the frames after a switch
// that are not counted (the new mode's first frames load what it draws).
const int TURN_FRAMES = 20;
const int SETTLING_FRAMES = 5;

// An Xvfb server of one screen size, ended with the object; display() is empty when it did
// not start.
class cVirtualDisplay {
public:
    cVirtualDisplay(int _width, int _height)
    {
        int pipe[2];
        if (::pipe(pipe) != 0)
            return;
        m_server = fork();
        if (m_server == 0) {
            close(pipe[0]);
            const std::string screen = std::to_string(_width) + "x" + std::to_string(_height) + "x24";
            const std::string fd = std::to_string(pipe[1]);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDERR_FILENO);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipe[1]);
        // The server writes its display number once it takes clients.
        std::string number;
        char c = 0;
        while (m_server > 0 && read(pipe[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(pipe[0]);
        if (!number.empty())
            m_display = ":" + number;
    }
    ~cVirtualDisplay()
    {
        if (m_server > 0) {
            kill(m_server, SIGTERM);
            waitpid(m_server, nullptr, 0);
        }
    }
    const std::string& display() const { return m_display; }

private:
    pid_t m_server = -1;
    std::string m_display;
};

// The late farm on the SDL platform in a home folder of its own, on the display DISPLAY names.
class cBusyFarm {
public:
    cBusyFarm()
        : m_home((std::filesystem::temp_directory_path() / ("furrow-fullscreen-" + std::to_string(getpid())))
                     .string())
    {
        setenv("FURROW_HOME", m_home.c_str(), 1);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        m_game = std::make_unique<cDrivenGame>("sdl");
        cGame::onInitProfile();
        writeLatePlayer();
        m_game->frame();
        cGame::startGame();
    }
    ~cBusyFarm()
    {
        cGame::endGame();
        m_game.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_home, ignored);
    }
    // Switches the mode as Alt+Enter does and lets the new one settle; false when the window
    // did not take the size the mode asks for.
    bool setFullScreen(bool _full, int _width, int _height)
    {
        cSettings::getInstance()->setPropertyT("graphics", "fullscreen", Bool(_full));
        iGraphics::getInstance()->setNeedReset(true);
        for (int i = 0; i < SETTLING_FRAMES; ++i)
            m_game->frame();
        const sPixelRect window = iGraphics::getInstance()->getWindowRect();
        return _full ? window.width() == _width && window.height() == _height
                     : window.width() == 800 && window.height() == 600;
    }
    // The seconds of each of _count frames, added to _seconds.
    void frames(int _count, std::vector<double>& _seconds)
    {
        for (int i = 0; i < _count; ++i) {
            m_game->frame();
            _seconds.push_back(m_game->seconds());
        }
    }

private:
    std::string m_home;
    std::unique_ptr<cDrivenGame> m_game;
};

double median(std::vector<double> _values)
{
    std::nth_element(_values.begin(), _values.begin() + long(_values.size() / 2), _values.end());
    return _values[_values.size() / 2];
}

// Turns of window and full-screen frames, one turn of each an iteration; the time is the
// full-screen frame's.
void BM_FullScreenFrame(benchmark::State& _state)
{
    const int width = int(_state.range(0)), height = int(_state.range(1));
    const cVirtualDisplay display(width, height);
    if (display.display().empty()) {
        _state.SkipWithError("Xvfb did not start");
        return;
    }
    const char* kept = std::getenv("DISPLAY");
    const std::string before = kept ? kept : "";
    setenv("DISPLAY", display.display().c_str(), 1);
    std::vector<double> window, full;
    try {
        cBusyFarm farm;
        for (auto _ : _state) {
            if (!farm.setFullScreen(false, width, height)) {
                _state.SkipWithError("the window did not come back");
                break;
            }
            farm.frames(TURN_FRAMES, window);
            if (!farm.setFullScreen(true, width, height)) {
                _state.SkipWithError("full screen did not take the desktop");
                break;
            }
            const size_t from = full.size();
            farm.frames(TURN_FRAMES, full);
            double turn = 0;
            for (size_t i = from; i < full.size(); ++i)
                turn += full[i];
            _state.SetIterationTime(turn / TURN_FRAMES);
        }
    } catch (const String& _error) {
        _state.SkipWithError(_error.c_str());
    }
    if (kept)
        setenv("DISPLAY", before.c_str(), 1);
    else
        unsetenv("DISPLAY");
    if (window.empty() || full.empty())
        return;
    // The picture's rectangle: the largest 4:3 one on the desktop.
    const double scale = std::min(width / 800.0, height / 600.0);
    const double pixelRatio = scale * scale;
    const double xWindow = median(full) / median(window);
    _state.counters["window_ms"] = median(window) * 1e3;
    _state.counters["full_ms"] = median(full) * 1e3;
    _state.counters["pixel_ratio"] = pixelRatio;
    _state.counters["x_window"] = xWindow;
    _state.counters["x_pixels"] = xWindow / pixelRatio;
    char label[64];
    std::snprintf(label, sizeof label, "goal x_pixels <= %.1f: %s", GOAL,
                  xWindow / pixelRatio <= GOAL ? "met" : "NOT MET");
    _state.SetLabel(label);
}

BENCHMARK(BM_FullScreenFrame)
    ->Args({1024, 768})
    ->Args({1920, 1080})
    ->ArgNames({"width", "height"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20);

} // namespace
