#include "SmokeRun.h"

namespace {

class ContractRun : public cSmokeRun {};

// The letter of 0:04:00 comes to the post box, is opened and accepted; the warehouse already
// holds the tomatoes, so the hand-over is offered at once and taken. Then a contract that
// runs out with nothing delivered fails with its note.
TEST_F(ContractRun, AnAcceptedContractIsHandedOverAndALateOneFails)
{
    newPlayer();
    store("GameTime", "235");
    store("Money", "500");
    store("WGoodCount1", "20");
    const std::string deal = logos() + click(300, 400, 226) + click(900, 722, 213) + shot(960, "offer.png") +
                             click(970, 310, 448) + shot(1060, "handover.png") + click(1070, 310, 448) +
                             shot(1140, "passed.png");
    ASSERT_EQ(run(deal, 1150), 0);
    const auto seal = rgb("offer.png", 595, 150);
    EXPECT_GT(seal.r, 150u) << "the offer's wax seal";
    const auto ok = rgb("handover.png", 280, 448);
    EXPECT_GT(ok.g, ok.r) << "the green hand-over button";
    EXPECT_EQ(stored("task0"), "-1") << "the contract ended";
    EXPECT_EQ(stored("awQTask"), "1") << "and was passed";
    EXPECT_EQ(stored("WGoodCount1"), "16") << "the grocer's four tomatoes went to him";
    EXPECT_GT(std::stoi(stored("Money")), 650) << "the deposit paid, the reward won";

    // A contract of the same letter, three seconds before its deadline, with nothing to give.
    store("task0", "7");
    store("taskTime0", "3");
    store("req0_0", "4");
    store("WGoodCount1", "0");
    ASSERT_EQ(run(logos() + click(300, 400, 226) + shot(700, "failed.png"), 710), 0);
    const auto paper = rgb("failed.png", 400, 300);
    EXPECT_GT(paper.r, 200u) << "the failure's paper";
    EXPECT_EQ(stored("task0"), "-1");
    EXPECT_EQ(stored("awQTask"), "0");
}

// A game started again with a contract running shows its card as the barn stands from its
// first frames: the neighbour's four bundles are all in the barn, so the card ticks them
// instead of asking for four.
TEST_F(ContractRun, ARunningContractsCardCountsTheBarnAfterAStart)
{
    newPlayer();
    store("task0", "4");
    store("taskTime0", "100");
    store("WGoodCount0", "4");
    ASSERT_EQ(run(logos() + click(300, 400, 226) + shot(322, "card.png"), 324), 0);
    const auto tick = rgb("card.png", 607, 92);
    EXPECT_GT(tick.g, tick.r + 30) << "the green tick, where a count would stand";
}

} // namespace
