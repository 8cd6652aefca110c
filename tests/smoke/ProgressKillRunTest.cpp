// Saves as the player goes on, and kills at any moment of a game.
#include "ProgressRun.h"

#include <gtest/gtest.h>

#include "GameToKill.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <csignal>
#include <ostream>
#include <regex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

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
// The start plays and is ended once what the index kept for the screen of the player watched has
// gone from it: her notices were seen and what they tell is on the disk.
const char* const SEEN = "seen";
// The start ends by itself, a few frames after its first notice went up: too soon to read it.
const char* const ENDED_AT_ONCE = "ended at once";
// The start ends by itself at the main menu, long after its notices were read.
const char* const LEFT_AT_THE_MENU = "left at the menu";
// The frame that puts a returning player's first notice on the board: the last logo is passed
// (LOGOS), her farm loads and tells at once. Frames last a fixed 0.02 s: it is read 13 frames on.
const int FIRST_NOTICE_FRAME = 181;

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
    // The disk's fault in the start that is killed (FURROW_SAVE_FAULT), when any.
    const char* fault = nullptr;
    // The player whose index entry SEEN waits on.
    const char* watched = "Ann";
    // The next start's walk, when it is not Ann's own start and Play.
    std::string next = "";
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
    if (kill.killAt == ENDED_AT_ONCE || kill.killAt == LEFT_AT_THE_MENU) {
        ASSERT_EQ(play(LOGOS, kill.killAt == ENDED_AT_ONCE ? FIRST_NOTICE_FRAME + 8 : 400), 0);
    } else if (kill.killAt && kill.killAt != PLAYED_ON && kill.killAt != SEEN) {
        ASSERT_EQ(play(kill.newPlayer ? NEW_PLAYER : BACK_TO_GAME, GAME_FRAMES, std::string("FURROW_KILL_AT=") + kill.killAt),
            137);
    } else {
        const bool plays = kill.killAt == PLAYED_ON || kill.killAt == SEEN;
        std::string walk = kill.newPlayer ? LOGOS + "270 text Ann\n" + key(275, "Enter") : plays ? BACK_TO_GAME : LOGOS;
        // Played on: the pause menu saves each time it opens.
        for (int frame = 400; kill.killAt == PLAYED_ON && frame < 40000; frame += 12)
            walk += key(frame, "Esc");
        const unsigned before = stamp("00000001.save");
        writeFileBytes(m_folder.file("walk.txt"), walk);
        std::vector<std::pair<std::string, std::string>> environment;
        if (kill.fault)
            environment.push_back({"FURROW_SAVE_FAULT", kill.fault});
        const pid_t child = startGameToKill(m_folder.path(), home(), environment);
        ASSERT_GT(child, 0);
        int status = 0;
        const std::regex watched(std::string("<Profile Name=\"") + kill.watched + "\"[^>]*(Untold|KeptApart)");
        bool kept = false;
        const eGameWait wait = waitOnGame(child, [&] {
            if (kill.killAt == SEEN) {
                const bool keeps = exists("profiles.xml") && std::regex_search(text("profiles.xml"), watched);
                kept = kept || keeps;
                return kept && !keeps;
            }
            return kill.killAt == PLAYED_ON ? stamp("00000001.save") >= before + 2 :
                   kill.newPlayer           ? exists("profiles.xml") && text("profiles.xml").find("\"Ann\"") != std::string::npos :
                                              errors().find("The player is told") != std::string::npos;
        }, status);
        ::kill(child, SIGKILL);
        waitpid(child, &status, 0);
        ASSERT_EQ(wait, eGameWait::done) << errors();
    }
    clearErrors();

    ASSERT_EQ(play(kill.next.empty() ? BACK_TO_GAME : kill.next, kill.next.empty() ? GAME_FRAMES : 700), 0);

    EXPECT_GE(money(), kill.newPlayer ? 0 : 777) << errors();
    EXPECT_EQ(variable("00000001.xml", "SaveStamp"), std::to_string(stamp("00000001.save")));
    // A farm found damaged again, or gone (a new player who had a save may be told hers starts afresh).
    for (const char* again : {"the farm starts afresh", "the level state starts afresh"})
        EXPECT_EQ(errors().find(again), std::string::npos) << errors();
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
void aSaveFailed(ProgressRun& _run)
{
    ASSERT_EQ(_run.play(BACK_TO_GAME, GAME_FRAMES, "FURROW_SAVE_FAULT=rename:00000001.xml"), 0);
    ASSERT_NE(_run.text("profiles.xml").find("LastSaveFailed=\"1\""), std::string::npos) << _run.text("profiles.xml");
}
// Ann's newest copy is Bob's farm, and Bob has his own: the start parts it from her file.
void herNewestIsBobsFarm(ProgressRun& _run)
{
    _run.addBob();
    _run.setVariable("00000001.xml", "PlayerName", "Bob");
    _run.setVariable("00000001.xml", "Money", "4242");
    _run.writeText("profiles.xml", INDEX_HEAD + "<Profile Name=\"Ann\" ID=\"1\"/><Profile Name=\"Bob\" ID=\"2\"/></Profiles>");
}
void markedUnsaved(ProgressRun& _run)
{
    _run.writeText("profiles.xml", INDEX_HEAD + "<Profile Name=\"Ann\" ID=\"1\" LastSaveFailed=\"1\"/></Profiles>");
}
#define FURROW_REBUILT "The file of your farm was damaged. The farm is rebuilt from what of it still reads."
#define FURROW_BEFORE "The file of your farm was damaged. The farm is restored from the save before."
#define FURROW_LEVEL_LOST "The file of your farm was damaged. The seed packages on the ground and the journal's notes start afresh."
#define FURROW_UNSAVED "The last save of your farm did not go through. "
// Jo Ann plays, told of her own farm in the words kept for Ann.
void joAnnsNewestDamaged(ProgressRun& _run)
{
    for (const std::string tail : {".xml", ".xml.bak", ".save", ".save.bak"})
        writeFileBytes(_run.profiles("00000002" + tail), readFileBytes(_run.profiles("00000001" + tail)));
    _run.setVariable("00000002.xml", "PlayerName", "Jo Ann");
    _run.setVariable("00000002.xml.bak", "PlayerName", "Jo Ann");
    _run.damageVariable("00000002.xml", "Money", "5");
    _run.writeText("profiles.xml", "<?xml version=\"1.0\" encoding=\"UTF-16\"?><Profiles NextID=\"3\" CurrentUser=\"Jo Ann\">"
                                   "<Profile Name=\"Ann\" ID=\"1\" Untold0=\"" FURROW_BEFORE "\" UntoldAbout0=\"progress restored\"/>"
                                   "<Profile Name=\"Jo Ann\" ID=\"2\"/></Profiles>");
}

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
        sStartKillCase{"AFailedSaveShownAndPlayedOn", aSaveFailed, PLAYED_ON, nullptr},
        // A kept copy's notice once heard is gone too.
        sStartKillCase{"AKeptCopysNoticeShownAndPlayedOn", herNewestIsBobsFarm, PLAYED_ON, nullptr},
        // The saves that follow a failed one end it, though no write of the index went through to say so.
        sStartKillCase{"AFailedSaveShownWhileTheIndexTakesNoWrite", aSaveFailed, PLAYED_ON, nullptr, nullptr, false,
            "sync:profiles.xml"},
        // A notice is shown once it could be read: a start that ends as it goes up leaves it kept.
        sStartKillCase{"TheSaveBeforeEndedAsItsNoticeGoesUp", theNewestDamaged, ENDED_AT_ONCE, FURROW_BEFORE},
        // A rebuilt farm is on the disk before its notice counts as seen: a kill then finds it whole.
        sStartKillCase{"NoLastCopySeenOnceItsFarmIsSaved", withoutALastCopy, SEEN, nullptr},
        sStartKillCase{"NoLastCopySeenAndLeftAtTheMenu", withoutALastCopy, LEFT_AT_THE_MENU, nullptr},
        // Jo Ann, told the words kept for Ann, takes nothing of Ann's: Ann hears hers at her own start.
        sStartKillCase{"AnotherPlayerWhoseNameEndsWithHersToldTheSameWords", joAnnsNewestDamaged, SEEN, FURROW_BEFORE, nullptr,
            false, nullptr, "Jo Ann", LOGOS + chooseListedPlayer(340, 1) + click(600, 400, 226)},
        // A new player whose start ends before anything of hers reached the disk has lost nothing.
        sStartKillCase{"ANewPlayerBeforeHerFirstSave", [](ProgressRun&) {}, nullptr, nullptr, nullptr, true},
        sStartKillCase{"ANewPlayerOnceHerFarmIsLoaded", [](ProgressRun&) {}, "farm-loaded", nullptr, nullptr, true},
        // Her first save handed to a disk that refused it: she is told it failed, and nothing of missing files.
        sStartKillCase{"ANewPlayerWhoseFirstSaveFailed",
            [](ProgressRun& _run) {
                ASSERT_EQ(_run.play(NEW_PLAYER, GAME_FRAMES, "FURROW_SAVE_FAULT=rename:00000001.xml"), 0);
            },
            "farm-loaded",
            FURROW_UNSAVED "The farm starts afresh.", nullptr, true},
        // Her first save cut between its files, the level state placed and the variables not: nothing was lost.
        sStartKillCase{"ANewPlayerWhoseFirstSaveWasCutBetweenItsFiles",
            [](ProgressRun& _run) {
                ASSERT_EQ(_run.play(NEW_PLAYER, GAME_FRAMES), 0);
                for (const char* name : {"00000001.xml", "00000001.xml.bak", "00000001.save.bak"})
                    std::remove(_run.profiles(name).c_str());
                _run.writeText("profiles.xml", INDEX_HEAD + "<Profile Name=\"Ann\" ID=\"1\" NothingSaved=\"1\"/></Profiles>");
            },
            "farm-loaded", nullptr, nullptr, true}),
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
