#include "PlayerFile.h"
#include "platform/images/ImageLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

namespace {

// One step of a player's road: a click, a move, typed words, a key, or a shot.
struct sStep {
    enum eKind { click, move, text, key, shot } kind;
    int frame;
    int x;
    int y;
    const char* words;
};

// The sixteen first beds, four rows of four; the well, the barn and the tool sheds.
struct sPoint {
    int x, y;
};
sPoint bed(int _i) { return {330 + 54 * (_i % 4), 330 + 30 * (_i / 4)}; }
constexpr sPoint WELL = {65, 265};
constexpr sPoint BARN = {185, 340};
constexpr sPoint SCYTHE = {215, 520};
constexpr sPoint AWAY = {780, 580};

// Clicks on _points one after another from _frame, as fast as a player queues the worker's jobs.
void queue(std::vector<sStep>& _steps, int _frame, const std::vector<sPoint>& _points)
{
    for (const sPoint& at : _points) {
        _steps.push_back({sStep::click, _frame, at.x, at.y, nullptr});
        _frame += 8;
    }
    _steps.push_back({sStep::move, _frame, AWAY.x, AWAY.y, nullptr});
}

// A newcomer's first game, the tutorial on and no word typed: every tip is followed where it
// points. The welcome; the well, the first bed watered, the scythe, the harvest into the barn;
// the market, a bundle to the stall and its price raised; the packet the tutorial pays, put
// down, a bed dug and sown with tomatoes; four beds watered; the journal; the neighbour's letter
// accepted and its grass mown, stored and handed over; thirty-odd waterings queued at once win
// the planner's award; the cow shed of 0:03:30 taken as the tutorial's gift, loaded with the
// grass, given its free upgrade; the grocer's letter accepted; the milk brought to the stall at
// a raised price; the pause menu and back to the main menu.
std::vector<sStep> firstGame()
{
    std::vector<sStep> s = {
        {sStep::key, 60, 0, 0, "Space"}, {sStep::key, 120, 0, 0, "Space"}, {sStep::key, 180, 0, 0, "Space"},
        {sStep::text, 270, 0, 0, "Ann"}, {sStep::key, 275, 0, 0, "Enter"}, {sStep::click, 340, 400, 226, nullptr},
        {sStep::shot, 460, 0, 0, "welcome.png"}, {sStep::click, 500, 440, 344, nullptr},
        {sStep::move, 510, 780, 580, nullptr}, {sStep::shot, 900, 0, 0, "well.png"},
        {sStep::click, 910, WELL.x, WELL.y, nullptr}, {sStep::move, 920, 780, 580, nullptr},
        {sStep::click, 1110, 330, 330, nullptr}, {sStep::move, 1120, 780, 580, nullptr},
        {sStep::shot, 1500, 0, 0, "ripe.png"}, {sStep::click, 1510, SCYTHE.x, SCYTHE.y, nullptr},
        {sStep::move, 1520, 780, 580, nullptr}, {sStep::click, 1710, 330, 330, nullptr},
        {sStep::move, 1720, 780, 580, nullptr}, {sStep::click, 2010, BARN.x, BARN.y, nullptr},
        {sStep::move, 2020, 780, 580, nullptr},
        // The market: its welcome, the grass line, one bundle to the stall at a price raised by one.
        {sStep::click, 2510, 40, 32, nullptr}, {sStep::click, 2650, 440, 344, nullptr},
        {sStep::click, 2750, 204, 403, nullptr}, {sStep::click, 2850, 104, 178, nullptr},
        {sStep::click, 2900, 297, 178, nullptr}, {sStep::shot, 2940, 0, 0, "sold.png"},
        {sStep::click, 2950, 108, 32, nullptr}, {sStep::move, 2960, 780, 580, nullptr},
        // The seed shop, the packet put down beside the fields; the spade, the first bed dug and sown.
        {sStep::shot, 3200, 0, 0, "gift.png"}, {sStep::click, 3210, 740, 120, nullptr},
        {sStep::shot, 3300, 0, 0, "shop.png"}, {sStep::click, 3310, 642, 526, nullptr},
        {sStep::click, 3410, 250, 230, nullptr}, {sStep::move, 3425, 400, 290, nullptr},
        {sStep::move, 3430, 450, 285, nullptr}, {sStep::click, 3455, 450, 285, nullptr},
        {sStep::move, 3470, 780, 580, nullptr}, {sStep::click, 3810, 75, 515, nullptr},
        {sStep::move, 3820, 780, 580, nullptr}, {sStep::click, 4010, 330, 330, nullptr},
        {sStep::move, 4020, 780, 580, nullptr}, {sStep::click, 4410, 450, 285, nullptr},
        {sStep::move, 4420, 780, 580, nullptr}, {sStep::click, 4610, 330, 330, nullptr},
        {sStep::move, 4620, 780, 580, nullptr}, {sStep::shot, 4900, 0, 0, "sown.png"},
    };
    // Four more beds of grass watered, a full can each.
    queue(s, 4910, {WELL, bed(4), WELL, bed(5), WELL, bed(6), WELL, bed(7)});
    const std::vector<sStep> middle = {
        // The journal's news, read and closed.
        {sStep::click, 5500, 676, 32, nullptr}, {sStep::shot, 5590, 0, 0, "journal.png"},
        {sStep::click, 5600, 400, 572, nullptr}, {sStep::move, 5610, 780, 580, nullptr},
        // The neighbour's letter: opened, accepted, what is missing looked at.
        {sStep::click, 7810, 722, 210, nullptr}, {sStep::shot, 7900, 0, 0, "offer.png"},
        {sStep::click, 7910, 310, 448, nullptr}, {sStep::move, 7920, 780, 580, nullptr},
        {sStep::click, 8050, 560, 90, nullptr}, {sStep::shot, 8140, 0, 0, "missing.png"},
        {sStep::click, 8150, 400, 448, nullptr}, {sStep::move, 8160, 780, 580, nullptr},
    };
    s.insert(s.end(), middle.begin(), middle.end());
    // The four beds mown, the grass into the barn: the hand-over is offered and taken.
    queue(s, 8200, {SCYTHE, bed(4), bed(5), bed(6), bed(7), BARN});
    s.push_back({sStep::shot, 10000, 0, 0, "handover.png"});
    s.push_back({sStep::click, 10010, 310, 448, nullptr});
    // The tomatoes to the barn; then the can and thirty-four waterings of a bed queued at once.
    std::vector<sPoint> plan = {bed(0), BARN, WELL};
    plan.insert(plan.end(), 34, bed(4));
    queue(s, 10110, plan);
    const std::vector<sStep> award = {
        {sStep::shot, 14900, 0, 0, "award.png"}, {sStep::click, 14910, 400, 460, nullptr},
        {sStep::shot, 14990, 0, 0, "wall.png"}, {sStep::click, 15000, 400, 552, nullptr},
        {sStep::move, 15010, 780, 580, nullptr},
    };
    s.insert(s.end(), award.begin(), award.end());
    queue(s, 15100, {SCYTHE, bed(4), bed(5), bed(6), bed(7), BARN});
    const std::vector<sStep> rest = {
        // The cow shed: the tab, the welcome, Build, the panel, the gift, placed, the gauge, loaded,
        // the free upgrade, loaded again.
        {sStep::click, 19510, 176, 32, nullptr}, {sStep::click, 19610, 440, 344, nullptr},
        {sStep::click, 19710, 722, 552, nullptr}, {sStep::click, 19810, 480, 206, nullptr},
        {sStep::shot, 19900, 0, 0, "build.png"}, {sStep::click, 19910, 78, 322, nullptr},
        {sStep::move, 19980, 300, 300, nullptr}, {sStep::click, 20010, 300, 300, nullptr},
        {sStep::move, 20030, 600, 450, nullptr}, {sStep::click, 20210, 484, 253, nullptr},
        {sStep::click, 20310, 262, 384, nullptr}, {sStep::move, 20320, 600, 450, nullptr},
        {sStep::shot, 20400, 0, 0, "upgrade.png"}, {sStep::click, 20410, 400, 552, nullptr},
        {sStep::move, 20420, 600, 450, nullptr}, {sStep::click, 20510, 262, 384, nullptr},
        {sStep::click, 20530, 262, 384, nullptr}, {sStep::click, 20550, 262, 384, nullptr},
        {sStep::move, 20560, 600, 450, nullptr}, {sStep::shot, 20700, 0, 0, "shed.png"},
        // Back to the farm; the grocer's letter accepted; the first goods' note.
        {sStep::click, 20710, 108, 32, nullptr}, {sStep::move, 20720, 780, 580, nullptr},
        // The tomatoes left on a bed that dried: the tip says why they stopped.
        {sStep::shot, 21700, 0, 0, "dry.png"}, {sStep::click, 21710, 500, 195, nullptr},
        {sStep::move, 21720, 780, 580, nullptr},
        {sStep::click, 22200, 722, 210, nullptr}, {sStep::click, 22300, 310, 448, nullptr},
        {sStep::move, 22310, 780, 580, nullptr}, {sStep::shot, 23790, 0, 0, "goods.png"},
        {sStep::click, 23800, 440, 344, nullptr},
        // The market: the price's tip, then all the milk to the stall at a price raised by one.
        {sStep::click, 23900, 40, 32, nullptr}, {sStep::click, 24000, 426, 403, nullptr},
        {sStep::click, 24120, 174, 262, nullptr}, {sStep::click, 24140, 297, 262, nullptr},
        {sStep::shot, 24190, 0, 0, "milk.png"}, {sStep::click, 24700, 108, 32, nullptr},
        {sStep::move, 24710, 780, 580, nullptr},
        // Pause, the main menu, and yes.
        {sStep::key, 24800, 0, 0, "Esc"}, {sStep::shot, 24850, 0, 0, "pause.png"},
        {sStep::click, 24860, 400, 466, nullptr}, {sStep::click, 24900, 305, 352, nullptr},
        {sStep::shot, 25020, 0, 0, "menu.png"},
    };
    s.insert(s.end(), rest.begin(), rest.end());
    return s;
}
const int FIRST_GAME_FRAMES = 25040;

// The program started again, a frame of 0.06 s: Play continues the farm; the grocer's time runs
// out and the failure says so in the grocer's words; no tip offers the new land, which waits for
// the bank's goal of noon; the pause menu and the main menu again.
const std::vector<sStep> NEXT_START = {
    {sStep::key, 60, 0, 0, "Space"}, {sStep::key, 120, 0, 0, "Space"}, {sStep::key, 180, 0, 0, "Space"},
    {sStep::click, 250, 400, 226, nullptr}, {sStep::move, 260, 780, 580, nullptr}, {sStep::shot, 400, 0, 0, "again.png"},
    {sStep::shot, 6100, 0, 0, "failed.png"}, {sStep::click, 6110, 400, 448, nullptr},
    {sStep::move, 6120, 780, 580, nullptr}, {sStep::key, 6200, 0, 0, "Esc"},
    {sStep::click, 6260, 400, 466, nullptr}, {sStep::click, 6300, 305, 352, nullptr},
};
const int NEXT_START_FRAMES = 6440;

// The tips a newcomer who follows them is shown, in order: each one seen, none passed over.
const std::vector<int> FIRST_GAME_TIPS = {0,  1,  2,  3,  4,  5,  6,  8,  9,  45, 7,  13, 14, 15, 16, 20, 21,
                                          22, 23, 39, 17, 18, 30, 31, 32, 35, 36, 37, 38, 48, 34, 24, 43, 11};
const std::vector<int> NEXT_START_TIPS = {};

// The variables a run leaves.
struct sKept {
    const char* name;
    const char* value;
    const char* why;
};
const std::vector<sKept> FIRST_GAME_LEAVES = {
    {"tip0", "1", "the welcome was shown"},
    {"Money", "149", "the gift, the packet the tutorial paid, grass, the neighbour's 60, milk; a bed, two deposits"},
    {"MGoodPrice0", "11", "the grass price the player raised"},
    {"MGoodPrice10", "25", "and the milk's, from its value of 24"},
    {"MGoodCount10", "2", "two bottles of four sold already"},
    {"FFC0", "1", "tomatoes sown on the first bed"},
    {"WGoodCount1", "1", "a tomato harvested into the barn"},
    {"awQCollect", "10", "ten harvests: the first bed, the tomatoes, two rounds of four"},
    {"ProdType0", "2", "the cow shed stands"},
    {"XProdPos0", "300", "where it was placed"},
    {"Upgrade0", "1", "with its free upgrade"},
    {"ProdCount0", "0", "the grass it was loaded with became milk"},
    {"tip33", "0", "with room to spare the player is not asked to pull it down"},
    {"letter0", "-1", "both letters opened"},
    {"task0", "7", "the grocer's contract runs"},
    {"awQTask", "1", "the neighbour's contract was met"},
    {"Award20Megaplanning", "1", "thirty well-aimed jobs queued at once won the planner's award"},
    {"awardShow19", "1", "and it was seen on the wall"},
    {"tip48", "1", "the workshop's loading tip was followed"},
    {"tip34", "1", "and its free upgrade taken"},
};
const std::vector<sKept> NEXT_START_LEAVES = {
    {"Money", "199", "the last two bottles sold while the farm went on"},
    {"ProdType0", "2", "the cow shed is still there"},
    {"Upgrade0", "1", "at its level"},
    {"Award20Megaplanning", "1", "the award stays won"},
    {"tip19", "0", "the new land is not offered before the bank's goal"},
    {"task0", "-1", "the grocer's contract ended"},
    {"awQTask", "0", "failed: the run of met contracts starts again"},
    {"MGoodCount10", "0", "all the milk sold"},
};

// Where the newcomer of the first game leaves it and comes back, once at each tip that waits on
// a job or gives something, and in the middle of each job: the frame of the road left at, the
// steps of the road the screen asks for again after the return (from _againFrom up to
// _againTo), and the tip shown first after the return.
struct sLeave {
    int at;
    int againFrom;
    int againTo;
    int tip;
    const char* why;
};
const std::vector<sLeave> LEAVES = {
    {935, 935, 935, 1, "the can being filled at the well"},
    {1150, 1110, 1150, 2, "the can carried to the first bed"},
    {1240, 1240, 1240, 3, "the first bed being watered"},
    {1380, 1380, 1380, 3, "the bed ripening"},
    {1600, 1510, 1600, 3, "walking for the scythe"},
    {1650, 1650, 1650, 4, "the scythe being taken"},
    {1750, 1710, 1750, 4, "walking to the ripe grass"},
    {1900, 1900, 1900, 5, "the grass being mown"},
    {2100, 2010, 2100, 5, "the harvest carried to the barn"},
    {2185, 2185, 2185, 6, "the harvest being stored"},
    {2525, 2510, 2525, 6, "the market opening"},
    {2600, 2510, 2600, 6, "the market's welcome"},
    {2660, 2510, 2520, 6, "the market's welcome read"},
    {2760, 2510, 2520, 6, "the grass line read"},
    {2945, 2945, 2945, 13, "the way back to the farm"},
    {3150, 3150, 3150, 13, "the coins for the first seeds"},
    {3230, 3210, 3230, 13, "the seed shop opening"},
    {3380, 3210, 3380, 13, "a packet to pick in the shop"},
    {3440, 3440, 3440, 16, "the packet on the mouse"},
    {3900, 3810, 3900, 20, "walking for the spade"},
    {3965, 3965, 3965, 21, "the spade being taken"},
    {4100, 4010, 4100, 21, "walking to dig"},
    {4250, 4250, 4250, 22, "the bed being dug, paid"},
    {4420, 4410, 4420, 22, "walking for the packet"},
    {4620, 4610, 4620, 23, "walking to sow"},
    {4700, 4700, 4700, 39, "the bed being sown"},
    {7880, 7810, 7880, 17, "the neighbour's letter open"},
    {19525, 19510, 19520, 30, "the workshops' tab clicked"},
    {19620, 19510, 19520, 30, "the workshops' welcome read"},
    {19725, 19510, 19725, 30, "the build panel opening"},
    {19850, 19510, 19850, 30, "the gift workshop to pick"},
    {19950, 19510, 19520, 30, "the gift workshop on the mouse"},
    {20250, 19510, 19520, 30, "the workshop to load"},
    {20350, 19510, 19520, 30, "the free upgrade"},
    {23950, 23900, 23950, 6, "the price's tip at the market"},
};
// After a return the game is under way again at this frame.
constexpr int BACK_IN_GAME = 400;

// A first game on the demo data and the start after it, from a home with no profile yet.
class FirstGameRun : public ::testing::Test {
protected:
    int run(const std::vector<sStep>& _steps, int _frames, const char* _frameTime, const std::string& _how)
    {
        std::string walk;
        for (const sStep& step : _steps)
            walk += line(step);
        writeFileBytes(m_folder.file("walk.txt"), walk);
        // The game runs in the test's folder, so the logs it writes there are this run's; the
        // built data is reached through a link.
        symlink(FURROW_BUILD "/Data", m_folder.file("Data").c_str());
        // A failure under the virtual display waits on its message box: the time limit ends it.
        const std::string command = "cd '" + m_folder.path() + "' && timeout 900 env FURROW_HOME='" + m_folder.file("home") +
                                    "' FURROW_REPLAY='" + m_folder.file("walk.txt") + "' FURROW_FRAME_TIME=" +
                                    _frameTime + " SDL_AUDIODRIVER=dummy FURROW_FRAMES=" + std::to_string(_frames) +
                                    " " + _how + " '" FURROW_GAME "'";
        return std::system(command.c_str());
    }
    std::string line(const sStep& _step) const
    {
        const std::string frame = std::to_string(_step.frame);
        const std::string at = std::to_string(_step.x) + " " + std::to_string(_step.y);
        switch (_step.kind) {
        case sStep::click:
            return frame + " move " + at + "\n" + std::to_string(_step.frame + 5) + " press left\n" +
                   std::to_string(_step.frame + 6) + " release left\n";
        case sStep::move: return frame + " move " + at + "\n";
        case sStep::text: return frame + " text " + _step.words + "\n";
        case sStep::key:
            return frame + " down " + _step.words + "\n" + std::to_string(_step.frame + 1) + " up " + _step.words + "\n";
        case sStep::shot: return frame + " shot " + m_folder.file(_step.words) + "\n";
        }
        return "";
    }
    std::string stored(const std::string& _name)
    {
        return playerFile::variable(m_folder.file("home/Furrow/profiles/00000001.xml"), _name);
    }
    void expectKept(const std::vector<sKept>& _values, const char* _when)
    {
        for (const sKept& kept : _values)
            EXPECT_EQ(stored(kept.name), kept.value) << kept.name << " " << _when << ": " << kept.why;
    }
    // The tips the tutorial's log says were shown since the last call, in order; the log is
    // emptied for the next run.
    std::vector<int> shownTips()
    {
        std::vector<int> tips;
        const std::string log = readFileBytes(m_folder.file("tutorial.log"));
        const std::regex shown("Tip ([0-9]+) is shown\\.");
        for (auto it = std::sregex_iterator(log.begin(), log.end(), shown); it != std::sregex_iterator(); ++it)
            tips.push_back(std::stoi((*it)[1]));
        std::remove(m_folder.file("tutorial.log").c_str());
        return tips;
    }
    // Whether the shot's pixel at _x _y is light paper, wood brown or field green.
    UInt pixel(const std::string& _name, UInt _x, UInt _y)
    {
        const std::string png = readFileBytes(m_folder.file(_name));
        const sImage image = loadImage(png.data(), png.size(), _name);
        return image.at(_x, _y);
    }
    static bool isPaper(UInt _argb)
    {
        return ((_argb >> 16) & 0xFF) > 220 && ((_argb >> 8) & 0xFF) > 200 && (_argb & 0xFF) > 150;
    }
    // The green face of a fair price.
    static bool isLeaf(UInt _argb)
    {
        const int r = (_argb >> 16) & 0xFF, g = (_argb >> 8) & 0xFF, b = _argb & 0xFF;
        return g > r + 20 && g > b + 20;
    }
    static bool isWood(UInt _argb)
    {
        const int r = (_argb >> 16) & 0xFF, g = (_argb >> 8) & 0xFF, b = _argb & 0xFF;
        return r > g && g > b && r < 230 && r - b > 50;
    }
    // Both runs; _how says where they play.
    void playBoth(const std::string& _how)
    {
        ASSERT_EQ(run(firstGame(), FIRST_GAME_FRAMES, "0.02", _how), 0);
        expectKept(FIRST_GAME_LEAVES, "after the first game");
        EXPECT_EQ(shownTips(), FIRST_GAME_TIPS) << "every tip followed, each where the road meets it";
        m_clock = std::stof(stored("GameTime"));
        EXPECT_GT(m_clock, 240.0f) << "the clock ran past the grocer's letter";
        EXPECT_GT(std::stof(stored("FFW4")), 0.0f) << "the watered bed is still wet";
        // The second start runs at the longest frame the game allows, for the grocer's six minutes.
        ASSERT_EQ(run(NEXT_START, NEXT_START_FRAMES, "0.06", _how), 0);
        expectKept(NEXT_START_LEAVES, "after the next start");
        EXPECT_EQ(shownTips(), NEXT_START_TIPS) << "no tip before noon";
        EXPECT_GT(std::stof(stored("GameTime")), 600.0f) << "the clock went on from where it stood past the deadline";
    }

