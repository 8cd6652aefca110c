#pragma once
#include <sys/types.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

// The game headless in _folder, playing the folder's "walk.txt" at 50 frames a game second
// with no frame limit: it runs until the test kills it. The child's id (-1 when none).
inline pid_t startGameToKill(const std::string& _folder, const std::string& _home)
{
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(_folder.c_str()) == 0) {
            setenv("FURROW_PLATFORM", "headless", 1);
            setenv("FURROW_HOME", _home.c_str(), 1);
            setenv("FURROW_REPLAY", "walk.txt", 1);
            setenv("FURROW_FRAME_TIME", "0.02", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            unsetenv("FURROW_FRAMES");
            execl(FURROW_GAME, FURROW_GAME, static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    return child;
}
