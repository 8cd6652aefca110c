// The moments a player would hate to lose are kept at once, not at the next autosave: the game
// is killed as soon as one is on the disk, and the next start finds it.
#include "GameToKill.h"
#include "SmokeRun.h"

#include <csignal>
#include <ostream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// Play goes on at the farm; then what the case does from frame 400.
const std::string PLAY = "340 move 400 226\n345 press left\n346 release left\n";

struct sMoment {
    const char* what;
    // The variables of the farm before the start: name and value.
    std::vector<std::pair<const char*, const char*>> before;
    std::string walk;
    // What the next start finds.
    const char* name;
    const char* kept;
};

void PrintTo(const sMoment& _moment, std::ostream* _out)
{
    *_out << _moment.what;
}

std::string clickAt(int _frame, int _x, int _y)
{
    return std::to_string(_frame) + " move " + std::to_string(_x) + " " + std::to_string(_y) + "\n" +
           std::to_string(_frame + 5) + " press left\n" + std::to_string(_frame + 6) + " release left\n";
}

// Five seconds before the neighbour's letter, with the aunt's gift in hand; the letter opened
// and accepted.
const std::vector<std::pair<const char*, const char*>> BEFORE_LETTER = {{"GameTime", "55"}, {"Money", "100"}};
const std::string ACCEPT = clickAt(900, 722, 210) + clickAt(1000, 310, 448);
// The cow shed on sale and, with the aunt's gift, the money for it and its first upgrade (short
// of the thousand that would present an award); the production screen,
// Build, the cow shed's card, put down on a free lot.
const std::vector<std::pair<const char*, const char*>> SHED_ON_SALE = {{"UpAvail2", "1"}, {"Money", "850"}};
const std::string BUILD = clickAt(500, 176, 32) + clickAt(600, 722, 552) + clickAt(700, 78, 322) +
                          "770 move 300 300\n" + clickAt(800, 300, 300) + "820 move 600 450\n";

const sMoment MOMENTS[] = {
    {"AContractAccepted", BEFORE_LETTER, ACCEPT, "task0", "4"},
    {"AContractMet", {{"GameTime", "55"}, {"Money", "100"}, {"WGoodCount0", "6"}}, ACCEPT + clickAt(1100, 310, 448), "awQTask", "1"},
    // Three seconds left of a contract nothing was brought for.
    {"AContractFailed", {{"task0", "4"}, {"taskTime0", "3"}, {"taskPassCancel0", "1"}, {"awQTask", "2"}}, "",
     "awQTask", "0"},
    {"ABuildingBought", SHED_ON_SALE, BUILD, "ProdType0", "2"},
    {"AnUpgradeBought", SHED_ON_SALE, BUILD + clickAt(1000, 400, 552), "Upgrade0", "1"},
    // A hundred harvests: the award is presented and taken from its card.
    {"AnAwardWon", {{"awQCollect", "100"}}, clickAt(800, 400, 460), "Award00Grow100", "1"},
};

class MomentSaveRun : public cSmokeRun, public ::testing::WithParamInterface<sMoment> {
protected:
    void SetUp() override { ASSERT_EQ(symlink(FURROW_BUILD "/Data", m_folder.file("Data").c_str()), 0); }
    // The game headless in the test's folder on _walk, killed as soon as the profile on the
    // disk holds the moment (the save written and put in place). However slow the disk, the
    // save that brings it is the one the moment asked for, made on the game clock of the
    // walk, never the autosave two minutes of play on.
    void playAndKill(const std::string& _walk, const sMoment& _moment)
    {
        const double started = std::stod(stored("GameTime"));
        writeFileBytes(m_folder.file("walk.txt"), _walk);
        const pid_t child = startGameToKill(m_folder.path(), m_folder.file("home"));
        ASSERT_GT(child, 0);
        std::string saved;
        int status = 0;
        const eGameWait wait = waitOnGame(child, [&] {
            saved = profile();
            return playerFile::valueIn(saved, _moment.name) == _moment.kept;
        }, status);
        ASSERT_NE(wait, eGameWait::ended) << "the game ended before it was killed, status " << status;
        ::kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the game was still running";
        ASSERT_EQ(wait, eGameWait::done) << "the moment never reached the disk";
        const std::string clock = playerFile::valueIn(saved, "GameTime");
        EXPECT_TRUE(clock != "missing" && std::stod(clock) < started + WALK_SECONDS)
            << "the moment reached the disk with a save made at " << clock << " s of play, the game started at " << started;
    }

    // Each walk is over within half a minute of play; the autosave comes two minutes on.
    static constexpr double WALK_SECONDS = 60;
};

TEST_P(MomentSaveRun, IsKeptThroughAKillRightAfterIt)
{
    const sMoment& moment = GetParam();
    ASSERT_EQ(runWith(logos() + "270 text Ann\n" + key(275, "Enter") + click(340, 400, 226),
                      "FURROW_PLATFORM=headless FURROW_FRAMES=420"), 0);
    passAllTips();
    for (const auto& [name, value] : moment.before)
        store(name, value);
    ASSERT_NE(stored(moment.name), moment.kept);
    playAndKill(logos() + PLAY + moment.walk, moment);
    ASSERT_EQ(runWith(logos() + PLAY, "FURROW_PLATFORM=headless FURROW_FRAMES=420"), 0);
    EXPECT_EQ(stored(moment.name), moment.kept) << moment.what;
}

INSTANTIATE_TEST_SUITE_P(Moments, MomentSaveRun, ::testing::ValuesIn(MOMENTS),
    [](const ::testing::TestParamInfo<sMoment>& _info) { return std::string(_info.param.what); });

} // namespace
