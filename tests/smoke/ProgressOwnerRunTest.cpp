// Whose farm a file is: the profile index damaged or at odds with the players' files.
#include "ProgressRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <ostream>
#include <regex>
#include <string>

namespace {

// --- The profile index ------------------------------------------------------------------

struct sIndexCase {
    const char* what;
    // The index's bytes as the test leaves them.
    std::function<std::string(const std::string&)> damage;
    // The index's own bytes are kept aside as "profiles.xml.broken".
    bool keptAside;
    // The name the index has for the player afterwards; the player's files lose their name
    // first when it is not "Ann".
    const char* player;
    // What the player is told, when anything.
    const char* told;
};

void PrintTo(const sIndexCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class IndexRun : public ProgressRun, public ::testing::WithParamInterface<sIndexCase> {};

TEST_P(IndexRun, TheStartFindsThePlayerAndHerFarm)
{
    const sIndexCase& damage = GetParam();
    prepareTwoSaves();
    if (std::string(damage.player) != "Ann") {
        for (const char* file : {"00000001.xml", "00000001.xml.bak"})
            writeText(file, std::regex_replace(text(file), std::regex("<prop Name=\"PlayerName\"[^>]*/>"), ""));
    }
    const std::string before = readFileBytes(profiles("profiles.xml"));
    writeFileBytes(profiles("profiles.xml"), damage.damage(before));
    const std::string damaged = readFileBytes(profiles("profiles.xml"));

    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);

    expectAnnPlayedOn(4);
    EXPECT_NE(text("profiles.xml").find("<Profile Name=\"" + std::string(damage.player) + "\" ID=\"1\""), std::string::npos)
        << text("profiles.xml");
    if (damage.keptAside) {
        EXPECT_EQ(readFileBytes(profiles("profiles.xml.broken")), damaged);
    }
    if (damage.told) {
        EXPECT_NE(errors().find(std::string("The player is told: ") + damage.told), std::string::npos) << errors();
    } else {
        EXPECT_EQ(errors().find("The player is told"), std::string::npos) << errors();
    }
}

INSTANTIATE_TEST_SUITE_P(Damaged, IndexRun,
    ::testing::Values(
        sIndexCase{"OneByteCut", cutOneByte, true, "Ann", nullptr},
        sIndexCase{"ClosingTagMissing",
            [](const std::string& _bytes) { return wide(replaced(narrow(_bytes), "</Profiles>", "")); }, true, "Ann", nullptr},
        sIndexCase{"ABitFlipped",
            [](const std::string& _bytes) {
                std::string bytes = _bytes;
                bytes[bytes.find(std::string("<\0P", 3))] ^= 0x04;
                return bytes;
            },
            true, "Ann", nullptr},
        sIndexCase{"Zeroed", [](const std::string& _bytes) { return std::string(_bytes.size(), '\0'); }, true, "Ann", nullptr},
        sIndexCase{"ZeroedAndNoNameInThePlayersFile",
            [](const std::string& _bytes) { return std::string(_bytes.size(), '\0'); }, true, "00000001", nullptr},
        sIndexCase{"CurrentUserNotInTheIndex",
            [](const std::string& _bytes) { return wide(replaced(narrow(_bytes), "CurrentUser=\"Ann\"", "CurrentUser=\"Bob\"")); },
            false, "Ann", "This player is missing from the list of players: \xC2\xAB" "Bob"},
        // An older build marked a failed last save on the index itself, meaning its current player.
        sIndexCase{"AnOlderIndexMarksTheLastSaveFailed",
            [](const std::string& _bytes) { return wide(replaced(narrow(_bytes), "NowPlaying=", "LastSaveFailed=\"1\" NowPlaying=")); },
            false, "Ann", "The last save of your farm did not go through."},
        // Her entry says more of her: the mark still stands.
        sIndexCase{"AnOlderIndexMarksTheLastSaveFailedBesideHerEntrysOwnWords",
            [](const std::string& _bytes) {
                return wide(replaced(replaced(narrow(_bytes), "NowPlaying=", "LastSaveFailed=\"1\" NowPlaying="), "ID=\"1\"",
                    "ID=\"1\" NothingSaved=\"1\""));
            },
            false, "Ann", "The last save of your farm did not go through."},
        // A copy the index keeps apart that is no longer there: nothing is said of it.
        sIndexCase{"AKeptCopyThatIsGone",
            [](const std::string& _bytes) {
                return wide(replaced(replaced(narrow(_bytes), "NowPlaying=", "KeptApart=\"3\" NowPlaying="), "ID=\"1\"",
                    "ID=\"1\" NewestKeptApart=\"3\""));
            },
            false, "Ann", nullptr},
        sIndexCase{"AnIdentifierThatDoesNotRead",
            [](const std::string& _bytes) { return wide(replaced(narrow(_bytes), "ID=\"1\"", "ID=\"1x\"")); }, false, "Ann",
            nullptr}),
    [](const ::testing::TestParamInfo<sIndexCase>& _info) { return std::string(_info.param.what); });


// --- Whose farm a file is ----------------------------------------------------------------


struct sOwnerCase {
    const char* what;
    // Ann has two saves and Bob (00000002) a farm of his own; then this.
    std::function<void(ProgressRun&)> damage;
    // What the log says of the mended index.
    const char* logged;
    // Where a copy of Ann's file that names Bob is kept apart (none: nowhere).
    const char* keptApart = nullptr;
    // The coins in that copy when it is Bob's own farm, which never comes to Ann (0: it is hers
    // under his name).
    int bobsCoins = 0;
    // Bob's own start next is told of his copy apart, once; later starts of anyone tell
    // nothing: what the first told is not told again.
    bool quietAfter = false;
    // A start before, ended at this point of the parting (FURROW_KILL_AT): the start checked
    // finishes what it left.
    const char* killAt = nullptr;
    // Her file cannot be parted: she plays this copy of hers, and no file is written.
    const char* held = nullptr;
};

void PrintTo(const sOwnerCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class OwnerRun : public ProgressRun, public ::testing::WithParamInterface<sOwnerCase> {
public:
    void writeIndex(const std::string& _entries) { writeText("profiles.xml", INDEX_HEAD + _entries + "</Profiles>"); }
    // Every player's file of the profiles folder by name, with its bytes.
    std::map<std::string, std::string> folderBytes() const
    {
        std::map<std::string, std::string> files;
        if (DIR* folder = opendir(profiles().c_str())) {
            while (const dirent* entry = readdir(folder))
                if (entry->d_name[0] != '.' && std::string(entry->d_name) != "profiles.xml")
                    files[entry->d_name] = readFileBytes(profiles(entry->d_name));
            closedir(folder);
        }
        return files;
    }
};

TEST_P(OwnerRun, EachPlayerPlaysTheFarmHerOwnFileNames)
{
    prepareTwoSaves();
    addBob();
    const std::string bob = readFileBytes(profiles("00000002.xml"));
    GetParam().damage(*this);
    if (!skipped().empty())
        GTEST_SKIP() << skipped();
    if (GetParam().killAt) {
        ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES, std::string("FURROW_KILL_AT=") + GetParam().killAt), 137);
        clearErrors();
    }

