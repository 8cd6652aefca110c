#include "PlayerFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Past the logos, a new player, and Play: the rest of the run is the game itself.
const char* const INTO_A_GAME = "60 down Space\n61 up Space\n120 down Space\n121 up Space\n"
                                "180 down Space\n181 up Space\n270 text Ann\n275 down Enter\n276 up Enter\n"
                                "340 move 400 226\n345 press left\n346 release left\n"
                                // Headless, the shot only writes a line in replay.log: a mark
                                // that the game is in play.
                                "500 shot in-the-game.png\n";

// The game started headless on the walk into a game, in a home of its own and in the test's
// folder, where its logs go; _frames 0 lets it run until it is stopped.
class HeadlessRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFileBytes(m_folder.file("walk.txt"), INTO_A_GAME);
        ASSERT_EQ(symlink(FURROW_BUILD "/Data", m_folder.file("Data").c_str()), 0);
    }

    pid_t start(unsigned _frames)
    {
        std::vector<std::string> environment = {"FURROW_PLATFORM=headless", "FURROW_HOME=" + home(_frames),
            "FURROW_REPLAY=" + m_folder.file("walk.txt"), "FURROW_FRAME_TIME=0.02", "SDL_AUDIODRIVER=dummy",
            // The sanitizer keeps freed blocks for a while; a small quarantine lets the size settle.
            "ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=4"};
        if (_frames > 0)
            environment.push_back("FURROW_FRAMES=" + std::to_string(_frames));
        std::vector<char*> variables;
        for (std::string& variable : environment)
            variables.push_back(variable.data());
        variables.push_back(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            char* const arguments[] = {const_cast<char*>(FURROW_GAME), nullptr};
            if (chdir(m_folder.path().c_str()) == 0)
                execve(FURROW_GAME, arguments, variables.data());
            _exit(127);
        }
        return child;
    }
    // The exit status of _child, or -1 when it did not exit by itself; its peak resident size.
    static int finish(pid_t _child, long& _peakKb)
    {
        int status = 0;
        rusage usage{};
        if (_child <= 0 || wait4(_child, &status, 0, &usage) != _child || !WIFEXITED(status))
            return -1;
        _peakKb = usage.ru_maxrss;
        return WEXITSTATUS(status);
    }
    std::string home(unsigned _frames) const { return m_folder.file("home" + std::to_string(_frames)); }
    std::string profileFile(unsigned _frames, const std::string& _name) const
    {
        return playerFile::narrowed(home(_frames) + "/Furrow/profiles/" + _name);
    }

    cTempFolder m_folder;
};

// A headless game ran out of memory after a few minutes once; its size must not follow its length.
TEST_F(HeadlessRun, ResidentMemoryStaysFlatOverTwentyThousandFrames)
{
    long shortRun = 0, longRun = 0;
    ASSERT_EQ(finish(start(2000), shortRun), 0);
    ASSERT_EQ(finish(start(20000), longRun), 0);
    EXPECT_LT(longRun - shortRun, 16 * 1024) << "2,000 frames: " << shortRun << " KB, 20,000: " << longRun << " KB";
}

// Stopped by its session in the middle of a game, the game still leaves the normal way: the
// player's clock is saved and the index says nobody is playing.
TEST_F(HeadlessRun, AStopSignalEndsTheGameThroughItsNormalExit)
{
    const pid_t child = start(0);
    ASSERT_GT(child, 0);
    // However slow the machine, the signal comes once the game is in play, and only then.
    int status = 0;
    while (readFileBytes(m_folder.file("replay.log")).find("in-the-game.png") == std::string::npos)
        if (waitpid(child, &status, WNOHANG) != 0)
            FAIL() << "the game ended before it was in play";
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_EQ(kill(child, SIGTERM), 0);
    long peak = 0;
    ASSERT_EQ(finish(child, peak), 0);
    EXPECT_NE(profileFile(0, "profiles.xml").find("NowPlaying=\"0\""), std::string::npos);
    EXPECT_NE(profileFile(0, "00000001.xml").find("Name=\"GameTime\""), std::string::npos);
}

} // namespace
