#include "platform/ImageLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The game itself in a virtual display, driven by a replay through the real window's event
// queue; the shot must show the settings' back colour where nothing else is drawn.
TEST(ReplayRun, TheGameUnderAVirtualDisplayWritesTheShotOfItsFrame)
{
    cTempFolder folder;
    writeFileBytes(folder.file("walk.txt"), "# a walk over the empty screen\n"
                                            "1 move 400 300\n2 press left\n3 release left\n"
                                            "4 text hello\n6 shot " + folder.file("probe.png") + "\n");
    const std::string command = "cd '" FURROW_BUILD "' && env FURROW_HOME='" + folder.file("home") +
                                "' FURROW_REPLAY='" + folder.file("walk.txt") +
                                "' FURROW_FRAME_TIME=0.02 FURROW_FRAMES=10 SDL_AUDIODRIVER=dummy "
                                "ASAN_OPTIONS=detect_leaks=0 xvfb-run -a '" FURROW_GAME "'";
    ASSERT_EQ(std::system(command.c_str()), 0);

    const std::string png = readFileBytes(folder.file("probe.png"));
    const sImage shot = loadImage(png.data(), png.size(), "probe.png");
    ASSERT_EQ(shot.width, 800u);
    ASSERT_EQ(shot.height, 600u);
    EXPECT_EQ(shot.at(400, 300), 0xFF2E4A2Au) << std::hex << shot.at(400, 300);
}

} // namespace