    const std::map<std::string, std::string> before = folderBytes();

    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);

    if (GetParam().held) {
        EXPECT_TRUE(folderBytes() == before) << "a player's file was written";
        EXPECT_NE(errors().find("The player plays \"Ann\" from " + std::string(GetParam().held) + ", as it is"),
            std::string::npos)
            << errors();
        EXPECT_GE(money(GetParam().held), 777);
    } else {
        EXPECT_EQ(variable("00000001.xml", "PlayerName"), "Ann");
        EXPECT_GE(money(), 777);
    }
    EXPECT_EQ(variable("00000001.xml", "SaveStamp"), std::to_string(stamp("00000001.save")));
    EXPECT_TRUE(readFileBytes(profiles("00000002.xml")) == bob) << "Bob's farm was written over";
    EXPECT_FALSE(exists("00000002.xml.bak"));
    EXPECT_FALSE(exists("00000000.xml"));
    const sOwnerCase& owner = GetParam();
    EXPECT_EQ(exists("00000003.xml"), owner.keptApart != nullptr) << "a new farm was made, or Bob's copy is gone";
    if (owner.keptApart) {
        EXPECT_EQ(variable(owner.keptApart, "PlayerName"), "Bob");
        EXPECT_TRUE(exists(replaced(owner.keptApart, ".xml", ".save"))) << "its level state stayed behind";
    }
    if (owner.bobsCoins) {
        EXPECT_EQ(money(owner.keptApart), owner.bobsCoins);
        EXPECT_NE(money(), owner.bobsCoins) << "Ann plays Bob's farm";
    }
    const std::string index = text("profiles.xml");
    EXPECT_NE(index.find("<Profile Name=\"Ann\" ID=\"1\""), std::string::npos) << index;
    EXPECT_NE(index.find("<Profile Name=\"Bob\" ID=\"2\""), std::string::npos) << index;
    EXPECT_EQ(index.find(" ID=\"4\""), std::string::npos) << "a file in doubt is someone's: " << index;
    // A damaged name makes nobody.
    EXPECT_EQ(index.find("Anx"), std::string::npos) << index;
    EXPECT_EQ(errors().find("It cannot be told whose farm this is: \xC2\xAB" "00000001.xml"), std::string::npos) << errors();
    EXPECT_NE(errors().find(GetParam().logged), std::string::npos) << errors();
    // The parting's words say all: no damage, and nothing of it again in other words.
    if (owner.keptApart) {
        EXPECT_EQ(errors().find("The file of your farm was damaged"), std::string::npos) << errors();
        EXPECT_EQ(errors().find("The newest copy of your farm"), std::string::npos) << errors();
        EXPECT_EQ(errors().find("It cannot be told whose farm"), std::string::npos) << errors();
    }
    if (owner.quietAfter) {
        clearErrors();
        ASSERT_EQ(play(LOGOS + chooseListedPlayer(340, 2) + click(600, 400, 226), 700), 0);
        const std::string told = "The player is told: A copy of your farm was found in another player's file and is kept "
                                 "apart as \xC2\xAB" + std::string(owner.keptApart) + "\xC2\xBB";
        EXPECT_NE(errors().find(told), std::string::npos) << errors();
        EXPECT_EQ(errors().find("The player is told", errors().find("The player is told") + 1), std::string::npos)
            << errors();
        clearErrors();
        ASSERT_EQ(play(LOGOS + chooseListedPlayer(340, 1) + click(600, 400, 226), 700), 0);
        EXPECT_EQ(errors().find("The player is told"), std::string::npos) << errors();
        EXPECT_EQ(variable("00000001.xml", "PlayerName"), "Ann");
    }
}