    // The road after a return at _leave, up to _to: the game started again, the steps the
    // screen asks for again, then the road on; each keeps its distance from the first step
    // followed again, which comes once the game is under way. The frames of the run.
    static int resumed(const sLeave& _leave, int _to, std::vector<sStep>& _steps)
    {
        const std::vector<sStep> road = firstGame();
        const int shift = _leave.againFrom - BACK_IN_GAME;
        _steps.assign(NEXT_START.begin(), NEXT_START.begin() + 5);
        for (sStep step : road)
            if ((step.frame >= _leave.againFrom && step.frame < _leave.againTo) ||
                (step.frame >= _leave.at && step.frame < _to)) {
                step.frame -= shift;
                _steps.push_back(step);
            }
        return _to - shift;
    }

    cTempFolder m_folder;
    float m_clock = 0;
};

TEST_F(FirstGameRun, HeadlessTheFirstGameIsKeptAndGoesOn)
{
    playBoth("FURROW_PLATFORM=headless");
}

// The first game left and resumed at every leave point in turn, on one road: after each return
// the tip left comes again (or the one that leads back to it) and the road goes on; at its end
// the farm holds what the road without a return leaves. The stall sells at random moments, so
// the milk counts as money at its price.
TEST_F(FirstGameRun, LeftAndResumedAtEveryLessonTheFirstGameEndsTheSame)
{
    const char* how = "FURROW_PLATFORM=headless";
    std::vector<sStep> road = firstGame();
    road.erase(std::remove_if(road.begin(), road.end(), [](const sStep& _s) { return _s.frame >= LEAVES[0].at; }),
               road.end());
    ASSERT_EQ(run(road, LEAVES[0].at, "0.02", how), 0);
    std::vector<int> seen = shownTips();
    for (size_t i = 0; i < LEAVES.size(); ++i) {
        const int to = i + 1 < LEAVES.size() ? LEAVES[i + 1].at : FIRST_GAME_FRAMES;
        std::vector<sStep> steps;
        const int frames = resumed(LEAVES[i], to, steps);
        ASSERT_EQ(run(steps, frames, "0.02", how), 0) << LEAVES[i].why;
        const std::vector<int> tips = shownTips();
        ASSERT_FALSE(tips.empty()) << "no tip after leaving at " << LEAVES[i].why;
        EXPECT_EQ(tips.front(), LEAVES[i].tip) << "the first tip after leaving at " << LEAVES[i].why;
        seen.insert(seen.end(), tips.begin(), tips.end());
    }
    for (const int tip : FIRST_GAME_TIPS)
        EXPECT_NE(std::find(seen.begin(), seen.end(), tip), seen.end()) << "tip " << tip << " was never shown";
    for (const sKept& kept : FIRST_GAME_LEAVES) {
        const std::string name = kept.name;
        if (name == "Money" || name == "MGoodCount10")
            continue;
        EXPECT_EQ(stored(kept.name), kept.value) << kept.name << ": " << kept.why;
    }
    EXPECT_EQ(std::stoi(stored("Money")) + 25 * std::stoi(stored("MGoodCount10")), 149 + 25 * 2)
        << "the money, and the milk at its price";
}

// Under a virtual display: the tips' paper where they stand, the stall and the wall.
// Under a virtual display: the notes' paper where they stand, a fair price's face, the award and
// its wall, the cow shed's panel, the failure's paper, the pause menu.
TEST_F(FirstGameRun, UnderAVirtualDisplayTheFirstGameIsKeptAndGoesOn)
{
    playBoth("ASAN_OPTIONS=detect_leaks=0 xvfb-run -a");
    struct sLook {
        const char* shot;
        UInt x;
        UInt y;
        bool (*is)(UInt);
    };
    const sLook looks[] = {
        {"welcome.png", 560, 340, &isPaper}, {"sold.png", 322, 172, &isLeaf},  {"gift.png", 700, 250, &isPaper},
        {"award.png", 250, 440, &isPaper},   {"wall.png", 400, 70, &isWood},    {"dry.png", 400, 115, &isPaper},
        {"build.png", 480, 480, &isPaper},   {"shed.png", 400, 560, &isWood},   {"failed.png", 400, 320, &isPaper},
        {"pause.png", 400, 118, &isWood},
    };
    for (const sLook& look : looks)
        EXPECT_TRUE(look.is(pixel(look.shot, look.x, look.y))) << look.shot << " at " << look.x << "," << look.y;
}

} // namespace
