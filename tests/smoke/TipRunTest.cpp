#include "SmokeRun.h"

namespace {

// A new player's first seconds and the tips that must wait, played under a virtual display.
class TipRun : public cSmokeRun {
protected:
    // Logos, the name, Play.
    static std::string start() { return logos() + "270 text Ann\n" + key(275, "Enter") + click(340, 400, 226); }
    // A cow shed standing in slot 0 where the first game puts it, grass in the barn.
    void standingCowShed()
    {
        for (const auto& kept : {std::make_pair("ProdType0", "2"), std::make_pair("Upgrade0", "0"),
                                 std::make_pair("XProdPos0", "300"), std::make_pair("YProdPos0", "300"),
                                 std::make_pair("WGoodCount0", "5"), std::make_pair("PCarry", "0")})
            store(kept.first, kept.second);
    }
    static bool same(const sRgb& _a, const sRgb& _b) { return _a.r == _b.r && _a.g == _b.g && _a.b == _b.b; }
    static bool isPaper(const sRgb& _c) { return _c.r > 220 && _c.g > 200 && _c.b > 150; }
};

// The beds of a new farm show what they hold from the first frame: young grass, dry, that waits
// for the water the first tips ask for, the same under the welcome and after it. A press past
// the welcome's Ok makes the Ok swell.
TEST_F(TipRun, ANewFarmsBedsShowWhatTheyHoldFromTheFirstFrame)
{
    const std::string walk = start() + shot(460, "first.png") + click(465, 700, 560) + shot(482, "pulse.png") +
                             click(520, 440, 344) + "530 move 780 580\n" + shot(700, "after.png");
    ASSERT_EQ(run(walk, 710), 0);
    EXPECT_GT(std::stof(stored("FFP0")), 0.0f) << "the bed has its growth ahead of it";
    EXPECT_EQ(stored("FFS0"), "0");
    for (const UInt x : {330u, 384u, 438u})
        EXPECT_TRUE(same(rgb("first.png", x, 420), rgb("after.png", x, 420))) << "the bed at " << x << ",420";
    // The Ok, 112 wide about x 440, reaches past x 500 only while it swells.
    EXPECT_FALSE(isPaper(rgb("pulse.png", 500, 345)));
    EXPECT_TRUE(isPaper(rgb("first.png", 500, 345)));
}

// The stall's tip asks for grass: with none in the barn it waits, and comes with the grass.
TEST_F(TipRun, TheStallTipWaitsForGrassToBring)
{
    newPlayer();
    for (const char* tip : {"tip7", "tip8", "tip9", "tip45"})
        store(tip, "0");
    // No grass to bring: a tomato in the barn is what opens the market.
    store("WGoodCount0", "0");
    store("WGoodCount1", "1");
    const std::string toMarket = logos() + click(250, 400, 226) + click(550, 40, 32);
    ASSERT_EQ(run(toMarket + shot(750, "hello.png") + click(760, 440, 344) + shot(850, "line.png") +
                      click(860, 204, 403) + shot(950, "waits.png"),
                  960),
              0);
    EXPECT_EQ(stored("tip9"), "1") << "the market's tips before it were read";
    EXPECT_EQ(stored("tip45"), "0") << "the stall's tip was not passed over";
    store("WGoodCount0", "5");
    ASSERT_EQ(run(toMarket + shot(760, "stall.png") + click(770, 104, 178), 840), 0);
    EXPECT_EQ(stored("tip45"), "1") << "shown once there was grass, and followed";
    EXPECT_EQ(stored("WGoodCount0"), "4") << "a bundle brought to the stall";
}

// The free upgrade's tip waits for the next level to come on sale.
TEST_F(TipRun, TheFreeUpgradeTipWaitsForTheLevelOnSale)
{
    newPlayer();
    standingCowShed();
    store("tip34", "0");
    store("UpAvail2", "0");
    const std::string walk = logos() + click(250, 400, 226) + click(350, 176, 32) + click(480, 300, 300) +
                             "490 move 600 450\n";
    ASSERT_EQ(run(walk, 560), 0);
    EXPECT_EQ(stored("tip34"), "0") << "not passed over while the level is not on sale";
    store("UpAvail2", "1");
    ASSERT_EQ(run(walk + shot(540, "upgrade.png") + click(550, 400, 552) + "560 move 600 450\n", 640), 0);
    EXPECT_EQ(stored("tip34"), "1");
    EXPECT_EQ(stored("Upgrade0"), "1") << "the free upgrade taken";
}

// Whether the player leaves while the goal holds the clock, or while the bigger barn's tip holds
// the meadow back (in a profile of this build, or of one that kept no place on the time-line),
// and comes back.
enum class eNoonLeave { NEVER, AT_THE_GOAL, AT_THE_BARNS_TIP, AT_THE_BARNS_TIP_EARLIER };
class NoonRun : public TipRun, public ::testing::WithParamInterface<eNoonLeave> {};

// Eight seconds before noon a player has 243 coins and grass in the barn; no tip has offered the
// new land or the bigger barn. At noon the journal tells of the bank's goal and a tag under the
// bar shows how far the savings are while the clock waits; the barn's grass brought to the stall
// meets it within a minute of play, and only then does the bigger barn come, its tip with it, then
// the meadow, whether or not the player left and came back while the goal or the tip waited.
TEST_P(NoonRun, TheGoalIsToldShownAndMetBeforeAnythingIsOfferedToSpend)
{
    const eNoonLeave leaves = GetParam();
    newPlayer();
    for (const auto& kept : {std::make_pair("GameTime", "712"), std::make_pair("Money", "243"),
                             std::make_pair("WGoodCount0", "12"), std::make_pair("tip19", "0"),
                             std::make_pair("tip26", "0")})
        store(kept.first, kept.second);
    const std::string play = logos() + click(250, 400, 226) + move(260, 780, 580);
    if (leaves == eNoonLeave::AT_THE_GOAL) {
        ASSERT_EQ(run(play, 900), 0);
        ASSERT_EQ(stored("mTrigger"), "300") << "the goal held the clock when the player left";
    }
    const std::string walk = play + shot(450, "before.png") + shot(800, "goal.png") + click(810, 676, 32) +
                             shot(900, "told.png") + click(910, 400, 572) + click(1000, 40, 32) +
                             click(1150, 173, 178) + click(2400, 108, 32) + move(2410, 780, 580) +
                             shot(2800, "met.png");
    if (leaves == eNoonLeave::AT_THE_BARNS_TIP || leaves == eNoonLeave::AT_THE_BARNS_TIP_EARLIER) {
        ASSERT_EQ(run(walk, 2805), 0);
        ASSERT_EQ(stored("fua"), "0") << "the barn's tip held the meadow back when the player left";
        if (leaves == eNoonLeave::AT_THE_BARNS_TIP_EARLIER)
            store("eventNext", "-1");
        ASSERT_EQ(run(play + shot(600, "again.png") + click(610, 310, 287) + move(620, 780, 580), 700), 0);
        EXPECT_TRUE(isPaper(rgb("again.png", 300, 200))) << "the bigger barn's tip again";
    } else {
        ASSERT_EQ(run(walk + click(2810, 310, 287), 2900), 0);
    }
    EXPECT_EQ(stored("mTrigger"), "0") << "the goal was met";
    EXPECT_GT(std::stof(stored("GameTime")), 720.0f) << "the clock went on";
    EXPECT_EQ(stored("UpAvail12"), "1") << "the bigger barn came once the goal was met";
    EXPECT_EQ(stored("fua"), "1") << "and, the barn's tip read, the meadow";
    EXPECT_EQ(stored("tip19"), "0") << "the land's tip was never offered before";
    EXPECT_TRUE(isPaper(rgb("goal.png", 37, 88))) << "the tag under the bar";
    EXPECT_EQ(isPaper(rgb("before.png", 37, 88)), leaves == eNoonLeave::AT_THE_GOAL)
        << "a tag before noon only if it was noon";
    EXPECT_FALSE(isPaper(rgb("met.png", 37, 88))) << "no tag once the goal is met";
    EXPECT_TRUE(isPaper(rgb("met.png", 300, 200))) << "then the bigger barn's tip";
    EXPECT_TRUE(isPaper(rgb("told.png", 300, 450))) << "the journal's page";
}

std::string noonName(const ::testing::TestParamInfo<eNoonLeave>& _info)
{
    const char* names[] = {"PlayedThrough", "LeftAtTheGoal", "LeftAtTheBarnsTip", "LeftAtTheBarnsTipEarlierBuild"};
    return names[int(_info.param)];
}

INSTANTIATE_TEST_SUITE_P(Noon, NoonRun,
    ::testing::Values(eNoonLeave::NEVER, eNoonLeave::AT_THE_GOAL, eNoonLeave::AT_THE_BARNS_TIP,
                      eNoonLeave::AT_THE_BARNS_TIP_EARLIER),
    noonName);

// A moment of a lesson left and come back to. The profile holds a new player's farm with every
// tip seen but the lesson's, and _before; the walks start after Play. _moment says the game was
// left where it was meant to be; _after is what the farm holds once the player has followed what
// the screen said after the return (a number there, or at least one: ">=95"); while the lesson
// holds it, the clock stays below _clockBelow.
// Where the clock runs, the aunt's 100 coins of 0:00:02 come with it.
struct sReturnCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> before;
    std::string toTheMoment;
    int leaveAt;
    std::vector<std::pair<const char*, const char*>> moment;
    std::string afterReturn;
    int endAt;
    std::vector<std::pair<const char*, const char*>> after;
    float clockBelow;
};

