#include "SmokeRun.h"

namespace {

// A new player's first game under a virtual display, the tutorial on: words typed at the main
// menu and in the game, then the production screen's tips one after another.
class TutorialRun : public cSmokeRun {
protected:
    // The note's paper is light in every channel; the grass and panels under it are not.
    bool isPaper(const std::string& _name, UInt _x, UInt _y)
    {
        const std::string png = readFileBytes(m_folder.file(_name));
        const sImage image = loadImage(png.data(), png.size(), _name);
        const UInt argb = image.at(_x, _y);
        return ((argb >> 16) & 0xFF) > 220 && ((argb >> 8) & 0xFF) > 210 && (argb & 0xFF) > 180;
    }
};

TEST_F(TutorialRun, TheProductionTipsLeadFromTheTabToAPlacedWorkshop)
{
    const std::string logos = key(60, "Space") + key(120, "Space") + key(180, "Space");
    // Money typed at the main menu does nothing; goods and upgrades typed in the game arrive.
    // The words in the game come after the aunt's gift of 0:00:02: the tips then hold the clock.
    const std::string walk = logos + "270 text Ann\n" + key(275, "Enter") + "315 text quartzfern\n" +
                             click(340, 400, 226) + click(410, 440, 344) + "560 text lanternquill\n570 text marigoldsloop\n" +
                             shot(630, "tab.png") + click(710, 176, 32) + click(790, 440, 344) +
                             shot(850, "build.png") + click(860, 722, 552) + click(940, 480, 206) +
                             click(1020, 78, 322) + "1070 move 300 300\n" + shot(1090, "place.png") +
                             "1100 press left\n1101 release left\n" + shot(1160, "gauge.png");
    ASSERT_EQ(run(walk, 1170), 0);
    EXPECT_EQ(stored("Money"), "100");
    EXPECT_EQ(stored("WGoodCount0"), "2");
    EXPECT_EQ(stored("UpAvail0"), "3");
    for (const char* tip : {"tip30", "tip31", "tip32", "tip35", "tip36", "tip37"})
        EXPECT_EQ(stored(tip), "1") << tip;
    // Each note where its control lets it stand whole: beside the tab, left of the Build
    // button, at the top while a workshop is placed, and above the new workshop's gauge.
    EXPECT_TRUE(isPaper("tab.png", 180, 240));
    EXPECT_TRUE(isPaper("build.png", 430, 420));
    EXPECT_TRUE(isPaper("build.png", 670, 330));
    EXPECT_TRUE(isPaper("place.png", 270, 200));
    EXPECT_TRUE(isPaper("place.png", 530, 110));
    EXPECT_TRUE(isPaper("gauge.png", 350, 250));
}

// The first tips of a new farm: the welcome, the well's after a few quiet seconds, then the first field's,
// each gone once the worker has done what it asks.
TEST_F(TutorialRun, TheWaterTipsLeadFromTheWellToTheFirstField)
{
    const std::string logos = key(60, "Space") + key(120, "Space") + key(180, "Space");
    const std::string walk = logos + "270 text Ann\n" + key(275, "Enter") + click(340, 400, 226) +
                             click(410, 440, 344) + shot(800, "well.png") + click(810, 65, 265) + shot(1150, "field.png") +
                             click(1160, 330, 330) + shot(1300, "watered.png");
    ASSERT_EQ(run(walk, 1310), 0);
    EXPECT_TRUE(isPaper("well.png", 60, 470));
    EXPECT_TRUE(isPaper("well.png", 290, 555));
    EXPECT_TRUE(isPaper("field.png", 370, 100));
    EXPECT_TRUE(isPaper("field.png", 620, 90));
    // Gone, where the field panel of the bed under the mouse does not stand.
    EXPECT_FALSE(isPaper("watered.png", 620, 90));
    EXPECT_EQ(stored("tip1"), "1");
    EXPECT_EQ(stored("tip2"), "1");
}

} // namespace