// Ann's farm with no save before it.
void dropLastCopies(ProgressRun& _run)
{
    ASSERT_EQ(std::remove(_run.profiles("00000001.xml.bak").c_str()), 0);
    ASSERT_EQ(std::remove(_run.profiles("00000001.save.bak").c_str()), 0);
}

// Bob's own farm in Ann's newest variables, or in their last copy.
void herNewestIsBobsFarm(ProgressRun& _run)
{
    _run.setVariable("00000001.xml", "PlayerName", "Bob");
    _run.setVariable("00000001.xml", "Money", "4242");
    static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Ann\" ID=\"1\"/><Profile Name=\"Bob\" ID=\"2\"/>");
}
void herLastIsBobsFarm(ProgressRun& _run)
{
    _run.setVariable("00000001.xml.bak", "PlayerName", "Bob");
    _run.setVariable("00000001.xml.bak", "Money", "4242");
    static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Ann\" ID=\"1\"/><Profile Name=\"Bob\" ID=\"2\"/>");
}
const char* const BOBS_COPY_KEPT_APART = "The player is told: The farm file of \xC2\xAB" "Ann\xC2\xBB held a copy of \xC2\xAB"
                                         "Bob\xC2\xBB. The copy is kept apart as \xC2\xAB" "00000003.xml\xC2\xBB in the folder";

