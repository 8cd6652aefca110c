#include "platform/ImageLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Under a virtual display the desktop's GL driver keeps memory of its own.
const std::string VIRTUAL_DISPLAY = "ASAN_OPTIONS=detect_leaks=0 xvfb-run -a";

// The game run from the build folder on the replay _walk, with _folder's "home" for its
// application data; _how adds variables and what starts it. Its exit status.
int runGame(const cTempFolder& _folder, const std::string& _walk, const std::string& _how)
{
    // A failure under the virtual display waits on its message box: the time limit ends it.
    const std::string command = "cd '" FURROW_BUILD "' && timeout 300 env FURROW_HOME='" + _folder.file("home") +
                                "' FURROW_REPLAY='" + _walk + "' FURROW_FRAME_TIME=0.02 SDL_AUDIODRIVER=dummy " + _how +
                                " '" FURROW_GAME "'";
    return std::system(command.c_str());
}

// The shot _name the run wrote into _folder; it must fill the 800 x 600 picture.
sImage loadShot(const cTempFolder& _folder, const std::string& _name)
{
    const std::string png = readFileBytes(_folder.file(_name));
    sImage shot = loadImage(png.data(), png.size(), _name);
    EXPECT_EQ(shot.width, 800u) << _name;
    EXPECT_EQ(shot.height, 600u) << _name;
    return shot;
}

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


// The colour families a probe tells apart.
enum class eShade { wood, cream, sky, green, beige };

bool isShade(UInt _argb, eShade _shade)
{
    const int r = (_argb >> 16) & 0xFF, g = (_argb >> 8) & 0xFF, b = _argb & 0xFF;
    switch (_shade) {
    case eShade::wood: return r > g && g > b && r < 230 && r - b > 50;
    case eShade::cream: return r > 220 && g > 200 && b > 150 && r >= b;
    case eShade::sky: return b > r && b > 180;
    case eShade::green: return g > r && g > b;
    case eShade::beige: return r > g && g > b && r > 180 && r - b < 110;
    }
    return false;
}

struct sProbe {
    UInt x;
    UInt y;
    eShade shade;
};

// The game under a virtual display, driven by _replay from a home folder that lives as long
// as the test.
class cGameReplay : public ::testing::Test {
protected:
    void play(const std::string& _replay, UInt _frames)
    {
        writeFileBytes(m_folder.file("walk.txt"), _replay);
        ASSERT_EQ(runGame(m_folder, m_folder.file("walk.txt"), "FURROW_FRAMES=" + std::to_string(_frames) + " " + VIRTUAL_DISPLAY), 0);
    }
    void expectShot(const std::string& _name, std::initializer_list<sProbe> _probes)
    {
        const sImage shot = loadShot(m_folder, _name);
        ASSERT_EQ(shot.pixels.size(), 800u * 600u) << _name;
        for (const sProbe& probe : _probes)
            EXPECT_TRUE(isShade(shot.at(probe.x, probe.y), probe.shade))
                << _name << " at " << probe.x << "," << probe.y << ": " << std::hex << shot.at(probe.x, probe.y);
    }
    // A game variable of the first player as the profile wrote it at the end of the run.
    std::string stored(const std::string& _name)
    {
        std::string text;
        for (char byte : readFileBytes(m_folder.file("home/Furrow/profiles/00000001.xml")))
            if (byte != 0)
                text += byte;
        std::smatch value;
        if (!std::regex_search(text, value, std::regex("Name=\"" + _name + "\" Val=\"([^\"]*)\"")))
            return "missing";
        return value[1];
    }
    std::string shot(UInt _frame, const std::string& _name) const
    {
        return std::to_string(_frame) + " shot " + m_folder.file(_name) + "\n";
    }
    static std::string click(UInt _frame, UInt _x, UInt _y)
    {
        return std::to_string(_frame) + " move " + std::to_string(_x) + " " + std::to_string(_y) + "\n" +
               std::to_string(_frame + 5) + " press left\n" + std::to_string(_frame + 6) + " release left\n";
    }
    static std::string key(UInt _frame, const char* _key)
    {
        return std::to_string(_frame) + " down " + _key + "\n" + std::to_string(_frame + 1) + " up " + _key + "\n";
    }

    cTempFolder m_folder;
};

// Past the logos with a new player, Play, a look at the bar; the journal's news, a slide to
// the market; the pause menu, two help pages, and back to the main menu. Then the program
// starts again and the game goes on where it stood.
TEST_F(cGameReplay, AGameFromTheMainMenuAndBackKeepsItsMoneyAndClock)
{
    const std::string logos = key(60, "Space") + key(120, "Space") + key(180, "Space");
    play(logos + "270 text Ann\n" + key(275, "Enter") + click(340, 400, 226) + shot(420, "bar.png") +
             click(1460, 676, 32) + click(1520, 40, 32) + shot(1532, "slide.png") + key(1620, "Esc") +
             shot(1650, "pause.png") + click(1660, 400, 274) + shot(1700, "help.png") + click(1710, 650, 490) +
             click(1760, 400, 490) + click(1800, 400, 466) + click(1840, 305, 352) + shot(1960, "menu.png"),
         1980);
    expectShot("bar.png", {{400, 3, eShade::wood}, {300, 32, eShade::cream}, {100, 150, eShade::sky}});
    expectShot("slide.png", {{100, 500, eShade::beige}, {700, 150, eShade::sky}});
    expectShot("pause.png", {{400, 118, eShade::wood}, {400, 212, eShade::green}, {300, 450, eShade::cream}});
    expectShot("help.png", {{400, 72, eShade::wood}, {400, 420, eShade::cream}, {232, 330, eShade::green}});
    expectShot("menu.png", {{400, 226, eShade::green}});
    const float clock = std::stof(stored("GameTime"));
    EXPECT_GT(clock, 20.0f);
    EXPECT_EQ(stored("Money"), "100");

    play(logos + click(300, 400, 226), 460);
    EXPECT_GT(std::stof(stored("GameTime")), clock);
    EXPECT_EQ(stored("Money"), "100") << "the gift at the start came once";
}

} // namespace
