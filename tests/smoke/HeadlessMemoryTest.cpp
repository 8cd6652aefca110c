#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Past the logos, a new player, and Play: the rest of the run is the game itself.
const char* const INTO_A_GAME = "60 down Space\n61 up Space\n120 down Space\n121 up Space\n"
                                "180 down Space\n181 up Space\n270 text Ann\n275 down Enter\n276 up Enter\n"
                                "340 move 400 226\n345 press left\n346 release left\n";

// The game run headless for _frames frames in a home of its own; the largest resident size it
// reached, in kilobytes, or -1 when it did not end well.
long peakResidentKb(const cTempFolder& _folder, unsigned _frames)
{
    const std::string home = _folder.file("home" + std::to_string(_frames));
    std::vector<std::string> environment = {"FURROW_PLATFORM=headless", "FURROW_HOME=" + home,
        "FURROW_REPLAY=" + _folder.file("walk.txt"), "FURROW_FRAME_TIME=0.02",
        "FURROW_FRAMES=" + std::to_string(_frames), "SDL_AUDIODRIVER=dummy",
        // The sanitizer keeps freed blocks for a while; a small quarantine lets the size settle.
        "ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=4"};
    std::vector<char*> variables;
    for (std::string& variable : environment)
        variables.push_back(variable.data());
    variables.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        char* const arguments[] = {const_cast<char*>(FURROW_GAME), nullptr};
        if (chdir(FURROW_BUILD) == 0)
            execve(FURROW_GAME, arguments, variables.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

// A headless game ran out of memory after a few minutes once; its size must not follow its length.
TEST(HeadlessRun, ResidentMemoryStaysFlatOverTwentyThousandFrames)
{
    cTempFolder folder;
    writeFileBytes(folder.file("walk.txt"), INTO_A_GAME);
    const long shortRun = peakResidentKb(folder, 2000);
    const long longRun = peakResidentKb(folder, 20000);
    ASSERT_GT(shortRun, 0);
    ASSERT_GT(longRun, 0);
    EXPECT_LT(longRun - shortRun, 16 * 1024) << "2,000 frames: " << shortRun << " KB, 20,000: " << longRun << " KB";
}

} // namespace
