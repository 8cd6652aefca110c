#include "SmokeRun.h"

namespace {

// A player with money to spend and the tutorial read, the hand pump on sale: the can from the
// well waters a field, the well becomes a pump whose hose sprays another, the pump a motor
// pump that sells a sprinkler, and the sprinkler set down waters the fields around it.
class WaterRun : public cSmokeRun {
protected:
    static bool bluish(UInt _argb) { return (_argb & 0xFF) > ((_argb >> 16) & 0xFF) + 40; }
    static bool greenish(UInt _argb) { return ((_argb >> 8) & 0xFF) > ((_argb >> 16) & 0xFF) + 30; }
};

TEST_F(WaterRun, TheCanTheHoseAndASprinklerWaterTheFields)
{
    const std::string logos = key(60, "Space") + key(120, "Space") + key(180, "Space");
    ASSERT_EQ(run(logos + "270 text Ann\n" + key(275, "Enter"), 320), 0);
    for (const auto& value : {std::pair{"Money", "1300"}, {"UpAvail13", "2"}, {"Award16Getting1000Gold", "1"},
                              {"Award06Earn1000perMinute", "1"}})
        store(value.first, value.second);
    for (int i = 0; i < 50; ++i)
        store("tip" + std::to_string(i), "1");
    // Play; the well, then the first field with the can; the pump for 300, its hose on the
    // second field; the motor pump for 800; a sprinkler bought for 120 and set down among the
    // fields.
    const std::string walk = logos + click(300, 400, 226) + click(400, 66, 300) + shot(610, "can.png") +
                             click(620, 330, 330) + click(920, 40, 188) + click(980, 66, 300) + click(1160, 384, 330) +
                             shot(1200, "hose.png") + click(1300, 40, 188) + click(1340, 42, 186) +
                             "1350 move 300 380\n1360 move 420 390\n1370 press left\n1371 release left\n" +
                             shot(1500, "sprinkler.png");
    ASSERT_EQ(run(walk, 1520), 0);
    // The well's water, the hand pump's green iron, the motor pump's blue tank.
    EXPECT_TRUE(bluish(pixel("can.png", 66, 268))) << std::hex << pixel("can.png", 66, 268);
    EXPECT_TRUE(greenish(pixel("hose.png", 62, 250))) << std::hex << pixel("hose.png", 62, 250);
    EXPECT_TRUE(bluish(pixel("sprinkler.png", 48, 238))) << std::hex << pixel("sprinkler.png", 48, 238);
    EXPECT_EQ(stored("Upgrade33"), "2");
    EXPECT_EQ(stored("PCarry"), "11") << "the worker stands by the pump with the hose";
    EXPECT_EQ(stored("SPExist0"), "1");
    EXPECT_EQ(stored("SPStatus0"), "0");
    // Kept from the farm's ground, which stands a pixel left of the screen.
    EXPECT_EQ(stored("SPXPos0"), "421");
    EXPECT_GT(std::stof(stored("FFW0")), 0.0f) << "watered with the can";
    EXPECT_GT(std::stof(stored("FFW1")), 50.0f) << "watered with the hose";
    // 1300 and what the time-line gave, less 300, 800 and 120.
    EXPECT_LT(std::stoi(stored("Money")), 1300 - 300 - 800 - 120 + 200);
}

// A sprinkler set down among the beds, the game left from the market: the next start finds it
// where it stood, watering the beds around it.
TEST_F(WaterRun, ASprinklerKeepsItsPlaceWhenTheGameIsLeftFromAnotherScreen)
{
    const std::string logos = key(60, "Space") + key(120, "Space") + key(180, "Space");
    ASSERT_EQ(run(logos + "270 text Ann\n" + key(275, "Enter"), 320), 0);
    for (const auto& value : {std::pair{"Money", "1300"}, {"UpAvail13", "2"}, {"Upgrade33", "2"},
                              {"Award16Getting1000Gold", "1"}, {"Award06Earn1000perMinute", "1"}, {"WGoodCount0", "2"}})
        store(value.first, value.second);
    passAllTips();
    // The sprinkler bought at the motor pump and set down at (420, 390); the market (open to
    // the grass in the barn); Escape, the main menu and yes.
    const std::string walk = logos + click(300, 400, 226) + click(400, 40, 188) +
                             "450 move 300 380\n460 move 420 390\n470 press left\n471 release left\n" +
                             click(520, 40, 32) + key(640, "Esc") + click(700, 400, 466) + click(760, 305, 352);
    ASSERT_EQ(run(walk, 900), 0);
    EXPECT_EQ(stored("SPExist0"), "1");
    EXPECT_EQ(stored("SPXPos0"), "421");
    EXPECT_EQ(stored("SPYPos0"), "390");
    for (int field = 0; field < 16; ++field)
        store("FFW" + std::to_string(field), "0");
    // The drops fly: one of three frames a fifth of a second apart shows one at the sprinkler.
    ASSERT_EQ(run(logos + click(250, 400, 226) + shot(480, "again0.png") + shot(490, "again1.png") +
                      shot(500, "again2.png"),
                  520),
              0);
    EXPECT_EQ(stored("SPXPos0"), "421");
    EXPECT_EQ(stored("SPYPos0"), "390");
    // The beds beside it, at (384, 390) and (438, 390), are watered again.
    EXPECT_GT(std::stof(stored("FFW9")), 0.0f);
    EXPECT_GT(std::stof(stored("FFW10")), 0.0f);
    bool watered = false;
    for (const char* again : {"again0.png", "again1.png", "again2.png"})
        watered = watered || bluish(pixel(again, 420, 370));
    EXPECT_TRUE(watered);
}

} // namespace
