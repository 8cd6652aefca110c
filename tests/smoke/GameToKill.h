#pragma once
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// The game headless in _folder, playing the folder's "walk.txt" at 50 frames a game second
// with no frame limit: it runs until the test stops or kills it. _environment adds variables
// (a save fault, say). The child's id (-1 when none).
inline pid_t startGameToKill(const std::string& _folder, const std::string& _home,
    const std::vector<std::pair<std::string, std::string>>& _environment = {})
{
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(_folder.c_str()) == 0) {
            setenv("FURROW_PLATFORM", "headless", 1);
            setenv("FURROW_HOME", _home.c_str(), 1);
            setenv("FURROW_REPLAY", "walk.txt", 1);
            setenv("FURROW_FRAME_TIME", "0.02", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
            unsetenv("FURROW_FRAMES");
            for (const auto& [name, value] : _environment)
                setenv(name.c_str(), value.c_str(), 1);
            execl(FURROW_GAME, FURROW_GAME, static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    return child;
}

// How a wait on a running game ended.
enum class eGameWait { done, ended, timedOut };

// Checks _done every few milliseconds while _child runs. The bound only keeps a game that
// hangs from hanging the suite: a loaded machine or a slow disk may take minutes to get there,
// and nothing may come before the event. When the game ended first, _status is its status.
inline eGameWait waitOnGame(pid_t _child, const std::function<bool()>& _done, int& _status)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(10);
    while (std::chrono::steady_clock::now() < end) {
        if (_done())
            return eGameWait::done;
        if (waitpid(_child, &_status, WNOHANG) == _child)
            return eGameWait::ended;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return eGameWait::timedOut;
}

// Stops the game as its session would (the stop signal: its normal exit, last save included)
// and waits for it; its exit status, or -1 when it did not end by itself within two minutes
// and was killed.
inline int stopGame(pid_t _child)
{
    ::kill(_child, SIGTERM);
    int status = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (std::chrono::steady_clock::now() < end) {
        if (waitpid(_child, &status, WNOHANG) == _child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ::kill(_child, SIGKILL);
    waitpid(_child, &status, 0);
    return -1;
}