INSTANTIATE_TEST_SUITE_P(Index, OwnerRun,
    ::testing::Values(
        sOwnerCase{"TwoIdentifiersSwapped",
            [](ProgressRun& _run) {
                static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Ann\" ID=\"2\"/><Profile Name=\"Bob\" ID=\"1\"/>");
            },
            "Player file 00000001.xml names \"Ann\", whom the index gave the identifier 2; the index follows the file."},
        sOwnerCase{"IdentifierZeroForAnn",
            [](ProgressRun& _run) {
                static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Ann\" ID=\"0\"/><Profile Name=\"Bob\" ID=\"2\"/>");
            },
            "Player file 00000001.xml names \"Ann\", whom the index gave the identifier 0; the index follows the file."},
        sOwnerCase{"AnnMissingFromTheIndex",
            [](ProgressRun& _run) { static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Bob\" ID=\"2\"/>"); },
            "Player file 00000001.xml names \"Ann\", whom the index left out; the index follows the file."},
        // Her name then stands only in the last copy, which gives her farm.
        sOwnerCase{"TheIndexAndHerNewestVariablesZeroed",
            [](ProgressRun& _run) {
                for (const char* name : {"profiles.xml", "00000001.xml"})
                    writeFileBytes(_run.profiles(name), std::string(readFileBytes(_run.profiles(name)).size(), '\0'));
            },
            "Player file \"00000001.xml\" is back in the profile index as \"Ann\"."},
        // The seal covers the root's children alone: a name outside them says nothing.
        sOwnerCase{"ANameBeforeTheSealedValuesOfHerLastCopy",
            [](ProgressRun& _run) {
                // Small enough that the name is looked for from the file's start.
                const std::string last = _run.text("00000001.xml.bak");
                std::string small = last.substr(0, last.find('>', last.find("<Props")) + 1);
                for (const char* name : {"Money", "SaveStamp", "LevelStateStamp", "LevelStateSeal", "PlayerName"}) {
                    std::smatch prop;
                    if (std::regex_search(last, prop, std::regex("<prop Name=\"" + std::string(name) + "\"[^>]*>")))
                        small += prop.str();
                }
                _run.writeText("00000001.xml.bak", small + "</Props>");
                writeFileBytes(_run.profiles("00000001.xml.bak"), wide(replaced(_run.text("00000001.xml.bak"), "<Props",
                                                                        "<prop Name=\"PlayerName\" Val=\"Bob\" Type=\"WString\" /><Props")));
                static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Ann\" ID=\"1\"/><Profile Name=\"Bob\" ID=\"2\"/>");
            },
            ""},
        // Her newest variables name Bob, their last copy her; Bob's own copies agree on him.
        sOwnerCase{"HerNewestVariablesNameBob",
            [](ProgressRun& _run) {
                _run.setVariable("00000001.xml", "PlayerName", "Bob");
                static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Ann\" ID=\"1\"/>");
            },
            "The player is told: The farm file of \xC2\xAB" "Ann\xC2\xBB held a copy of \xC2\xAB" "Bob\xC2\xBB. The copy is kept "
            "apart as \xC2\xAB" "00000003.xml\xC2\xBB in the folder",
            "00000003.xml", 0, true},
        // Bob's own farm in her newest variables: she plays her last copy, and his stays his.
        sOwnerCase{"HerNewestVariablesAreBobsFarm",
            [](ProgressRun& _run) {
                _run.setVariable("00000001.xml", "PlayerName", "Bob");
                _run.setVariable("00000001.xml", "Money", "4242");
                static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Ann\" ID=\"1\"/><Profile Name=\"Bob\" ID=\"2\"/>");
            },
            "The player is told: The farm file of \xC2\xAB" "Ann\xC2\xBB held a copy of \xC2\xAB" "Bob\xC2\xBB. The copy is kept "
            "apart as \xC2\xAB" "00000003.xml\xC2\xBB in the folder \xC2\xAB",
            "00000003.xml", 4242, true},
        // Bob's farm in her last copy: her next save would push it out.
        sOwnerCase{"HerLastCopyIsBobsFarm",
            [](ProgressRun& _run) {
                _run.setVariable("00000001.xml.bak", "PlayerName", "Bob");
                _run.setVariable("00000001.xml.bak", "Money", "4242");
                static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Ann\" ID=\"1\"/><Profile Name=\"Bob\" ID=\"2\"/>");
            },
            "Player file 00000001.xml names \"Ann\", its last copy \"Bob\"; it is \"Ann\"'s, and the copy that names \"Bob\" is "
            "kept as 00000003.xml.",
            "00000003.xml", 4242, true},
        // Something at the next free name: the copy goes to the one after it, and Ann plays her farm.
        sOwnerCase{"HerLastCopyIsBobsFarmAndAFolderAtTheFreeName",
            [](ProgressRun& _run) {
                _run.setVariable("00000001.xml.bak", "PlayerName", "Bob");
                _run.setVariable("00000001.xml.bak", "Money", "4242");
                mkdir(_run.profiles("00000003.xml").c_str(), 0755);
                static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Ann\" ID=\"1\"/><Profile Name=\"Bob\" ID=\"2\"/>");
            },
            "the copy that names \"Bob\" is kept as 00000004.xml.", "00000004.xml", 4242, true},
        // A copy that cannot be moved: the file stays as it is, and Ann plays her own copy of it unsaved.
        sOwnerCase{"HerLastCopyIsBobsFarmAndCannotBeMoved",
            [](ProgressRun& _run) {
                _run.setVariable("00000001.xml.bak", "PlayerName", "Bob");
                static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Ann\" ID=\"1\"/><Profile Name=\"Bob\" ID=\"2\"/>");
                if (!_run.lock("00000001.xml.bak"))
                    _run.skip("files cannot be made immutable here");
            },
            "The player is told: The file of your farm holds a copy of another player: \xC2\xAB" "Bob\xC2\xBB", nullptr, 0,
            false, nullptr, "00000001.xml"},
        // A start ended at each step of the parting: the next one knows the copy by the name it
        // holds, keeps it apart with its level state, and tells it as that.
        sOwnerCase{"HerNewestVariablesAreBobsFarmAndAKillOnceThePartingIsRecorded", herNewestIsBobsFarm, BOBS_COPY_KEPT_APART,
            "00000003.xml", 4242, true, "parting-recorded"},
        sOwnerCase{"HerNewestVariablesAreBobsFarmAndAKillOnceTheCopyMoved", herNewestIsBobsFarm, BOBS_COPY_KEPT_APART,
            "00000003.xml", 4242, true, "copy-moved"},
        sOwnerCase{"HerNewestVariablesAreBobsFarmAndAKillOnceItsLevelStateMoved", herNewestIsBobsFarm, BOBS_COPY_KEPT_APART,
            "00000003.xml", 4242, true, "level-state-moved"},
        // Her last copy already in the place of her file: the parting still names her.
        sOwnerCase{"HerNewestVariablesAreBobsFarmAndAKillOnceHerLastCopyIsPlaced", herNewestIsBobsFarm, BOBS_COPY_KEPT_APART,
            "00000003.xml", 4242, true, "variables-placed"},
        sOwnerCase{"HerLastCopyIsBobsFarmAndAKillOnceTheCopyMoved", herLastIsBobsFarm, BOBS_COPY_KEPT_APART, "00000003.xml",
            4242, true, "copy-moved"},
        // Her farm is then her last copy, with its level state.
        sOwnerCase{"HerNewestVariablesAreBobsFarmAndCannotBeMoved",
            [](ProgressRun& _run) {
                herNewestIsBobsFarm(_run);
                if (!_run.lock("00000001.xml"))
                    _run.skip("files cannot be made immutable here");
            },
            "The player is told: The file of your farm holds a copy of another player: \xC2\xAB" "Bob\xC2\xBB", nullptr, 0,
            false, nullptr, "00000001.xml.bak"},
        sOwnerCase{"HerNewestVariablesNameBobAndTheIndexZeroed",
            [](ProgressRun& _run) {
                _run.setVariable("00000001.xml", "PlayerName", "Bob");
                writeFileBytes(_run.profiles("profiles.xml"), std::string(readFileBytes(_run.profiles("profiles.xml")).size(), '\0'));
            },
            "Player file 00000001.xml names \"Bob\", its last copy \"Ann\"; it is \"Ann\"'s", "00000003.xml"},
        // A name in a copy that is not whole is not believed: the index says whose the file is.
        sOwnerCase{"HerNameDamagedInHerNewest",
            [](ProgressRun& _run) { _run.damageVariable("00000001.xml", "PlayerName", "Anx"); },
            "The player is told: The file of your farm was damaged. The farm is restored from the save before."},
        sOwnerCase{"HerNameDamagedInHerLastCopy",
            [](ProgressRun& _run) { _run.damageVariable("00000001.xml.bak", "PlayerName", "Anx"); },
            "00000001.xml.bak\" does not agree with its seal"},
        sOwnerCase{"HerNameDamagedAndNoLastCopy",
            [](ProgressRun& _run) {
                dropLastCopies(_run);
                _run.damageVariable("00000001.xml", "PlayerName", "Anx");
            },
            "The player is told: The file of your farm was damaged. The farm is rebuilt from what of it still reads."},
        sOwnerCase{"BobsNameDamagedIntoHerFileAndNoLastCopy",
            [](ProgressRun& _run) {
                dropLastCopies(_run);
                _run.damageVariable("00000001.xml", "PlayerName", "Bob");
            },
            "The player is told: The file of your farm was damaged. The farm is rebuilt from what of it still reads."},
        // Another name on the file that names Bob: it leaves the index.
        sOwnerCase{"AnotherNameOnBobsFile",
            [](ProgressRun& _run) {
                static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Ann\" ID=\"1\"/><Profile Name=\"Cy\" ID=\"2\"/>");
            },
            "Profile \"Cy\" has in the index the file 00000002.xml of another player; it is left out of the index, the files "
            "stay."},
        // The index's player is on Bob's file: she leaves the index, and is told why, not that she is missing.
        sOwnerCase{"ThePlayerOfTheIndexOnBobsFile",
            [](ProgressRun& _run) {
                _run.writeText("profiles.xml", replaced(INDEX_HEAD, "CurrentUser=\"Ann\"", "CurrentUser=\"Cy\"") +
                                                   "<Profile Name=\"Ann\" ID=\"1\"/><Profile Name=\"Cy\" ID=\"2\"/></Profiles>");
            },
            "The player is told: The file of the player \xC2\xAB" "Cy\xC2\xBB names another player: \xC2\xAB" "00000002.xml\xC2\xBB. "
            "The file is left as it is, and the player is taken off the list. Now playing: \xC2\xAB" "Ann\xC2\xBB."},
        // Another name on a file in doubt: it leaves the index, and the file stays nobody's.
        sOwnerCase{"AnotherNameOnAFileInDoubt",
            [](ProgressRun& _run) {
                writeFileBytes(_run.profiles("00000004.xml"), readFileBytes(_run.profiles("00000002.xml")));
                static_cast<OwnerRun&>(_run).writeIndex(
                    "<Profile Name=\"Ann\" ID=\"1\"/><Profile Name=\"Bob\" ID=\"2\"/><Profile Name=\"Cy\" ID=\"4\"/>");
            },
            "Profile \"Cy\" has in the index the file 00000004.xml of another player; it is left out of the index, the files "
            "stay."},
        // A third file of Bob's name: the index gives him his own, and the stray copy is nobody's.
        sOwnerCase{"TwoFilesNameBob",
            [](ProgressRun& _run) {
                writeFileBytes(_run.profiles("00000004.xml"), readFileBytes(_run.profiles("00000002.xml")));
                static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Ann\" ID=\"1\"/><Profile Name=\"Bob\" ID=\"2\"/>");
            },
            "The player is told: It cannot be told whose farm this is: \xC2\xAB" "00000004.xml\xC2\xBB. The file is left as it is."}),
    [](const ::testing::TestParamInfo<sOwnerCase>& _info) { return std::string(_info.param.what); });

