#include "SmokeRun.h"

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
    // Between its words and its price's coin.
    const sRgb button = rgb("farm.png", 676, 374);
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

} // namespace
