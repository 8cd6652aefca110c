#include "platform/ImageLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

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

// A newcomer's first game, the tutorial on, as the tips lead: the well and the first field, the
// scythe and the harvest into the barn, the market with a bundle sold, the seed shop, the spade
// and a bed dug and sown with tomatoes, the journal read; then goods and upgrades typed in, a
// sheep fold built and loaded; the pause menu and back to the main menu. The tips hold the game's
// clock while they wait for the player, so no letter comes in this first run.
const std::vector<sStep> FIRST_GAME = {
    {sStep::key, 60, 0, 0, "Space"}, {sStep::key, 120, 0, 0, "Space"}, {sStep::key, 180, 0, 0, "Space"},
    {sStep::text, 270, 0, 0, "Ann"}, {sStep::key, 275, 0, 0, "Enter"}, {sStep::click, 340, 400, 226, nullptr}, {sStep::click, 410, 440, 344, nullptr},
    {sStep::shot, 890, 0, 0, "well.png"}, {sStep::click, 900, 65, 265, nullptr}, {sStep::click, 1250, 330, 330, nullptr},
    {sStep::move, 1690, 780, 580, nullptr}, {sStep::shot, 1730, 0, 0, "ripe.png"}, {sStep::click, 1740, 215, 520, nullptr},
    {sStep::click, 1890, 330, 330, nullptr}, {sStep::move, 1900, 780, 580, nullptr}, {sStep::shot, 2190, 0, 0, "harvest.png"},
    {sStep::click, 2200, 185, 340, nullptr}, {sStep::move, 2210, 780, 580, nullptr},
    // The market: its welcome, the grass line, one bundle to the stall; back to the farm.
    {sStep::click, 2790, 40, 32, nullptr}, {sStep::click, 2890, 440, 345, nullptr}, {sStep::click, 2940, 204, 403, nullptr},
    {sStep::click, 3050, 104, 178, nullptr}, {sStep::shot, 3390, 0, 0, "sold.png"}, {sStep::click, 3400, 108, 32, nullptr},
    {sStep::move, 3410, 780, 580, nullptr},
    // The seed shop, a packet of tomatoes put down beside the fields; the spade, a bed, the sowing.
    {sStep::click, 4100, 740, 120, nullptr}, {sStep::shot, 4190, 0, 0, "shop.png"}, {sStep::click, 4200, 640, 526, nullptr},
    {sStep::click, 4280, 250, 230, nullptr}, {sStep::move, 4295, 400, 290, nullptr}, {sStep::move, 4300, 450, 285, nullptr},
    {sStep::click, 4325, 450, 285, nullptr}, {sStep::move, 4340, 780, 580, nullptr}, {sStep::click, 4700, 75, 515, nullptr},
    {sStep::click, 4720, 330, 330, nullptr}, {sStep::move, 4730, 780, 580, nullptr}, {sStep::click, 5200, 450, 285, nullptr},
    {sStep::move, 5210, 780, 580, nullptr}, {sStep::click, 5290, 330, 330, nullptr}, {sStep::move, 5300, 780, 580, nullptr},
    {sStep::shot, 5990, 0, 0, "sown.png"}, {sStep::click, 6000, 500, 195, nullptr}, {sStep::move, 6010, 780, 580, nullptr},
    // The journal's news, read and closed.
    {sStep::click, 7100, 676, 32, nullptr}, {sStep::shot, 7190, 0, 0, "journal.png"}, {sStep::click, 7200, 400, 572, nullptr},
    {sStep::move, 7210, 780, 580, nullptr},
    // Goods and upgrades typed in; the production screen, a sheep fold placed and loaded.
    {sStep::text, 7300, 0, 0, "lanternquill"}, {sStep::text, 7310, 0, 0, "marigoldsloop"},
    {sStep::click, 7340, 176, 32, nullptr}, {sStep::click, 7430, 440, 344, nullptr}, {sStep::click, 7520, 722, 552, nullptr},
    {sStep::click, 7600, 480, 570, nullptr}, {sStep::click, 7680, 78, 200, nullptr}, {sStep::move, 7730, 300, 300, nullptr},
    {sStep::click, 7755, 300, 300, nullptr},
    {sStep::click, 7810, 484, 253, nullptr}, {sStep::click, 7870, 262, 384, nullptr}, {sStep::click, 7890, 262, 384, nullptr},
    {sStep::move, 7900, 600, 450, nullptr}, {sStep::shot, 7940, 0, 0, "fold.png"},
    // Pause, the main menu, and yes.
    {sStep::key, 7990, 0, 0, "Esc"}, {sStep::shot, 8040, 0, 0, "pause.png"}, {sStep::click, 8050, 400, 466, nullptr},
    {sStep::click, 8090, 305, 352, nullptr}, {sStep::shot, 8210, 0, 0, "menu.png"},
};
const int FIRST_GAME_FRAMES = 8230;

