#include "SmokeRun.h"

namespace {

class FieldRun : public cSmokeRun {
protected:
    // How many pixels of the first field's top are tomato red.
    int redOfTheFirstField(const std::string& _shot)
    {
        int red = 0;
        for (UInt y = 305; y < 335; ++y)
            for (UInt x = 305; x < 355; ++x) {
                const sRgb c = rgb(_shot, x, y);
                red += c.r > 180 && c.g < 90 ? 1 : 0;
            }
        return red;
    }
};

// Two watered, fertile tomato beds, one just sown and one half grown (tomatoes take 30 s,
// here shortened to 12): both ripen, and they drink.
TEST_F(FieldRun, SownBedsGrowToRipeTomatoes)
{
    newPlayer();
    for (const char* bed : {"0", "1"}) {
        store(std::string("FFS") + bed, "0");
        store(std::string("FFC") + bed, "1");
        store(std::string("FFW") + bed, "100");
        store(std::string("FFF") + bed, "100");
    }
    store("FFP0", "12");
    store("FFP1", "6");
    const std::string walk = logos() + click(300, 400, 226) + move(400, 780, 580) + shot(450, "sown.png") +
                             shot(700, "growing.png") + shot(1200, "ripe.png");
    ASSERT_EQ(run(walk, 1210), 0);
    EXPECT_EQ(redOfTheFirstField("sown.png"), 0);
    EXPECT_GT(redOfTheFirstField("ripe.png"), 100);
    EXPECT_EQ(stored("FFS0"), "1") << "ripe";
    EXPECT_EQ(stored("FFS1"), "1");
    EXPECT_LT(std::stof(stored("FFW0")), 100.0f) << "the tomatoes drank";
}

} // namespace
