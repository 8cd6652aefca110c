#include "GameRun.h"

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
    ASSERT_EQ(runGame(folder, walkInto(folder, shots), "FURROW_PLATFORM=headless"), 0);
    EXPECT_TRUE(indexNames(folder, "Farmer Joe"));
    EXPECT_TRUE(indexNames(folder, "Anna"));
}

// Every screen of the walk in a virtual display: a whole picture each, none like another.
TEST(ShellWalk, UnderAVirtualDisplayEveryScreenIsShot)
{
    cTempFolder folder;
    std::vector<std::string> shots;
    ASSERT_EQ(runGame(folder, walkInto(folder, shots),
                      VIRTUAL_DISPLAY + " -s '-screen 0 1280x1024x24'"), 0);
    ASSERT_EQ(shots.size(), 12u);
    std::set<std::string> distinct;
    for (const std::string& name : shots) {
        loadShot(folder, name);
        distinct.insert(readFileBytes(folder.file(name)));
    }
    EXPECT_EQ(distinct.size(), shots.size());
    EXPECT_TRUE(indexNames(folder, "Anna"));
}

} // namespace
