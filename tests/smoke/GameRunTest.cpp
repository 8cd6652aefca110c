#include "SmokeRun.h"

#include <fstream>
#include <set>
#include <sstream>
#include <vector>

namespace {

// Under a virtual display the desktop's GL driver keeps memory of its own.
const std::string VIRTUAL_DISPLAY = "ASAN_OPTIONS=detect_leaks=0 xvfb-run -a";

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

// The game's shell and a few games, each run with a home folder of its own.
class GameRun : public cSmokeRun {
protected:
    int run(const std::string& _walk, const std::string& _how) { return runWith(_walk, _how); }
    // The shell walk, its shots written into the folder and their names kept in m_shots.
    int walkTheShell(const std::string& _how)
    {
        std::ifstream walk(FURROW_SOURCE "/tests/smoke/shell-walk.txt");
        std::ostringstream out;
        std::string line;
        while (std::getline(walk, line)) {
            const size_t shot = line.find(" shot ");
            if (shot != std::string::npos && line[0] != '#') {
                m_shots.push_back(line.substr(shot + 6));
                line = line.substr(0, shot + 6) + m_folder.file(m_shots.back());
            }
            out << line << '\n';
        }
        return run(out.str(), _how);
    }
    // The shot _name the run wrote; it must fill the 800 x 600 picture.
    sImage loadShot(const std::string& _name)
    {
        const std::string png = readFileBytes(m_folder.file(_name));
        sImage shot = loadImage(png.data(), png.size(), _name);
        EXPECT_EQ(shot.width, 800u) << _name;
        EXPECT_EQ(shot.height, 600u) << _name;
        return shot;
    }
    void expectShot(const std::string& _name, std::initializer_list<sProbe> _probes)
    {
        const sImage shot = loadShot(_name);
        ASSERT_EQ(shot.pixels.size(), 800u * 600u) << _name;
        for (const sProbe& probe : _probes)
            EXPECT_TRUE(isShade(shot.at(probe.x, probe.y), probe.shade))
                << _name << " at " << probe.x << "," << probe.y << ": " << std::hex << shot.at(probe.x, probe.y);
    }
    // The profile index holds the name, in its UTF-16 text.
    bool indexNames(const std::string& _name)
    {
        std::string wide;
        for (char c : _name)
            wide += std::string{c, '\0'};
        return readFileBytes(m_folder.file("home/Furrow/profiles/profiles.xml")).find(wide) != std::string::npos;
    }
    std::vector<std::string> m_shots;
};

TEST_F(GameRun, HeadlessTheNewPlayerReachesTheMenuAndQuits)
{
    ASSERT_EQ(walkTheShell("FURROW_PLATFORM=headless"), 0);
    EXPECT_TRUE(indexNames("Farmer Joe"));
    EXPECT_TRUE(indexNames("Anna"));
}

// Every screen of the walk in a virtual display: a whole picture each, none like another.
TEST_F(GameRun, UnderAVirtualDisplayEveryScreenOfTheShellIsShot)
{
    ASSERT_EQ(walkTheShell(VIRTUAL_DISPLAY + " -s '-screen 0 1280x1024x24'"), 0);
    ASSERT_EQ(m_shots.size(), 12u);
    std::set<std::string> distinct;
    for (const std::string& name : m_shots) {
        loadShot(name);
        distinct.insert(readFileBytes(m_folder.file(name)));
    }
    EXPECT_EQ(distinct.size(), m_shots.size());
    EXPECT_TRUE(indexNames("Anna"));
}

// Past the logos with a new player, Play, a look at the bar. Then, the tutorial seen: the
// journal's news, read and closed; a slide to the market; the pause menu, two help pages, and
// back to the main menu. Then the program starts again and the game goes on where it stood.
TEST_F(GameRun, AGameFromTheMainMenuAndBackKeepsItsMoneyAndClock)
{
    const std::string logos = key(60, "Space") + key(120, "Space") + key(180, "Space");
    const std::string start = logos + "270 text Ann\n" + key(275, "Enter") + click(340, 400, 226) + shot(420, "bar.png");
    ASSERT_EQ(run(start, "FURROW_FRAMES=430 " + VIRTUAL_DISPLAY), 0);
    passAllTips();
    const std::string game = logos + click(300, 400, 226) + click(1420, 676, 32) + shot(1450, "journal.png") +
                             click(1452, 400, 572) + click(1480, 40, 32) + shot(1492, "slide.png") +
                             key(1580, "Esc") + shot(1610, "pause.png") + click(1620, 400, 274) +
                             shot(1660, "help.png") + click(1670, 650, 490) + click(1720, 400, 490) +
                             click(1760, 400, 466) + click(1800, 305, 352) + shot(1920, "menu.png");
    ASSERT_EQ(run(game, "FURROW_FRAMES=1940 " + VIRTUAL_DISPLAY), 0);
    expectShot("bar.png", {{400, 3, eShade::wood}, {300, 32, eShade::cream}, {100, 150, eShade::sky}});
    expectShot("journal.png", {{300, 450, eShade::cream}, {140, 300, eShade::green}, {400, 572, eShade::green}});
    expectShot("slide.png", {{100, 500, eShade::beige}, {700, 150, eShade::sky}});
    expectShot("pause.png", {{400, 118, eShade::wood}, {400, 212, eShade::green}, {300, 450, eShade::cream}});
    expectShot("help.png", {{400, 72, eShade::wood}, {400, 420, eShade::cream}, {232, 330, eShade::green}});
    expectShot("menu.png", {{400, 226, eShade::green}});
    const float clock = std::stof(stored("GameTime"));
    EXPECT_GT(clock, 20.0f);
    EXPECT_EQ(stored("Money"), "100");

    ASSERT_EQ(run(logos + click(300, 400, 226), "FURROW_FRAMES=460 " + VIRTUAL_DISPLAY), 0);
    EXPECT_GT(std::stof(stored("GameTime")), clock);
    EXPECT_EQ(stored("Money"), "100") << "the gift at the start came once";
}

// A player whose harvest counter stands at a hundred starts a game: the award grows in, is
// congratulated, flies to its place on the wall, lit in bronze, and stays won.
TEST_F(GameRun, AnAwardWonInAGameIsPresentedAndKept)
{
    const std::string logos = key(60, "Space") + key(120, "Space") + key(180, "Space");
    ASSERT_EQ(run(logos + "270 text Ann\n" + key(275, "Enter"), "FURROW_FRAMES=320 FURROW_PLATFORM=headless"), 0);
    store("awQCollect", "100");
    // A farm that has a hundred harvests behind it was welcomed long ago.
    store("tip0", "1");

    const std::string game = logos + click(250, 400, 226) + shot(300, "award-grows.png") + shot(380, "award-panel.png") +
                             click(390, 400, 460) + shot(440, "award-wall.png") + click(490, 400, 552);
    ASSERT_EQ(run(game, "FURROW_FRAMES=580 " + VIRTUAL_DISPLAY), 0);
    expectShot("award-grows.png", {{400, 260, eShade::wood}, {100, 150, eShade::sky}});
    expectShot("award-panel.png", {{400, 460, eShade::green}, {250, 420, eShade::cream}});
    expectShot("award-wall.png", {{130, 210, eShade::wood}, {30, 300, eShade::wood}});
    EXPECT_EQ(stored("Award00Grow100"), "1");
    EXPECT_EQ(stored("awardShow0"), "1");
}

// A player with money and stock upgrades the warehouse and the spade shed while the worker
// holds the spade (it flies home), then rests the mouse on the warehouse gauge: the stock
// panel slides down with the goods.
TEST_F(GameRun, TheFarmBuildingsAreUpgradedAndTheStockPanelShowsTheGoods)
{
    const std::string logos = key(60, "Space") + key(120, "Space") + key(180, "Space");
    ASSERT_EQ(run(logos + "270 text Ann\n" + key(275, "Enter") + click(340, 400, 226), "FURROW_FRAMES=420 " + VIRTUAL_DISPLAY), 0);
    for (const auto& [name, value] : {std::pair{"Money", "990"}, {"UpAvail12", "3"}, {"UpAvail14", "3"}, {"PCarry", "2"},
             {"WGoodCount1", "7"}, {"WGoodCount9", "3"}, {"tip1", "1"}, {"tip2", "1"}, {"tip26", "1"}, {"tip28", "1"},
             {"Award16Getting1000Gold", "1"}})
        store(name, value);
    const std::string game = logos + click(300, 400, 226) + shot(440, "farm.png") + click(450, 140, 422) +
                             click(480, 45, 580) + shot(490, "flight.png") + "520 move 548 32\n" + shot(580, "panel.png");
    ASSERT_EQ(run(game, "FURROW_FRAMES=600 " + VIRTUAL_DISPLAY), 0);
    expectShot("farm.png", {{130, 350, eShade::wood}, {128, 422, eShade::green}});
    expectShot("panel.png", {{450, 200, eShade::cream}, {390, 90, eShade::wood}});
    EXPECT_EQ(stored("Upgrade32"), "1");
    EXPECT_EQ(stored("Upgrade34"), "1");
    EXPECT_LE(std::stoi(stored("Money")), 990 - 250 - 250 + 100) << "both paid; the time-line may give a little";
    EXPECT_EQ(stored("WGoodCount1"), "7") << "the stock stays through the upgrade";
}

} // namespace