class ReturnRun : public TipRun, public ::testing::WithParamInterface<size_t> {
public:
    static std::string play() { return logos() + click(250, 400, 226) + move(260, 780, 580); }
    static const std::vector<sReturnCase>& cases()
    {
        static const std::vector<sReturnCase> s_cases = {
            {"TheGrassBeingMown",
             {{"tip4", "0"}, {"tip5", "0"}, {"FFS0", "1"}, {"FFW0", "50"}, {"PCarry", "6"}, {"tutJustProc", "3"}},
             click(450, 330, 330) + move(460, 780, 580), 680, {{"tip4", "1"}, {"PCC0", "0"}, {"FFS0", "1"}},
             click(500, 185, 340) + move(510, 780, 580), 800,
             {{"WGoodCount0", "1"}, {"PCC0", "0"}, {"FFS0", "0"}, {"tip5", "1"}}, 0},
            {"TheCoinsForTheFirstSeeds", {{"tip13", "0"}, {"SeedAvail1", "1"}, {"Money", "100"}}, "", 520,
             {{"Money", "110"}, {"tip13", "0"}}, click(500, 740, 120) + move(510, 780, 580), 600,
             {{"Money", "110"}, {"tip13", "1"}}, 0},
            {"TheGiftWorkshopOnTheMouse", {{"tip36", "0"}, {"tip37", "0"}, {"UpAvail2", "1"}, {"Money", "100"}},
             click(450, 176, 32) + click(550, 722, 552) + click(650, 78, 322) + move(700, 300, 300), 760,
             {{"tip36", "1"}, {"Upgrade0", "-1"}},
             click(450, 176, 32) + move(550, 300, 300) + click(580, 300, 300) + move(600, 600, 450), 700,
             {{"ProdType0", "2"}, {"Upgrade0", "0"}, {"Money", "200"}, {"tip37", "1"}}, 0},
            {"TheBedBeingDugPaid", {{"PCarry", "2"}, {"Money", "100"}}, click(450, 330, 330) + move(460, 780, 580),
             700, {{"Money", "195"}, {"FFS0", "0"}}, "", 650, {{"FFS0", "3"}, {"Money", "195"}}, 0},
            {"TheScythesTipHoldingTheClock",
             {{"tip3", "0"}, {"tip4", "0"}, {"tip5", "0"}, {"FFS0", "1"}, {"FFW0", "50"}, {"GameTime", "9.4"}},
             "", 600, {{"FFS0", "1"}}, click(500, 215, 520) + move(510, 780, 580), 800,
             {{"tip3", "1"}, {"PCarry", "6"}}, 10.0f},
            {"TheMarketsWelcome",
             {{"tip6", "0"}, {"tip7", "0"}, {"tip8", "0"}, {"tip9", "0"}, {"tip45", "0"}, {"WGoodCount0", "1"},
              {"marketIt", "0"}, {"GameTime", "9.5"}},
             click(450, 40, 32), 620, {{"tip6", "1"}, {"tip8", "0"}}, click(450, 40, 32) + click(600, 440, 344), 700,
             {{"tip8", "1"}, {"marketIt", "1"}}, 10.0f},
            {"TheSprinklerOnTheMouse",
             {{"Money", "1300"}, {"UpAvail13", "2"}, {"Upgrade33", "2"}, {"Award16Getting1000Gold", "1"},
              {"Award06Earn1000perMinute", "1"}},
             click(450, 40, 188) + move(500, 300, 380), 560, {{"SPExist0", "0"}, {"SPStatus0", "2"}},
             move(450, 300, 380) + move(460, 420, 390) + "470 press left\n471 release left\n", 560,
             {{"SPExist0", "1"}, {"SPStatus0", "0"}, {"SPXPos0", "421"}}, 0},
            // The worker's jobs, the hose's included: a bed left being sprayed fills as it would have
            // without the return, a job under way goes on for the time it still needed, and a job
            // done is not done again.
            {"TheBedBeingWateredWithTheHose", {{"Upgrade33", "1"}, {"PCarry", "11"}, {"FFW0", "0"}},
             click(450, 330, 330) + move(460, 780, 580), 500, {{"PCarry", "11"}}, "", 650,
             {{"FFW0", ">=95"}, {"PCarry", "11"}, {"PJob", "0"}}, 0},
            {"TheCanPouredThenFilledAgain", {{"FFW0", "0"}},
             click(450, 66, 300) + click(470, 330, 330) + click(490, 66, 300) + move(500, 780, 580), 1100,
             {{"WaterLevel", "100"}}, "", 500, {{"WaterLevel", "100"}, {"FFW0", ">=90"}}, 0},
            // Left 0.3 s before the bed is dug, it is dug in the first second after the return.
            {"TheBedBeingDugNearlyDone", {{"PCarry", "2"}, {"Money", "100"}}, click(450, 330, 330) + move(460, 780, 580),
             720, {{"FFS0", "0"}, {"Money", "195"}}, "", 330, {{"FFS0", "3"}, {"Money", "195"}}, 0},
            // Left in the moment after a tip was followed into a screen, a panel or a letter and
            // before that lesson's first tip: the tip that leads there comes again.
            {"TheSeedShopOpening", {{"tip13", "0"}, {"tip14", "0"}, {"tip15", "0"}, {"SeedAvail1", "1"}},
             click(500, 740, 120), 515, {{"tip13", "1"}, {"tip14", "0"}, {"tutShown", "-1"}}, "", 600,
             {{"tutShown", "13"}, {"tip13", "0"}}, 0.5f},
            {"TheMarketAfterItsWelcome",
             {{"tip6", "0"}, {"tip7", "0"}, {"tip8", "0"}, {"tip9", "0"}, {"tip45", "0"}, {"WGoodCount0", "1"},
              {"marketIt", "0"}, {"GameTime", "9.5"}},
             click(450, 40, 32) + click(600, 440, 344), 610, {{"tip8", "1"}, {"tip9", "0"}, {"tutShown", "-1"}},
             click(450, 40, 32), 600, {{"tutShown", "9"}, {"marketIt", "1"}}, 9.7f},
            {"TheBuildPanelOpening",
             {{"tip30", "0"}, {"tip31", "0"}, {"tip32", "0"}, {"tip35", "0"}, {"tip36", "0"}, {"tip37", "0"},
              {"tip38", "0"}, {"tip48", "0"}, {"tip34", "0"}, {"UpAvail2", "1"}},
             click(450, 176, 32) + click(550, 440, 344) + click(650, 722, 552), 665,
             {{"tip32", "1"}, {"tip35", "0"}, {"tutShown", "-1"}}, click(450, 176, 32), 600,
             {{"tutShown", "32"}, {"tip30", "1"}}, 0.5f},
            // A first visit with an empty barn leaves the stall's lesson for a visit with goods: the
            // way to the market does not come again for it.
            {"TheMarketVisitedWithAnEmptyBarn",
             {{"tip6", "0"}, {"tip7", "0"}, {"tip8", "0"}, {"tip9", "0"}, {"tip45", "0"}, {"WGoodCount0", "0"},
              {"WGoodCount1", "1"}, {"marketIt", "0"}, {"GameTime", "9.5"}},
             click(450, 40, 32) + click(600, 440, 344) + click(700, 204, 403) + click(800, 108, 32), 900,
             {{"tip6", "1"}, {"tip9", "1"}, {"tip45", "0"}, {"marketIt", "1"}, {"tutShown", "-1"}}, "", 600,
             {{"tip6", "1"}, {"marketIt", "1"}, {"tutShown", "-1"}}, 0},
            // The stall's lesson given, the way back to the farm is the return itself.
            {"TheStallsGoodsBroughtBeforeTheWayBack",
             {{"tip6", "0"}, {"tip7", "0"}, {"tip8", "0"}, {"tip9", "0"}, {"tip45", "0"}, {"WGoodCount0", "5"},
              {"marketIt", "0"}, {"GameTime", "9.5"}},
             click(450, 40, 32) + click(600, 440, 344) + click(700, 204, 403) + click(800, 104, 178), 812,
             {{"tip45", "1"}, {"tip7", "0"}, {"WGoodCount0", "4"}, {"tutShown", "-1"}}, click(450, 40, 32), 600,
             {{"tip7", "1"}, {"tutShown", "-1"}}, 0},
            // Left between the goods' lesson and the stall's, with grass to bring: the way to the
            // market comes again, and the visit it opens is the first once more.
            {"TheStallsLessonDue",
             {{"tip6", "0"}, {"tip7", "0"}, {"tip8", "0"}, {"tip9", "0"}, {"tip45", "0"}, {"WGoodCount0", "5"},
              {"marketIt", "0"}, {"GameTime", "9.5"}},
             click(450, 40, 32) + click(600, 440, 344) + click(700, 204, 403), 710,
             {{"tip9", "1"}, {"tip45", "0"}, {"tutShown", "-1"}}, "", 600, {{"tutShown", "6"}, {"marketIt", "0"}}, 0},
            // The first visit's lessons given and the way back taken, the price and the chart wait
            // for the visits after it: the way to the market does not come again for them.
            {"TheFirstVisitsLessonsGiven",
             {{"tip6", "0"}, {"tip7", "0"}, {"tip8", "0"}, {"tip9", "0"}, {"tip45", "0"}, {"tip11", "0"},
              {"tip12", "0"}, {"WGoodCount0", "5"}, {"marketIt", "0"}, {"GameTime", "9.5"}},
             click(450, 40, 32) + click(600, 440, 344) + click(700, 204, 403) + click(800, 104, 178) +
                 click(900, 108, 32),
             1000, {{"tip45", "1"}, {"tip7", "1"}, {"marketIt", "1"}, {"tutShown", "-1"}}, "", 600,
             {{"tip6", "1"}, {"marketIt", "1"}, {"tutShown", "-1"}}, 0},
            // With an empty barn the stall's lesson waits and leads nowhere: the goods' lesson alone
            // brings the way to the market back, or the next visit would be no first one and give
            // neither.
            {"TheMarketsWelcomeReadWithAnEmptyBarn",
             {{"tip6", "0"}, {"tip7", "0"}, {"tip8", "0"}, {"tip9", "0"}, {"tip45", "0"}, {"WGoodCount0", "0"},
              {"WGoodCount1", "1"}, {"marketIt", "0"}, {"GameTime", "9.5"}},
             click(450, 40, 32) + click(600, 440, 344), 610, {{"tip8", "1"}, {"tip9", "0"}, {"tutShown", "-1"}},
             click(450, 40, 32), 600, {{"tutShown", "9"}, {"marketIt", "1"}}, 0},
            {"TheNeighboursLetterOpen", {{"tip17", "0"}, {"tip18", "0"}, {"GameTime", "59"}},
             click(500, 722, 210), 540, {{"tip17", "1"}, {"letState0", "1"}, {"tutShown", "-1"}},
             "", 600, {{"tutShown", "17"}, {"letState0", "0"}, {"task0", "-1"}}, 60.6f},
        };
        return s_cases;
    }
    int runHeadless(const std::string& _walk, int _frames)
    {
        return runWith(_walk, "FURROW_PLATFORM=headless FURROW_FRAMES=" + std::to_string(_frames) +
                                  " ASAN_OPTIONS=detect_leaks=0");
    }
};