// A copy kept apart is told once to each player it concerns, and given to nobody in silence:
// not in the run that deletes its player, and with words once he is gone.
class KeptCopyRun : public OwnerRun {};

TEST_F(KeptCopyRun, IsToldOnceToEachAndGivenToNobodyInSilence)
{
    prepareTwoSaves();
    addBob();
    setVariable("00000001.xml", "PlayerName", "Bob");
    setVariable("00000001.xml", "Money", "4242");
    writeText("profiles.xml", replaced(INDEX_HEAD, "CurrentUser=\"Ann\"", "CurrentUser=\"Bob\"") +
                                  "<Profile Name=\"Ann\" ID=\"1\"/><Profile Name=\"Bob\" ID=\"2\"/></Profiles>");
    // Bob plays, and his farm in Ann's newest copy is kept apart: told in the parting's words alone.
    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);
    ASSERT_NE(errors().find("is kept apart as \xC2\xAB" "00000003.xml"), std::string::npos) << errors();
    EXPECT_EQ(errors().find("A copy of your farm was found"), std::string::npos) << errors();
    clearErrors();

    // Ann plays, and deletes Bob.
    ASSERT_EQ(play(LOGOS + chooseListedPlayer(340, 1) + deleteListedPlayer(600, 2), 900), 0);
    EXPECT_NE(errors().find("The player is told: The newest copy of your farm named another player and is kept apart as "
                            "\xC2\xAB" "00000003.xml\xC2\xBB. The farm is restored from the save before."),
        std::string::npos)
        << errors();
    EXPECT_EQ(errors().find("The file of your farm was damaged"), std::string::npos) << errors();
    EXPECT_EQ(text("profiles.xml").find("Bob"), std::string::npos) << text("profiles.xml");
    EXPECT_EQ(money("00000003.xml"), 4242);
    clearErrors();

    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);
    EXPECT_NE(errors().find("The player is told: The copy kept apart as \xC2\xAB" "00000003.xml\xC2\xBB is now the farm of "
                            "the player \xC2\xAB" "Bob\xC2\xBB."),
        std::string::npos)
        << errors();
    EXPECT_NE(text("profiles.xml").find("<Profile Name=\"Bob\" ID=\"3\""), std::string::npos) << text("profiles.xml");
    EXPECT_GE(money(), 777);
}

