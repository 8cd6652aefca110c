#include "platform/ImageLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const WALK = FURROW_SOURCE "/tests/smoke/shell-walk.txt";

// The walk with its shots written into _folder; their names in _shots.
std::string walkInto(const cTempFolder& _folder, std::vector<std::string>& _shots)
{
    std::ifstream walk(WALK);
    std::ostringstream out;
    std::string line;
    while (std::getline(walk, line)) {
        const size_t shot = line.find(" shot ");
        if (shot != std::string::npos && line[0] != '#') {
            _shots.push_back(line.substr(shot + 6));
            line = line.substr(0, shot + 6) + _folder.file(_shots.back());
        }
        out << line << '\n';
    }
    writeFileBytes(_folder.file("walk.txt"), out.str());
    return _folder.file("walk.txt");
}

// Without a frame limit in _how, only the exit question's yes ends the run.
int runWalk(const cTempFolder& _folder, const std::string& _walk, const std::string& _how)
{
    // A failure under the virtual display waits on its message box: the time limit ends it.
    const std::string command = "cd '" FURROW_BUILD "' && timeout 300 env FURROW_HOME='" + _folder.file("home") +
                                "' FURROW_REPLAY='" + _walk + "' FURROW_FRAME_TIME=0.02 SDL_AUDIODRIVER=dummy " + _how +
                                " '" FURROW_GAME "'";
    return std::system(command.c_str());
}

// The profile index holds the name, in its UTF-16 text.
bool indexNames(const cTempFolder& _folder, const std::string& _name)
{
    std::string wide;
    for (char c : _name)
        wide += std::string{c, '\0'};
    return readFileBytes(_folder.file("home/Furrow/profiles/profiles.xml")).find(wide) != std::string::npos;
}

TEST(ShellWalk, HeadlessTheNewPlayerReachesTheMenuAndQuits)
{
    cTempFolder folder;
    std::vector<std::string> shots;
    ASSERT_EQ(runWalk(folder, walkInto(folder, shots), "FURROW_PLATFORM=headless"), 0);
    EXPECT_TRUE(indexNames(folder, "Farmer Joe"));
    EXPECT_TRUE(indexNames(folder, "Anna"));
}

// Every screen of the walk in a virtual display: a whole picture each, none like another.
TEST(ShellWalk, UnderAVirtualDisplayEveryScreenIsShot)
{
    cTempFolder folder;
    std::vector<std::string> shots;
    ASSERT_EQ(runWalk(folder, walkInto(folder, shots),
                      "ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s '-screen 0 1280x1024x24'"), 0);
    ASSERT_EQ(shots.size(), 12u);
    std::set<std::string> distinct;
    for (const std::string& name : shots) {
        const std::string png = readFileBytes(folder.file(name));
        ASSERT_FALSE(png.empty()) << name;
        const sImage shot = loadImage(png.data(), png.size(), name.c_str());
        EXPECT_EQ(shot.width, 800u) << name;
        EXPECT_EQ(shot.height, 600u) << name;
        distinct.insert(png);
    }
    EXPECT_EQ(distinct.size(), shots.size());
    EXPECT_TRUE(indexNames(folder, "Anna"));
}

// A replay through the real window's event queue; the shot shows the settings' back colour
// where nothing else is drawn.
TEST(ReplayRun, TheGameUnderAVirtualDisplayWritesTheShotOfItsFrame)
{
    cTempFolder folder;
    writeFileBytes(folder.file("walk.txt"), "1 move 400 300\n2 press left\n3 release left\n4 text hello\n6 shot " +
                                                folder.file("probe.png") + "\n");
    ASSERT_EQ(runWalk(folder, folder.file("walk.txt"), "FURROW_FRAMES=10 ASAN_OPTIONS=detect_leaks=0 xvfb-run -a"), 0);
    const std::string png = readFileBytes(folder.file("probe.png"));
    const sImage shot = loadImage(png.data(), png.size(), "probe.png");
    ASSERT_EQ(shot.width, 800u);
    EXPECT_EQ(shot.at(400, 300), 0xFF2E4A2Au) << std::hex << shot.at(400, 300);
}

} // namespace
