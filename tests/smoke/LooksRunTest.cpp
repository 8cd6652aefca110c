#include "SmokeRun.h"

#include <algorithm>
#include <cstdlib>

namespace {

class LooksRun : public cSmokeRun {
protected:
    static bool isPaper(const sRgb& _c) { return _c.r > 235 && _c.g > 215 && _c.b > 170; }
    static bool isLeaf(const sRgb& _c) { return _c.g > _c.r + 30 && _c.g > _c.b + 30; }
    static bool isInk(const sRgb& _c) { return _c.r < 130 && _c.g < 100 && _c.b < 70; }
    // The red of a note's letters within the rectangle.
    int redPixels(const std::string& _shot, UInt _left, UInt _top, UInt _right, UInt _bottom)
    {
        int count = 0;
        for (UInt y = _top; y < _bottom; ++y)
            for (UInt x = _left; x < _right; ++x) {
                const sRgb c = rgb(_shot, x, y);
                count += c.r > 140 && c.g < 100 && c.b < 90;
            }
        return count;
    }

    sImage picture(const std::string& _name)
    {
        const std::string png = readFileBytes(m_folder.file(_name));
        return loadImage(png.data(), png.size(), _name);
    }
    // What a tooltip brought to the screen: the shot against the bare one of the same place
    // just before the tip faded in. Below the bar only, whose clock turns between the two.
    struct sTipLook {
        int letters = 0;  // new pixels of the tips' brown letters
        int stray = 0;    // of those, the ones with no paper of the bubble around them
        int atEdge = 0;   // new paper on the screen's left, right or bottom edge
    };
    sTipLook tipLook(const std::string& _bare, const std::string& _shot)
    {
        const sImage bare = picture(_bare), shot = picture(_shot);
        const auto brought = [&](UInt _x, UInt _y) {
            const UInt a = bare.at(_x, _y), b = shot.at(_x, _y);
            int most = 0;
            for (int bits = 0; bits < 24; bits += 8)
                most = std::max(most, std::abs(int((a >> bits) & 0xFF) - int((b >> bits) & 0xFF)));
            return most > 40;
        };
        // Paper, the bubble's or a panel's under it; the clouds are whiter.
        const auto paperAt = [&](UInt _x, UInt _y) {
            const sRgb c = split(shot.at(_x, _y));
            return c.r > 235 && c.g > 220 && c.b > 170 && c.b < 235;
        };
        const auto letterAt = [&](UInt _x, UInt _y) {
            const sRgb c = split(shot.at(_x, _y));
            return std::abs(int(c.r) - 0x55) < 8 && std::abs(int(c.g) - 0x34) < 8 && std::abs(int(c.b) - 0x19) < 8 &&
                   brought(_x, _y);
        };
        // A letter's stroke is never wider than this, so paper is always this near a letter in its bubble.
        const int reach = 6;
        sTipLook look;
        for (UInt y = BAR_HEIGHT; y < shot.height; ++y)
            for (UInt x = 0; x < shot.width; ++x) {
                if ((x == 0 || x + 1 == shot.width || y + 1 == shot.height) && paperAt(x, y) && brought(x, y))
                    ++look.atEdge;
                if (!letterAt(x, y))
                    continue;
                ++look.letters;
                bool paper = false;
                for (int dy = -reach; dy <= reach && !paper; ++dy)
                    for (int dx = -reach; dx <= reach && !paper; ++dx) {
                        const int px = int(x) + dx, py = int(y) + dy;
                        paper = px >= 0 && py >= 0 && px < int(shot.width) && py < int(shot.height) &&
                                paperAt(UInt(px), UInt(py));
                    }
                look.stray += !paper;
            }
        return look;
    }
    static sRgb split(UInt _c) { return {(_c >> 16) & 0xFF, (_c >> 8) & 0xFF, _c & 0xFF}; }
    // Rests the cursor on _x, _y long enough for the tip to fade in, with a bare shot before it.
    std::string hover(int _frame, const std::string& _name, int _x, int _y) const
    {
        return move(_frame, _x, _y) + shot(_frame + 3, _name + "-bare.png") + shot(_frame + 70, _name + ".png") +
               move(_frame + 80, 400, 5);
    }

