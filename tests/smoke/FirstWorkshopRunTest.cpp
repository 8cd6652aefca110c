#include "SmokeRun.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

// A new player who follows every tip and types no cheat word: the farm lessons, the market,
// the seed shop and the journal; the neighbour's letter read and put off; then, when the
// time-line offers the first workshop at 3:30, the production tips one after another up to the
// free first upgrade. The game clock must go on once that tip is met.
class FirstWorkshopRun : public cSmokeRun {
protected:
    // Clicks, each at its frame and place.
    static std::string clicks(const std::vector<std::pair<int, std::pair<int, int>>>& _clicks)
    {
        std::string walk;
        for (const auto& [frame, at] : _clicks)
            walk += click(frame, at.first, at.second);
        return walk;
    }
};

TEST_F(FirstWorkshopRun, ANewPlayerMeetsTheFreeUpgradeAndTheClockGoesOn)
{
    // The welcome; the well and the first field; the scythe, the ripe field and the barn.
    std::string walk = logos() + "270 text Ann\n" + key(275, "Enter") +
                       clicks({{340, {400, 226}}, {410, {440, 344}}, {900, {65, 265}}, {1250, {330, 330}}}) +
                       move(1690, 780, 580) + clicks({{1740, {215, 520}}, {1890, {330, 330}}}) + move(1900, 780, 580) +
                       click(2200, 185, 340) + move(2210, 780, 580);
    // The market: its welcome, the grass line, a bundle to the stall; back to the farm.
    walk += clicks({{2790, {40, 32}}, {2890, {440, 345}}, {2940, {204, 403}}, {3050, {104, 178}}, {3400, {108, 32}}}) +
            move(3410, 780, 580);
    // The seed shop and a packet put down; the spade, a bed dug and sown; the tip on the bed.
    walk += clicks({{4100, {740, 120}}, {4200, {640, 526}}, {4280, {250, 230}}}) + move(4295, 400, 290) +
            move(4300, 450, 285) + click(4325, 450, 285) + move(4340, 780, 580) +
            clicks({{4700, {75, 515}}, {4720, {330, 330}}}) + move(4730, 780, 580) + click(5200, 450, 285) +
            move(5210, 780, 580) + click(5290, 330, 330) + move(5300, 780, 580) + click(6000, 500, 195) +
            move(6010, 780, 580);
    // The journal read; at one minute of the clock the letter, read and put off for later.
    walk += clicks({{7100, {676, 32}}, {7200, {400, 572}}}) + move(7210, 780, 580) +
            clicks({{9500, {722, 210}}, {9600, {490, 447}}}) + move(9620, 780, 580);
    // At 3:30 the production tab; its welcome, Build, the workshop picked, placed, its gauge,
    // a unit loaded; the free upgrade; the workshop pulled down (no tip asks it while lots are
    // free); back to the farm while the clock runs.
    walk += clicks({{17500, {176, 32}}, {17590, {440, 344}}, {17680, {722, 552}}, {17760, {480, 206}},
                    {17840, {78, 322}}}) +
            move(17890, 300, 300) + clicks({{17915, {300, 300}}, {17970, {484, 253}}, {18030, {262, 384}}}) +
            click(18050, 262, 384) + move(18060, 600, 450) + click(18130, 400, 551) + click(18200, 553, 551) +
            click(18300, 108, 32) + move(18310, 780, 580);
    // No word typed but the player's name.
    ASSERT_EQ(walk.find(" text ", walk.find(" text Ann") + 1), std::string::npos);
    // Left right after the upgrade: the cow shed stands at level 1, paid for by nobody.
    ASSERT_EQ(runWith(walk, "FURROW_FRAMES=18190 FURROW_PLATFORM=headless"), 0);
    for (const char* tip : {"tip30", "tip31", "tip32", "tip35", "tip36", "tip37", "tip38", "tip48", "tip34"})
        EXPECT_EQ(stored(tip), "1") << tip;
    EXPECT_EQ(stored("ProdType0"), "2") << "the cow shed stands";
    EXPECT_EQ(stored("Upgrade0"), "1") << "upgraded for free";
    EXPECT_EQ(stored("Money"), "105");
    // The same road on: with lots to spare no tip asks for the only workshop to be pulled down,
    // and the clock, which stood at 3:30 through the workshop's tips, runs on the farm after them.
    std::filesystem::remove_all(m_folder.file("home"));
    ASSERT_EQ(runWith(walk, "FURROW_FRAMES=19500 FURROW_PLATFORM=headless"), 0);
    EXPECT_EQ(stored("tip33"), "0") << "a free lot: nothing to make room for";
    EXPECT_EQ(stored("awQDestroy"), "1");
    EXPECT_GT(std::stof(stored("GameTime")), 225.0f);
}

} // namespace