// Left in the middle of a lesson and come back to, the farm has lost nothing paid or given and
// been given nothing twice, the lesson's tip comes again (or the one leading back to it) and holds
// the clock as it did, and following it takes the lesson on.
TEST_P(ReturnRun, NothingPaidOrGivenIsLostAndTheLessonGoesOn)
{
    const sReturnCase& c = cases()[GetParam()];
    newPlayer();
    for (const auto& value : c.before)
        store(value.first, value.second);
    ASSERT_EQ(runHeadless(play() + c.toTheMoment, c.leaveAt), 0);
    for (const auto& value : c.moment)
        ASSERT_EQ(stored(value.first), value.second) << value.first << " when the game was left";
    ASSERT_EQ(runHeadless(play() + c.afterReturn, c.endAt), 0);
    for (const auto& value : c.after) {
        // ">=95": a number that must reach at least that much.
        const std::string wanted = value.second;
        if (wanted.compare(0, 2, ">=") == 0) {
            EXPECT_GE(std::stof(stored(value.first)), std::stof(wanted.substr(2))) << value.first << " after the return";
        } else {
            EXPECT_EQ(stored(value.first), wanted) << value.first << " after the return";
        }
    }
    if (c.clockBelow > 0) {
        EXPECT_LT(std::stof(stored("GameTime")), c.clockBelow) << "the lesson held the clock";
    }
}

INSTANTIATE_TEST_SUITE_P(Return, ReturnRun, ::testing::Range(size_t(0), ReturnRun::cases().size()),
                         [](const ::testing::TestParamInfo<size_t>& _info) {
                             return std::string(ReturnRun::cases()[_info.param].name);
                         });

// Back on the production screen by way of the market, the workshop chosen before is still chosen:
// its gauge and load button stand at hand, and the load button answers at once.
TEST_F(TipRun, TheProductionScreenKeepsItsWorkshopChosen)
{
    newPlayer();
    standingCowShed();
    store("UpAvail2", "1");
    const std::string walk = logos() + click(250, 400, 226) + click(450, 176, 32) + click(600, 300, 300) +
                             "610 move 600 450\n" + click(700, 108, 32) + click(860, 40, 32) + click(1020, 176, 32) +
                             "1030 move 600 450\n" + shot(1150, "back.png") + click(1160, 262, 384);
    ASSERT_EQ(run(walk, 1220), 0);
    EXPECT_TRUE(isPaper(rgb("back.png", 300, 415))) << "the workshop's panel is shown";
    EXPECT_EQ(stored("WGoodCount0"), "4") << "one bundle loaded";
}

} // namespace