    static constexpr UInt BAR_HEIGHT = 60;
};

// A farm of the first minutes with the meadow on sale, the cow shed and the hen house on
// sale and 260 coins: the field sale button, the journal, the market's lines, the build panel
// with a card too dear and clicked, and an award's card, each looked at.
TEST_F(LooksRun, TheFarmsPanelsShowWhatTheyHoldWhereItCanBeRead)
{
    newPlayer();
    for (const auto& [name, value] : std::vector<std::pair<const char*, const char*>>{
             {"GameTime", "0"}, {"Money", "160"}, {"fua", "1"}, {"UpAvail2", "1"}, {"UpAvail1", "0"}, {"SeedAvail3", "1"}})
        store(name, value);
    const std::string walk = logos() + click(340, 400, 226) + move(420, 780, 580) + shot(1300, "farm.png") +
                             click(1310, 676, 32) + shot(1400, "journal.png") + click(1410, 400, 572) +
                             click(1500, 40, 32) + shot(1600, "market.png") + click(1610, 108, 32) +
                             click(1700, 176, 32) + click(1800, 722, 552) + click(1910, 206, 200) +
                             shot(1950, "build.png") + click(2000, 756, 104) + "2100 text q20\n" +
                             shot(2300, "award.png");
    ASSERT_EQ(run(walk, 2320), 0);
    // The field sale button stands on the meadow it sells, clear of the bushes by the post box.
    EXPECT_TRUE(isLeaf(rgb("farm.png", 700, 300))) << "the bushes by the post box";
    EXPECT_TRUE(isLeaf(rgb("farm.png", 548, 262))) << "the tree's crown";
    const sRgb button = rgb("farm.png", 640, 374);
    EXPECT_TRUE(button.r > 200 && button.g > 170 && button.b < 130) << "the button on the meadow";
    // Each note of the journal has its ring beside its first line.
    EXPECT_TRUE(isInk(rgb("journal.png", 178, 210))) << "the welcome's ring";
    EXPECT_TRUE(isInk(rgb("journal.png", 178, 258))) << "the seeds' ring, two lines down";
    // The milk keeps the third line, whatever came on sale after it.
    const sRgb milk = rgb("market.png", 34, 262);
    EXPECT_TRUE(milk.r > 200 && milk.g > 200 && milk.b > 200) << "the milk bottle on the third line";
    // The cow shed (300) is too dear: dimmed beside the hen house (200), and a click says so.
    EXPECT_LT(rgb("build.png", 60, 195).g, 90u) << "the hen house's red wall";
    EXPECT_GT(rgb("build.png", 232, 195).g, 120u) << "the cow shed's wall, dimmed";
    EXPECT_GT(redPixels("build.png", 110, 288, 300, 306), 50) << "the note under the card";
    // No line runs through the award's title.
    EXPECT_TRUE(isPaper(rgb("award.png", 245, 356))) << "beside the title";
}

// Every hover tip of the farm and the production screen, with the farm's buildings and five
// workshops at each level in turn (the well's top is its third) and the farm's upgrade buttons
// while there is a level to buy: the text the tip brings stays in its bubble, and the bubble on
// the screen. The post box holds a contract letter; the awards for money and for buildings at
// their top are won already, so that none is presented over the tips.
TEST_F(LooksRun, EveryHoverTipKeepsItsTextInItsBubble)
{
    // A tip's kind: a workshop's, or another on one of the two screens.
    constexpr int FARM = -1, YARD = -2;
    struct sTip {
        const char* name;
        int x, y;
        int kind;
        int from, to;  // the levels that show it: an upgrade button while there is one to buy
    };
    const sTip tips[] = {{"well", 60, 290, FARM, 0, 3},           {"well-upgrade", 40, 188, FARM, 0, 1},
                         {"sprinkle-button", 42, 186, FARM, 2, 3}, {"barn", 185, 360, FARM, 0, 3},
                         {"barn-upgrade", 140, 422, FARM, 0, 2},   {"spade-shed", 75, 520, FARM, 0, 3},
                         {"spade-upgrade", 45, 580, FARM, 0, 2},   {"scythe-hut", 215, 520, FARM, 0, 3},
                         {"scythe-upgrade", 185, 580, FARM, 0, 2}, {"seed-shop", 740, 120, FARM, 0, 3},
                         {"post-box", 722, 213, FARM, 0, 3},       {"field", 330, 330, FARM, 0, 3},
                         {"workshop-0", 90, 150, 0, 0, 3},         {"workshop-3", 710, 150, 3, 0, 3},
                         {"workshop-6", 90, 420, 6, 0, 3},         {"workshop-9", 710, 420, 9, 0, 3},
                         {"workshop-10", 400, 300, 10, 0, 3},      {"build-button", 708, 552, YARD, 0, 3}};
    newPlayer();
    for (int level = 0; level <= 3; ++level) {
        const std::string up = std::to_string(level);
        for (const auto& [name, value] : std::vector<std::pair<std::string, std::string>>{
                 {"GameTime", "250"}, {"Money", "5000"}, {"SeedAvail3", "1"}, {"UpAvail0", "0"}, {"UpAvail11", "3"},
                 {"UpAvail12", "3"}, {"UpAvail13", "2"}, {"UpAvail14", "3"}, {"letter0", "7"}, {"letTime0", "85"},
                 {"Award07UpgradeAllFarmDepots", "1"}, {"awardShow7", "1"}, {"Award09UpgradeAllManufactureDepots", "1"},
                 {"awardShow9", "1"}, {"Award16Getting1000Gold", "1"}, {"awardShow16", "1"}, {"Upgrade31", up},
                 {"Upgrade32", up}, {"Upgrade33", std::to_string(std::min(level, 2))}, {"Upgrade34", up}})
            store(name, value);
        std::string walk = logos() + click(300, 400, 226);
        int frame = 400, slot = 0;
        bool inYard = false;
        for (const sTip& tip : tips) {
            if (level < tip.from || level > tip.to)
                continue;
            if (tip.kind != FARM && !inYard) {
                walk += click(frame, 176, 32);
                frame += 100;
                inYard = true;
            }
            if (tip.kind >= 0) {
                const std::string n = std::to_string(slot++);
                store("ProdType" + n, std::to_string(tip.kind));
                store("Upgrade" + n, up);
                store("XProdPos" + n, std::to_string(tip.x));
                store("YProdPos" + n, std::to_string(tip.y));
            }
            walk += hover(frame, up + "-" + tip.name, tip.x, tip.y);
            frame += 90;
        }
        ASSERT_EQ(run(walk, frame), 0) << "level " << level;
        for (const sTip& tip : tips) {
            if (level < tip.from || level > tip.to)
                continue;
            const std::string name = up + "-" + tip.name;
            const sTipLook look = tipLook(name + "-bare.png", name + ".png");
            EXPECT_GT(look.letters, 100) << name << ": the tip shows its text";
            EXPECT_LT(look.stray, 12) << name << ": letters out of the bubble";
            EXPECT_EQ(look.atEdge, 0) << name << ": the bubble leaves the screen";
        }
    }
}

} // namespace
