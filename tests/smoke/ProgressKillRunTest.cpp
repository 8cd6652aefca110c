// Saves as the player goes on, and kills at any moment of a game.
#include "ProgressRun.h"

#include <gtest/gtest.h>

#include "GameToKill.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <csignal>
#include <ostream>
#include <string>
#include <thread>

#include <sys/wait.h>

namespace {

// --- Saving while playing --------------------------------------------------------------

struct sSaveCase {
    const char* what;
    // Ann has played once before (two saves) and has seen every tip: nothing greets her.
    bool returning;
    std::string walk;
    int frames;
    // Saves: one as the first game starts, one as each game ends, and those of the safe points.
    unsigned saves;
};

void PrintTo(const sSaveCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class SaveWhilePlayingRun : public ProgressRun, public ::testing::WithParamInterface<sSaveCase> {};

TEST_P(SaveWhilePlayingRun, TheProgressIsWrittenAtEachSafePoint)
{
    if (GetParam().returning) {
        ASSERT_EQ(play(NEW_PLAYER, GAME_FRAMES), 0);
        for (int i = 0; i < 50; ++i)
            setVariable("00000001.xml", "tip" + std::to_string(i), "1");
    }
    ASSERT_EQ(play(GetParam().walk, GetParam().frames), 0);
    EXPECT_EQ(variable("00000001.xml", "SaveStamp"), std::to_string(GetParam().saves));
    EXPECT_EQ(stamp("00000001.save"), GetParam().saves);
}

INSTANTIATE_TEST_SUITE_P(Saves, SaveWhilePlayingRun,
    ::testing::Values(sSaveCase{"AGameLeftAtOnce", false, NEW_PLAYER, GAME_FRAMES, 2},
        // The first game greets the newcomer, and the greeting holds the game clock; real
        // time still runs.
        sSaveCase{"TwoMinutesOfAFirstGame", false, NEW_PLAYER, GAME_FRAMES + TWO_MINUTES, 3},
        sSaveCase{"ThePauseMenuOpened", true, BACK_TO_GAME + key(400, "Esc"), GAME_FRAMES + 40, 4},
        // The pause menu holds the game clock too.
        sSaveCase{"TwoMinutesInThePauseMenu", true, BACK_TO_GAME + key(400, "Esc"), GAME_FRAMES + TWO_MINUTES, 5}),
    [](const ::testing::TestParamInfo<sSaveCase>& _info) { return std::string(_info.param.what); });

// The stamp of the level state Ann's variables go with.
unsigned claimed(const ProgressRun& _run, const std::string& _file)
{
    std::string value = _run.variable(_file, "LevelStateStamp");
    if (value == "missing")
        value = _run.variable(_file, "SaveStamp");
    return value == "missing" ? 0 : static_cast<unsigned>(std::stoul(value));
}

// A kill at any moment of a game costs at most the save under way: straight after the kill the
// variables go with the level state or with its last copy (a level state one save ahead), and
// the next start finds that pair; the temporary files the kill left are gone. The game saves
// every few frames (the pause menu asks for a save each time it opens), and each kill waits
// for a state of the disk, not for a time: a save in flight, or a save put in place.
TEST_F(ProgressRun, AKillAtAnyMomentLeavesAWholePairBehind)
{
    prepareTwoSaves();
    std::string walk = BACK_TO_GAME;
    for (int frame = 400; frame < 40000; frame += 12)
        walk += key(frame, "Esc");
    writeFileBytes(m_folder.file("walk.txt"), walk);
    for (int kill = 0; kill < 6; ++kill) {
        const unsigned before = stamp("00000001.save");
        const pid_t child = startGameToKill(m_folder.path(), home());
        ASSERT_GT(child, 0);
        // Some saves into the game: at the next save in flight, or as soon as one is in place.
        const unsigned target = before + 1 + kill / 2;
        const auto saved = [&] { return stamp("00000001.save") >= target; };
        const auto inFlight = [&] { return stamp("00000001.save") >= target - 1 && !temporaries().empty(); };
        bool reached = false;
        for (int poll = 0; poll < 120000 && !reached; ++poll) {
            reached = kill % 2 == 0 ? saved() : inFlight();
            if (!reached)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        const unsigned seen = stamp("00000001.save");
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(reached) << "the game never saved, kill " << kill;

        const unsigned vars = claimed(*this, "00000001.xml");
        const unsigned level = stamp("00000001.save");
        EXPECT_TRUE(level == vars || (level == vars + 1 && stamp("00000001.save.bak") == vars))
            << "kill " << kill << ": variables of save " << vars << " beside level states " << level << " and "
            << stamp("00000001.save.bak");
        EXPECT_GE(vars + 1, seen) << "kill " << kill << " lost more than the save under way";
        EXPECT_GE(claimed(*this, "00000001.xml.bak") + 1, vars) << "kill " << kill;

        ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0) << "after kill " << kill;
        EXPECT_GE(money(), 777) << "after kill " << kill;
        EXPECT_EQ(variable("00000001.xml", "SaveStamp"), std::to_string(stamp("00000001.save"))) << "after kill " << kill;
        EXPECT_FALSE(exists("00000002.xml"));
        EXPECT_TRUE(temporaries().empty()) << temporaries().front();
    }
}

// --- Kills during a start that restores or salvages -------------------------------------

// The start is ended once the game it opens has saved twice: well after its notices were shown.
const char* const PLAYED_ON = "played on";

struct sStartKillCase {
    const char* what;
    std::function<void(ProgressRun&)> damage;
    // The point of the start it is ended at (FURROW_KILL_AT); none: killed at the main menu,
    // once the player has been told (a new player: once she is in the index); or PLAYED_ON.
    const char* killAt;
    // The one notice the next start tells, and a second one; none: it tells nothing.
    const char* told;
    const char* alsoTold = nullptr;
    // Ann is made by the start that is killed: she never had a save.
    bool newPlayer = false;
};

void PrintTo(const sStartKillCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class StartKillRun : public ProgressRun, public ::testing::WithParamInterface<sStartKillCase> {};

// Whatever step of a start a kill ends, the next start finds everything that was on the disk
// before it: a salvaged farm is never lost to a new one, and the reason told stays the damage,
// told once, until it has been shown.
TEST_P(StartKillRun, TheNextStartLosesNothing)
{
    const sStartKillCase& kill = GetParam();
    if (!kill.newPlayer)
        prepareTwoSaves();
    kill.damage(*this);
    if (kill.killAt && kill.killAt != PLAYED_ON) {
        ASSERT_EQ(play(kill.newPlayer ? NEW_PLAYER : BACK_TO_GAME, GAME_FRAMES, std::string("FURROW_KILL_AT=") + kill.killAt),
            137);
    } else {
        std::string walk = kill.newPlayer ? LOGOS + "270 text Ann\n" + key(275, "Enter") : kill.killAt ? BACK_TO_GAME : LOGOS;
        // Played on: the pause menu saves each time it opens.
        for (int frame = 400; kill.killAt && frame < 40000; frame += 12)
            walk += key(frame, "Esc");
        const unsigned before = stamp("00000001.save");
        writeFileBytes(m_folder.file("walk.txt"), walk);
        const pid_t child = startGameToKill(m_folder.path(), home());
        ASSERT_GT(child, 0);
        int status = 0;
        const eGameWait wait = waitOnGame(child, [&] {
            return kill.killAt == PLAYED_ON ? stamp("00000001.save") >= before + 2 :
                   kill.newPlayer           ? exists("profiles.xml") && text("profiles.xml").find("\"Ann\"") != std::string::npos :
                                              errors().find("The player is told") != std::string::npos;
        }, status);
        ::kill(child, SIGKILL);
        waitpid(child, &status, 0);
        ASSERT_EQ(wait, eGameWait::done) << errors();
    }
    clearErrors();

    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);

    EXPECT_GE(money(), kill.newPlayer ? 0 : 777) << errors();
    EXPECT_EQ(variable("00000001.xml", "SaveStamp"), std::to_string(stamp("00000001.save")));
    EXPECT_EQ(errors().find("starts afresh"), std::string::npos) << errors();
    const std::string log = errors();
    size_t notices = 0;
    for (size_t at = log.find("The player is told"); at != std::string::npos; at = log.find("The player is told", at + 1))
        ++notices;
    EXPECT_EQ(notices, size_t(kill.told != nullptr) + size_t(kill.alsoTold != nullptr)) << log;
    for (const char* told : {kill.told, kill.alsoTold})
        if (told) {
            EXPECT_NE(log.find(std::string("The player is told: ") + told), std::string::npos) << log;
        }
}

void withoutALastCopy(ProgressRun& _run)
{
    ASSERT_EQ(std::remove(_run.profiles("00000001.xml.bak").c_str()), 0);
    ASSERT_EQ(std::remove(_run.profiles("00000001.save.bak").c_str()), 0);
    _run.damageVariable("00000001.xml", "Money", "778");
}
void bothCopiesDamaged(ProgressRun& _run)
{
    _run.damageVariable("00000001.xml", "Money", "778");
    _run.damageVariable("00000001.xml.bak", "Money", "779");
}
void theNewestDamaged(ProgressRun& _run)
{
    _run.damageVariable("00000001.xml", "Money", "5");
}
void anUnreadableLevelStateAndNoLastCopy(ProgressRun& _run)
{
    ASSERT_EQ(std::remove(_run.profiles("00000001.xml.bak").c_str()), 0);
    ASSERT_EQ(std::remove(_run.profiles("00000001.save.bak").c_str()), 0);
    writeFileBytes(_run.profiles("00000001.save"), std::string(300, '\0'));
}
void markedUnsaved(ProgressRun& _run)
{
    _run.writeText("profiles.xml", INDEX_HEAD + "<Profile Name=\"Ann\" ID=\"1\" LastSaveFailed=\"1\"/></Profiles>");
}
#define FURROW_REBUILT "The file of your farm was damaged. The farm is rebuilt from what of it still reads."
#define FURROW_BEFORE "The file of your farm was damaged. The farm is restored from the save before."
#define FURROW_LEVEL_LOST "The file of your farm was damaged. The seed packages on the ground and the journal's notes start afresh."
#define FURROW_UNSAVED "The last save of your farm did not go through. "

INSTANTIATE_TEST_SUITE_P(Start, StartKillRun,
    ::testing::Values(sStartKillCase{"NoLastCopyAtTheMainMenu", withoutALastCopy, nullptr, FURROW_REBUILT},
        sStartKillCase{"NoLastCopyOnceTheLevelStateIsPlaced", withoutALastCopy, "level-state-placed", FURROW_REBUILT},
        sStartKillCase{"NoLastCopyOnceTheVariablesArePlaced", withoutALastCopy, "variables-placed", FURROW_REBUILT},
        sStartKillCase{"NoLastCopyOnceTheFarmIsLoaded", withoutALastCopy, "farm-loaded", FURROW_REBUILT},
        sStartKillCase{"BothCopiesDamagedAtTheMainMenu", bothCopiesDamaged, nullptr, FURROW_REBUILT},
        sStartKillCase{"BothCopiesDamagedOnceTheLevelStateIsPlaced", bothCopiesDamaged, "level-state-placed", FURROW_REBUILT},
        sStartKillCase{"BothCopiesDamagedOnceTheVariablesArePlaced", bothCopiesDamaged, "variables-placed", FURROW_REBUILT},
        // A restore from the save before, cut short: still the damage, not a save that did not finish.
        sStartKillCase{"TheSaveBeforeOnceTheLevelStateIsPlaced", theNewestDamaged, "level-state-placed", FURROW_BEFORE},
        // Once the files are in place they read whole: what the player was not yet shown is told from the index.
        sStartKillCase{"TheSaveBeforeOnceTheVariablesArePlaced", theNewestDamaged, "variables-placed", FURROW_BEFORE},
        sStartKillCase{"TheSaveBeforeOnceTheFarmIsLoaded", theNewestDamaged, "farm-loaded", FURROW_BEFORE},
        // What the killed start set aside is the loss it told, not a file gone missing since.
        sStartKillCase{"AnUnreadableLevelStateOnceItIsSetAside", anUnreadableLevelStateAndNoLastCopy, "level-state-placed",
            FURROW_LEVEL_LOST},
        sStartKillCase{"AnUnreadableLevelStateOnceTheVariablesArePlaced", anUnreadableLevelStateAndNoLastCopy,
            "variables-placed", FURROW_LEVEL_LOST},
        sStartKillCase{"AnUnreadableLevelStateOnceTheFarmIsLoaded", anUnreadableLevelStateAndNoLastCopy, "farm-loaded",
            FURROW_LEVEL_LOST},
        // The failed save and the damage are one notice, told once, whatever the restored files say next.
        sStartKillCase{"TheSaveBeforeOfAFailedSaveOnceTheFarmIsLoaded",
            [](ProgressRun& _run) {
                markedUnsaved(_run);
                theNewestDamaged(_run);
            },
            "farm-loaded", FURROW_UNSAVED FURROW_BEFORE},
        // The notice kept by the build before, in its words alone, and the damage that the next start finds again.
        sStartKillCase{"ANoticeKeptByTheBuildBefore",
            [](ProgressRun& _run) {
                theNewestDamaged(_run);
                _run.writeText("profiles.xml", INDEX_HEAD + "<Profile Name=\"Ann\" ID=\"1\" Untold0=\"" FURROW_BEFORE "\"/></Profiles>");
            },
            "level-state-placed", FURROW_BEFORE},
        // Two notices of one start, both kept.
        sStartKillCase{"TheVariablesCutBeforeTheirStampsOnceTheFarmIsLoaded",
            [](ProgressRun& _run) {
                ASSERT_EQ(std::remove(_run.profiles("00000001.xml.bak").c_str()), 0);
                ASSERT_EQ(std::remove(_run.profiles("00000001.save.bak").c_str()), 0);
                const std::string all = _run.text("00000001.xml");
                const size_t at = std::min(all.find("<prop Name=\"SaveStamp\""), all.find("<prop Name=\"LevelStateStamp\""));
                writeFileBytes(_run.profiles("00000001.xml"), wide(all.substr(0, at)));
            },
            "farm-loaded", "Part of your farm's file could not be read in any copy. Starting afresh: the awards.",
            FURROW_REBUILT " The seed packages on the ground and the journal's notes start afresh."},
        // Once shown, a notice is gone: a kill long after it, however it came, brings nothing back.
        sStartKillCase{"TheSaveBeforeShownAndPlayedOn", theNewestDamaged, PLAYED_ON, nullptr},
        sStartKillCase{"AFailedSaveShownAndPlayedOn",
            [](ProgressRun& _run) {
                ASSERT_EQ(_run.play(BACK_TO_GAME, GAME_FRAMES, "FURROW_SAVE_FAULT=rename:00000001.xml"), 0);
                ASSERT_NE(_run.text("profiles.xml").find("LastSaveFailed=\"1\""), std::string::npos) << _run.text("profiles.xml");
            },
            PLAYED_ON, nullptr},
        // A new player whose start ends before anything of hers reached the disk has lost nothing.
        sStartKillCase{"ANewPlayerBeforeHerFirstSave", [](ProgressRun&) {}, nullptr, nullptr, nullptr, true},
        sStartKillCase{"ANewPlayerOnceHerFarmIsLoaded", [](ProgressRun&) {}, "farm-loaded", nullptr, nullptr, true}),
    [](const ::testing::TestParamInfo<sStartKillCase>& _info) { return std::string(_info.param.what); });
#undef FURROW_REBUILT
#undef FURROW_BEFORE
#undef FURROW_LEVEL_LOST
#undef FURROW_UNSAVED

TEST_F(ProgressRun, StaleTemporaryFilesOfThePlayerAreCleared)
{
    prepareTwoSaves();
    for (const char* name : {".00000001.xml.3.tmp", ".00000001.save.2.tmp", ".profiles.xml.5.tmp", ".00000002.xml.1.tmp"})
        writeFileBytes(profiles(name), "half");
    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);
    EXPECT_FALSE(exists(".00000001.xml.3.tmp"));
    EXPECT_FALSE(exists(".00000001.save.2.tmp"));
    EXPECT_FALSE(exists(".profiles.xml.5.tmp"));
    // Another player's are theirs to clear.
    EXPECT_TRUE(exists(".00000002.xml.1.tmp"));
}

} // namespace
