#include "SmokeRun.h"

#include <filesystem>
#include <vector>

namespace {

// The first bed row, the well, the barn and the tool sheds.
struct sPoint {
    int x, y;
};
sPoint bed(int _i) { return {330 + 54 * _i, 330}; }
constexpr sPoint WELL = {65, 265};
constexpr sPoint BARN = {185, 340};
constexpr sPoint SCYTHE = {215, 520};
constexpr sPoint SPADE = {75, 515};
// Where the packet is put down beside the fields.
constexpr sPoint PACKET = {450, 285};
// By then the round's tomatoes are in the barn and the hand-over is offered.
constexpr int HAND_OVER = 7700;

class GrocerRun : public cSmokeRun {
protected:
    // Clicks on _points one after another from _frame, as fast as a player queues the jobs.
    static std::string queue(int _frame, const std::vector<sPoint>& _points)
    {
        std::string walk;
        for (const sPoint& at : _points) {
            walk += click(_frame, at.x, at.y);
            _frame += 8;
        }
        return walk + move(_frame, 780, 580);
    }
    // The grocer's letter, opened and accepted from _frame on.
    static std::string accept(int _frame)
    {
        return click(_frame, 722, 210) + click(_frame + 100, 310, 448) + move(_frame + 110, 780, 580);
    }
    // A new player in a home of its own.
    void freshPlayer()
    {
        std::filesystem::remove_all(m_folder.file("home"));
        newPlayer();
    }
    // A player at 0:03:55 with the aunt's gift and the neighbour's pay, tomato seeds on sale.
    void before()
    {
        store("GameTime", "235");
        store("Money", "150");
        store("SeedAvail1", "1");
    }
public:
    // A newcomer who followed the tips: the contract's tip shows what is missing; one packet is
    // bought, its seeds sown in four new beds and watered.
    void followedTheTips()
    {
        freshPlayer();
        before();
        // The tips a letter and a contract bring are still to come.
        store("tip5", "0");
        store("tip18", "0");
        m_walk = accept(800) + click(1010, 560, 90) + click(1110, 400, 448) + move(1120, 780, 580) +
                 click(1200, 740, 120) + click(1300, 250, 230) + move(1320, PACKET.x, PACKET.y) +
                 click(1340, PACKET.x, PACKET.y) + move(1360, 780, 580) +
                 queue(1410, {SPADE, bed(0), bed(1), bed(2), bed(3), PACKET, bed(0), bed(1), bed(2), bed(3), WELL,
                              bed(0), WELL, bed(1), WELL, bed(2), WELL, bed(3)}) +
                 queue(5800, {SCYTHE, bed(0), bed(1), bed(2), bed(3), BARN});
    }
    // A player whose tutorial sowed one seed of the packet it paid for, who took the scythe
    // next and comes back after a restart with grass in the basket; then reads the letter and
    // does what it says.
    void madeTheMistakes()
    {
        freshPlayer();
        for (const char* tip : {"tip13", "tip14", "tip15", "tip16", "tip20", "tip21", "tip22", "tip23"})
            store(tip, "0");
        store("SeedAvail1", "1");
        store("GameTime", "200");
        store("Money", "100");
        // The tutorial's road: the shop, its card, the packet down, the spade, one bed dug and sown.
        const std::string tutorial = logos() + click(250, 400, 226) + click(500, 740, 120) + click(600, 642, 526) +
                                     click(700, 250, 230) + move(715, 400, 290) + move(720, PACKET.x, PACKET.y) +
                                     click(745, PACKET.x, PACKET.y) + move(760, 780, 580) +
                                     click(1100, SPADE.x, SPADE.y) + move(1110, 780, 580) + click(1300, 330, 330) +
                                     move(1310, 780, 580) + click(1700, PACKET.x, PACKET.y) + move(1710, 780, 580) +
                                     click(1900, 330, 330) + move(1910, 780, 580) +
                                     click(2300, SCYTHE.x, SCYTHE.y) + move(2310, 780, 580);
        ASSERT_EQ(runWith(tutorial, "FURROW_PLATFORM=headless FURROW_FRAMES=2700"), 0);
        EXPECT_EQ(stored("tip23"), "1") << "the tutorial's sowing was followed";
        EXPECT_EQ(stored("FFC0"), "1") << "one bed of tomatoes";
        EXPECT_EQ(stored("PCarry"), "6") << "the scythe taken, the packet put back";
        before();
        store("PCC0", "2");
        // The basket emptied at the barn, the packet's other seeds sown, every bed watered.
        m_walk = accept(800) + queue(1000, {BARN, SPADE, bed(1), bed(2), bed(3), PACKET, bed(1), bed(2), bed(3), WELL,
                                            bed(0), WELL, bed(1), WELL, bed(2), WELL, bed(3)}) +
                 queue(5600, {SCYTHE, bed(0), bed(1), bed(2), bed(3), BARN});
    }

protected:
    std::string m_walk;
};

struct sPlayer {
    const char* who;
    void (GrocerRun::*prepare)();
};

// The grocer's letter comes at 0:04:00 and is accepted; the player does what it says and harvests
// one round of a packet's beds into the barn: the hand-over is offered at once and taken, with
// minutes to spare.
TEST_F(GrocerRun, ThePlayerWhoDoesWhatTheLetterSaysMeetsTheGrocerAtTheFirstHarvest)
{
    for (const sPlayer& player : {sPlayer{"followed the tips", &GrocerRun::followedTheTips},
                                  sPlayer{"made the mistakes", &GrocerRun::madeTheMistakes}}) {
        (this->*player.prepare)();
        const std::string walk = logos() + click(340, 400, 226) + move(420, 780, 580) + m_walk +
                                 click(HAND_OVER, 310, 448);
        ASSERT_EQ(runWith(walk, "FURROW_PLATFORM=headless FURROW_FRAMES=" + std::to_string(HAND_OVER + 100)), 0);
        EXPECT_EQ(stored("task0"), "-1") << player.who << ": the contract ended";
        EXPECT_EQ(stored("awQTask"), "1") << player.who << ": met";
        EXPECT_EQ(stored("WGoodCount1"), "0") << player.who << ": one round, every tomato handed over";
        EXPECT_GE(std::stoi(stored("Money")), 300) << player.who << ": the reward of 300 and more";
        EXPECT_LT(std::stof(stored("GameTime")), 240.0f + 4 * 60) << player.who << ": within four of its six minutes";
    }
}

} // namespace
