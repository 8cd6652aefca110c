#include "SmokeRun.h"

namespace {

// A player who has a barn of grass, tomatoes and milk and has seen the tutorial: to the
// market, ten grass to the stall, the price up twice, and a few seconds of trade.
class MarketRun : public cSmokeRun {};

TEST_F(MarketRun, GoodsBroughtToTheStallSellAtThePlayersPrice)
{
    const std::string logos = key(60, "Space") + key(120, "Space") + key(180, "Space");
    ASSERT_EQ(run(logos + "270 text Ann\n" + key(275, "Enter") + click(340, 400, 226), 420), 0);
    for (const auto& value : {std::pair{"WGoodCount0", "24"}, {"WGoodCount1", "8"}, {"WGoodCount10", "12"},
                              {"SeedAvail1", "1"}, {"Upgrade32", "2"}, {"MGoodPrice0", "6"}})
        store(value.first, value.second);
    for (int i = 0; i < 50; ++i)
        store("tip" + std::to_string(i), "1");
    // Play, the market tab, +10 on the first line (grass), the price up twice.
    const std::string walk = logos + click(300, 400, 226) + click(380, 40, 32) + shot(450, "market.png") +
                             click(460, 138, 178) + click(480, 298, 178) + click(500, 298, 178) +
                             shot(520, "on-sale.png") + shot(800, "selling.png");
    ASSERT_EQ(run(walk, 820), 0);
    // The stall's paper, a line's cream row, the green +1 button.
    EXPECT_GT((pixel("market.png", 600, 400) >> 16) & 0xFF, 230u);
    EXPECT_GT((pixel("market.png", 200, 165) >> 16) & 0xFF, 230u);
    const UInt plus = pixel("market.png", 98, 184);
    EXPECT_GT((plus >> 8) & 0xFF, plus & 0xFF) << std::hex << plus;
    EXPECT_EQ(stored("WGoodCount0"), "14");
    EXPECT_EQ(stored("MGoodPrice0"), "8");
    EXPECT_LT(std::stoi(stored("MGoodCount0")), 10) << "some grass sold in five seconds";
    EXPECT_GT(std::stoi(stored("Money")), 100);
}

} // namespace