// The program started again: Play continues the farm; an award is presented and its wall left;
// two more bundles of grass typed in; the tip on the drying tomato bed read; the neighbour's
// letter comes at one minute of the clock, is accepted, and the grass handed over.
const std::vector<sStep> NEXT_START = {
    {sStep::key, 60, 0, 0, "Space"}, {sStep::key, 120, 0, 0, "Space"}, {sStep::key, 180, 0, 0, "Space"},
    {sStep::click, 250, 400, 226, nullptr}, {sStep::move, 260, 600, 450, nullptr}, {sStep::shot, 400, 0, 0, "again.png"},
    {sStep::text, 410, 0, 0, "q01"}, {sStep::shot, 550, 0, 0, "award.png"}, {sStep::click, 560, 400, 460, nullptr},
    {sStep::shot, 640, 0, 0, "wall.png"}, {sStep::click, 660, 400, 552, nullptr}, {sStep::shot, 760, 0, 0, "back.png"},
    {sStep::text, 780, 0, 0, "lanternquill"}, {sStep::click, 1500, 500, 195, nullptr},
    {sStep::click, 2760, 722, 210, nullptr}, {sStep::shot, 2830, 0, 0, "offer.png"},
    {sStep::click, 2840, 310, 448, nullptr}, {sStep::shot, 2930, 0, 0, "handover.png"},
    {sStep::click, 2940, 310, 448, nullptr}, {sStep::move, 2950, 780, 580, nullptr},
};
const int NEXT_START_FRAMES = 3040;

// The variables a run leaves.
struct sKept {
    const char* name;
    const char* value;
    const char* why;
};
const std::vector<sKept> FIRST_GAME_LEAVES = {
    {"Money", "105", "the gift, a bundle sold at its value, the packet the tutorial paid, a bed paid"},
    {"FFC0", "1", "tomatoes sown on the first bed"},
    {"FFS0", "0", "and growing, wet from the can: the beds stand still while the tips hold the game"},
    {"WGoodCount0", "2", "the grass left in the barn"},
    {"WGoodCount3", "0", "the cucumbers went into the fold"},
    {"ProdType0", "0", "the sheep fold stands"},
    {"XProdPos0", "300", "where it was placed"},
    {"ProdCount0", "2", "loaded with two"},
    {"SeedAvail1", "1", "tomato seeds on sale"},
    {"PCarry", "10", "the worker holds the tomato packet"},
    {"letter0", "-1", "no contract yet: the tips hold the clock"},
    {"tip9", "1", "the market's tips were read"},
    {"tip48", "1", "the workshop's gauge tip was read"},
};
const std::vector<sKept> NEXT_START_LEAVES = {
    {"Money", "155", "the deposit of 10 paid, the reward of 60 won"},
    {"FFC0", "1", "the tomato bed is still there"},
    {"ProdType0", "0", "and the sheep fold"},
    {"XProdPos0", "300", "where it was placed"},
    {"SeedAvail1", "1", "tomato seeds still on sale"},
    {"PCarry", "10", "the packet still in the worker's hands"},
    {"tip48", "1", "the tips read stay read"},
    {"WGoodCount0", "0", "four bundles went to the neighbour"},
    {"letter0", "-1", "the letter was opened"},
    {"task0", "-1", "the contract ended"},
    {"awQTask", "1", "handed over in time"},
    {"Award00Grow100", "1", "the award was won"},
    {"awardShow0", "1", "and seen on the wall"},
};