// A file of a player the index no longer knows, under the identifier the index would give next:
// a new player takes the one after it, and the file stays as it was.
class StrayFileRun : public ProgressRun, public ::testing::WithParamInterface<const char*> {};

TEST_P(StrayFileRun, ANewPlayerNeverTakesTheIdentifierOfFilesOnTheDisk)
{
    prepareTwoSaves();
    const std::string stray = std::string("00000002") + GetParam();
    writeFileBytes(profiles(stray), "an earlier player's");
    writeText("profiles.xml", replaced(INDEX_HEAD, "NextID=\"3\"", "NextID=\"2\"") + "<Profile Name=\"Ann\" ID=\"1\"/></Profiles>");

    // Change player, Bob.
    ASSERT_EQ(play(LOGOS + click(340, 400, 286) + "420 text Bob\n" + key(425, "Enter"), 520), 0);

    EXPECT_NE(text("profiles.xml").find("<Profile Name=\"Bob\" ID=\"3\""), std::string::npos) << text("profiles.xml");
    EXPECT_EQ(readFileBytes(profiles(stray)), "an earlier player's");
    EXPECT_TRUE(exists("00000003.xml"));
}

INSTANTIATE_TEST_SUITE_P(Index, StrayFileRun, ::testing::Values(".xml.bak", ".save", ".save.bak"),
    [](const ::testing::TestParamInfo<const char*>& _info) {
        std::string name;
        for (const char* c = _info.param; *c; ++c)
            if (*c != '.')
                name += *c;
        return name;
    });

} // namespace