// A first game on the demo data and the start after it, from a home with no profile yet.
class FirstGameRun : public ::testing::Test {
protected:
    int run(const std::vector<sStep>& _steps, int _frames, const std::string& _how)
    {
        std::string walk;
        for (const sStep& step : _steps)
            walk += line(step);
        writeFileBytes(m_folder.file("walk.txt"), walk);
        // A failure under the virtual display waits on its message box: the time limit ends it.
        const std::string command = "cd '" FURROW_BUILD "' && timeout 600 env FURROW_HOME='" + m_folder.file("home") +
                                    "' FURROW_REPLAY='" + m_folder.file("walk.txt") +
                                    "' FURROW_FRAME_TIME=0.02 SDL_AUDIODRIVER=dummy FURROW_FRAMES=" +
                                    std::to_string(_frames) + " " + _how + " '" FURROW_GAME "'";
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
    // A game variable as the profile kept it, its UTF-16 narrowed.
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
    void expectKept(const std::vector<sKept>& _values, const char* _when)
    {
        for (const sKept& kept : _values)
            EXPECT_EQ(stored(kept.name), kept.value) << kept.name << " " << _when << ": " << kept.why;
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
    static bool isWood(UInt _argb)
    {
        const int r = (_argb >> 16) & 0xFF, g = (_argb >> 8) & 0xFF, b = _argb & 0xFF;
        return r > g && g > b && r < 230 && r - b > 50;
    }
    // Both runs; _how says where they play.
    void playBoth(const std::string& _how)
    {
        ASSERT_EQ(run(FIRST_GAME, FIRST_GAME_FRAMES, _how), 0);
        expectKept(FIRST_GAME_LEAVES, "after the first game");
        m_clock = std::stof(stored("GameTime"));
        EXPECT_GT(m_clock, 15.0f);
        ASSERT_EQ(run(NEXT_START, NEXT_START_FRAMES, _how), 0);
        expectKept(NEXT_START_LEAVES, "after the next start");
        EXPECT_GT(std::stof(stored("GameTime")), 60.0f) << "the clock went on from where it stood to the letter";
    }

    cTempFolder m_folder;
    float m_clock = 0;
};

TEST_F(FirstGameRun, HeadlessTheFirstGameIsKeptAndGoesOn)
{
    playBoth("FURROW_PLATFORM=headless");
}

// Under a virtual display: the tips' paper where they stand, the stall and the wall.
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
        {"well.png", 240, 540, &isPaper},    {"ripe.png", 300, 280, &isPaper},  {"harvest.png", 380, 130, &isPaper},
        {"sold.png", 600, 400, &isPaper},    {"shop.png", 400, 133, &isWood},   {"sown.png", 600, 175, &isPaper},
        {"journal.png", 400, 450, &isPaper}, {"fold.png", 240, 380, &isPaper}, {"pause.png", 400, 118, &isWood},
        {"wall.png", 400, 70, &isWood},      {"wall.png", 300, 520, &isWood},   {"offer.png", 400, 300, &isPaper},
        {"handover.png", 400, 300, &isPaper},
    };
    for (const sLook& look : looks)
        EXPECT_TRUE(look.is(pixel(look.shot, look.x, look.y))) << look.shot << " at " << look.x << "," << look.y;
}

} // namespace
