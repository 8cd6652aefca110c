// The values read back: damaged variables and level states, and what the log says was left out.
#include "ProgressRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <regex>
#include <ostream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace {

// --- The variables and the level state -------------------------------------------------

struct sProgressCase {
    const char* what;
    std::function<void(ProgressRun&)> damage;
    // The file of the last save that goes aside; none when nothing was damaged.
    const char* keptAside;
    // What the player is told; nothing when none.
    const char* told;
    const char* logged = nullptr;
    // The least of Ann's coins after the game: the save before, or a farm started afresh.
    int atLeast = 777;
    // A start after it tells nothing and keeps its play: nothing of the damage outlives it.
    bool quietAfter = false;
    // An award flag the damage must not win.
    const char* unwon = nullptr;
    // The saves go on counting from the one used, below this.
    unsigned stampBelow = 100;
};

void PrintTo(const sProgressCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class DamagedProgressRun : public ProgressRun, public ::testing::WithParamInterface<sProgressCase> {
public:
    // One quote in the middle of the file turned into '&'.
    void ampersand(const std::string& _name, const std::string& _near)
    {
        std::string all = text(_name);
        const size_t at = _near.empty() ? all.find('"', all.size() / 2) : all.find(_near) + _near.size() - 1;
        all[at] = '&';
        writeText(_name, all);
    }
    void appendTo(const std::string& _name, const std::string& _bytes)
    {
        writeFileBytes(profiles(_name), readFileBytes(profiles(_name)) + _bytes);
    }
    // One bit of the last random factor turned, so that the level state still reads.
    void flipInLevelState(const std::string& _name)
    {
        std::string bytes = readFileBytes(profiles(_name));
        bytes[bytes.size() - 10] ^= 0x10;
        writeFileBytes(profiles(_name), bytes);
    }
    // An earning of _coins at 1 s after the market's others, as a flipped bit in one could make it.
    void addEarning(const std::string& _name, unsigned _coins)
    {
        std::string bytes = readFileBytes(profiles(_name));
        const auto u32 = [&bytes](size_t _at) { return unsigned(uint8_t(bytes[_at])) | unsigned(uint8_t(bytes[_at + 1])) << 8; };
        const size_t at = 4 + 24 * size_t(u32(0));
        const unsigned count = u32(at);
        bytes[at] = char(count + 1);
        const char entry[8] = {0, 0, char(0x80), 0x3f, char(_coins), char(_coins >> 8), char(_coins >> 16), 0};
        bytes.insert(at + 8 + 8 * size_t(count), entry, 8);
        writeFileBytes(profiles(_name), bytes);
    }
    // The stamp a level-state file ends with, as its last four bytes say.
    void setStamp(const std::string& _name, const std::string& _bytes)
    {
        std::string bytes = readFileBytes(profiles(_name));
        bytes.replace(bytes.size() - 4, 4, _bytes);
        writeFileBytes(profiles(_name), bytes);
    }
    void dropLastCopies()
    {
        ASSERT_EQ(std::remove(profiles("00000001.xml.bak").c_str()), 0);
        ASSERT_EQ(std::remove(profiles("00000001.save.bak").c_str()), 0);
    }
};

TEST_P(DamagedProgressRun, TheFarmComesBackAsOnePairAndThePlayerIsTold)
{
    const sProgressCase& damage = GetParam();
    prepareTwoSaves();
    damage.damage(*this);
    const std::string damaged = damage.keptAside ? readFileBytes(profiles(damage.keptAside)) : "";

    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);

    EXPECT_GE(money(), damage.atLeast);
    // Whatever was restored, the files now on the disk are one pair.
    EXPECT_EQ(variable("00000001.xml", "SaveStamp"), std::to_string(stamp("00000001.save")));
    EXPECT_LT(stamp("00000001.save"), damage.stampBelow);
    if (damage.keptAside) {
        EXPECT_EQ(readFileBytes(profiles(std::string(damage.keptAside) + ".broken")), damaged);
    } else {
        EXPECT_FALSE(exists("00000001.save.broken") || exists("00000001.xml.broken")) << "a whole file was kept as broken";
    }
    // The values that start afresh are a notice of their own, where the row names it in what is logged.
    const bool valuesLost = damage.logged && std::string(damage.logged).find("Starting afresh:") != std::string::npos;
    const std::string log = valuesLost ? std::regex_replace(errors(), std::regex("The player is told: Part of your farm's file"), "") :
                                         errors();
    const std::string told = damage.told ? std::string("The player is told: ") + damage.told : "The player is told";
    EXPECT_EQ(log.find(told) != std::string::npos, damage.told != nullptr) << errors();
    EXPECT_EQ(log.find("The player is told", log.find("The player is told") + 1), std::string::npos)
        << "told twice: " << errors();
    EXPECT_NE(errors().find(damage.logged ? damage.logged : ""), std::string::npos) << errors();
    if (damage.unwon) {
        EXPECT_EQ(variable("00000001.xml", damage.unwon), "0") << "an award never earned";
    }
    if (damage.quietAfter) {
        clearErrors();
        ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);
        EXPECT_EQ(errors().find("The player is told"), std::string::npos) << errors();
        EXPECT_EQ(variable("00000001.xml", "SaveStamp"), std::to_string(stamp("00000001.save")));
        EXPECT_GE(money(), damage.atLeast);
    }
}

INSTANTIATE_TEST_SUITE_P(Damaged, DamagedProgressRun,
    ::testing::Values(
        sProgressCase{"AQuoteTurnedIntoAnAmpersand",
            [](ProgressRun& _run) { static_cast<DamagedProgressRun&>(_run).ampersand("00000001.xml", ""); },
            "00000001.xml", "The file of your farm was damaged. The farm is restored from the save before."},
        // The copy salvaged stays in its place until a save has taken what reads of it; the other goes aside.
        sProgressCase{"TheVariablesAndTheirLastCopy",
            [](ProgressRun& _run) {
                auto& run = static_cast<DamagedProgressRun&>(_run);
                run.ampersand("00000001.xml", "Name=\"PlayerName\" Val=\"");
                run.ampersand("00000001.xml.bak", "Name=\"PlayerName\" Val=\"");
            },
            "00000001.xml.bak", "The file of your farm was damaged. The farm is rebuilt from what of it still reads."},
        // The level state is sealed with its variables: damaged, the pair is not whole, and the
        // save before comes back whole.
        sProgressCase{"TheLevelStateZeroFilled",
            [](ProgressRun& _run) { writeFileBytes(_run.profiles("00000001.save"), std::string(300, '\0')); },
            "00000001.save", "The file of your farm was damaged. The farm is restored from the save before."},
        sProgressCase{"JunkAfterTheLevelState",
            [](ProgressRun& _run) { static_cast<DamagedProgressRun&>(_run).appendTo("00000001.save", "junk!"); },
            "00000001.save", "The file of your farm was damaged. The farm is restored from the save before."},
        sProgressCase{"AFlippedBitInTheLevelState",
            [](ProgressRun& _run) { static_cast<DamagedProgressRun&>(_run).flipInLevelState("00000001.save"); },
            "00000001.save", "The file of your farm was damaged. The farm is restored from the save before."},
        // Without a save before, what reads of it is played, and said.
        sProgressCase{"AFlippedBitInTheLevelStateAndNoLastCopy",
            [](ProgressRun& _run) {
                auto& run = static_cast<DamagedProgressRun&>(_run);
                run.dropLastCopies();
                run.flipInLevelState("00000001.save");
            },
            nullptr, "The file of your farm was damaged. The farm is rebuilt from what of it still reads."},
        // Nothing vouches for the market's earnings there: none counts for an award.
        sProgressCase{"AnEarningFlippedInTheLevelStateAndNoLastCopy",
            [](ProgressRun& _run) {
                auto& run = static_cast<DamagedProgressRun&>(_run);
                run.dropLastCopies();
                run.addEarning("00000001.save", 524313);
            },
            nullptr, "The file of your farm was damaged. The farm is rebuilt from what of it still reads.", nullptr, 777,
            false, "awEarn"},
        // Nor where the variables were salvaged: a whole level state of theirs vouches for nothing.
        sProgressCase{"AnEarningInTheLevelStateOfSalvagedVariables",
            [](ProgressRun& _run) {
                _run.damageVariable("00000001.xml", "Money", "778");
                _run.damageVariable("00000001.xml.bak", "Money", "779");
                static_cast<DamagedProgressRun&>(_run).addEarning("00000001.save", 524313);
            },
            "00000001.xml.bak", "The file of your farm was damaged. The farm is rebuilt from what of it still reads.", nullptr,
            777, false, "awEarn"},
        // An earlier build keeps no check of its level state: it reads as it always did.
        sProgressCase{"AFlippedBitInAnEarlierBuildsLevelState",
            [](ProgressRun& _run) {
                for (const char* file : {"00000001.xml", "00000001.xml.bak"})
                    _run.writeText(file, std::regex_replace(_run.text(file), std::regex("<prop Name=\"LevelStateSeal\"[^>]*/>"), ""));
                static_cast<DamagedProgressRun&>(_run).flipInLevelState("00000001.save");
            },
            nullptr, nullptr},
        // A check left by this build in a file an earlier build wrote since names another save: not used.
        sProgressCase{"AStaleCheckOfTheLevelState",
            [](ProgressRun& _run) {
                const std::string last = _run.variable("00000001.xml.bak", "LevelStateSeal");
                ASSERT_NE(last, "missing");
                _run.setVariable("00000001.xml", "LevelStateSeal", last);
                static_cast<DamagedProgressRun&>(_run).flipInLevelState("00000001.save");
            },
            nullptr, nullptr},
        // No copy of the variables has anything left: the player hears that the farm starts afresh, once.
        sProgressCase{"NothingReadsAndNoLastCopy",
            [](ProgressRun& _run) {
                static_cast<DamagedProgressRun&>(_run).dropLastCopies();
                writeFileBytes(_run.profiles("00000001.xml"), std::string(400, '\0'));
            },
            "00000001.save", "The file of your farm was damaged. The farm starts afresh.", nullptr, 0},
        sProgressCase{"NothingReadsInEitherCopy",
            [](ProgressRun& _run) {
                for (const char* file : {"00000001.xml", "00000001.xml.bak"})
                    writeFileBytes(_run.profiles(file), std::string(readFileBytes(_run.profiles(file)).size(), '\0'));
            },
            "00000001.save", "The file of your farm was damaged. The farm starts afresh.", nullptr, 0},
        // An earlier build writes the root with no attribute: one whose seal no longer reads is damaged.
        sProgressCase{"ASealThatNoLongerReads",
            [](ProgressRun& _run) {
                writeFileBytes(_run.profiles("00000001.xml"), wide(replaced(_run.text("00000001.xml"), " Seal=", " Sexl=")));
            },
            "00000001.xml", "The file of your farm was damaged. The farm is restored from the save before."},
        // Beside whole newest variables, a last copy cut short goes aside and nobody is told.
        sProgressCase{"ALastCopyCutShort",
            [](ProgressRun& _run) { writeFileBytes(_run.profiles("00000001.xml.bak"), cutOneByte(readFileBytes(_run.profiles("00000001.xml.bak")))); },
            "00000001.xml.bak", nullptr},
        // What a kill between the two files of a save leaves: the level state of the next
        // save beside the variables of this one.
        sProgressCase{"AKillBetweenTheTwoRenames",
            [](ProgressRun& _run) {
                const std::string variables = readFileBytes(_run.profiles("00000001.xml"));
                const std::string last = readFileBytes(_run.profiles("00000001.xml.bak"));
                ASSERT_EQ(_run.play(BACK_TO_GAME, GAME_FRAMES), 0);
                ASSERT_EQ(_run.stamp("00000001.save"), 4u);
                writeFileBytes(_run.profiles("00000001.xml"), variables);
                writeFileBytes(_run.profiles("00000001.xml.bak"), last);
                _run.clearErrors();
            },
            nullptr, "The last save of your farm did not finish. The farm is restored from the save before."},
        // Beside whole variables the last copy is only checked: as the build before sealed it, it
        // holds; with a digit changed it goes aside before a save writes over it; a stamp of its
        // own is still never taken again.
        sProgressCase{"FilesSealedByTheBuildBefore",
            [](ProgressRun& _run) {
                _run.sealAsBefore("00000001.xml");
                _run.sealAsBefore("00000001.xml.bak");
            },
            nullptr, nullptr},
        sProgressCase{"AFlippedDigitInTheLastCopy",
            [](ProgressRun& _run) { _run.damageVariable("00000001.xml.bak", "Money", "1"); },
            "00000001.xml.bak", nullptr},
        sProgressCase{"ALastCopyOfANewerStamp",
            [](ProgressRun& _run) { _run.setVariable("00000001.xml.bak", "SaveStamp", "9"); },
            nullptr, nullptr, "9, the newest stamp on the disk, is used"},
        // A stamp is believed of a whole copy alone; one above every whole copy's is not, and
        // the count never reaches a stamp that names no level state.
        sProgressCase{"TheLastLevelStatesStampDamagedToTheTop",
            [](ProgressRun& _run) { static_cast<DamagedProgressRun&>(_run).setStamp("00000001.save.bak", "\xFE\xFF\xFF\xFF"); },
            nullptr, nullptr, nullptr, 777, true},
        sProgressCase{"TheLastLevelStatesStampDamagedPastTheTop",
            [](ProgressRun& _run) { static_cast<DamagedProgressRun&>(_run).setStamp("00000001.save.bak", "\xFF\xFF\xFF\xFF"); },
            "00000001.save.bak", nullptr, nullptr, 777, true},
        sProgressCase{"AnEarlierBuildsSaveAtTheTopStamp",
            [](ProgressRun& _run) {
                for (const char* file : {"00000001.xml", "00000001.xml.bak"})
                    writeFileBytes(_run.profiles(file), wide(playerFile::unsealed(std::regex_replace(_run.text(file),
                                                                 std::regex("<prop Name=\"LevelStateSeal\"[^>]*/>"), ""))));
                for (const char* name : {"SaveStamp", "LevelStateStamp"})
                    _run.setVariable("00000001.xml", name, "4294967294");
                static_cast<DamagedProgressRun&>(_run).setStamp("00000001.save", "\xFE\xFF\xFF\xFF");
            },
            nullptr, nullptr, nullptr, 777, true, nullptr, 0xFFFFFFFFu},
        sProgressCase{"ASalvagedStampAboveEveryWholeOne",
            [](ProgressRun& _run) {
                _run.damageVariable("00000001.xml", "SaveStamp", "9");
                _run.damageVariable("00000001.xml.bak", "Money", "779");
            },
            "00000001.xml.bak", "The file of your farm was damaged. The farm is rebuilt from what of it still reads.",
            "3, the newest stamp on the disk, is used"},
        // Every notice names what happened and what starts afresh; the save before only where it was used.
        sProgressCase{"TheLevelStateMissingWithNoSaveBefore",
            [](ProgressRun& _run) {
                static_cast<DamagedProgressRun&>(_run).dropLastCopies();
                ASSERT_EQ(std::remove(_run.profiles("00000001.save").c_str()), 0);
            },
            nullptr, "The file of your farm's seed packages and journal is missing. The seed packages on the ground and the "
            "journal's notes start afresh."},
        // A file gone is missing, not damaged.
        sProgressCase{"TheNewestVariablesMissing",
            [](ProgressRun& _run) { ASSERT_EQ(std::remove(_run.profiles("00000001.xml").c_str()), 0); }, "00000001.save",
            "The file of your farm is missing. The farm is restored from the save before."},
        sProgressCase{"TheNewestLevelStateMissing",
            [](ProgressRun& _run) { ASSERT_EQ(std::remove(_run.profiles("00000001.save").c_str()), 0); }, "00000001.xml",
            "The file of your farm's seed packages and journal is missing. The farm is restored from the save before."},
        // Where the other file of the newest save is damaged, the words say damaged.
        sProgressCase{"TheNewestVariablesMissingBesideADamagedLevelState",
            [](ProgressRun& _run) {
                ASSERT_EQ(std::remove(_run.profiles("00000001.xml").c_str()), 0);
                writeFileBytes(_run.profiles("00000001.save"), std::string(300, '\0'));
            },
            "00000001.save", "The file of your farm was damaged. The farm is restored from the save before."},
        sProgressCase{"TheNewestLevelStateMissingBesideDamagedVariables",
            [](ProgressRun& _run) {
                ASSERT_EQ(std::remove(_run.profiles("00000001.save").c_str()), 0);
                _run.damageVariable("00000001.xml", "Money", "5");
            },
            "00000001.xml", "The file of your farm was damaged. The farm is restored from the save before."},
        // A salvage whose level state reads whole keeps it: the words end there, the journal kept.
        sProgressCase{"BothCopiesDamagedBesideAWholeLevelState",
            [](ProgressRun& _run) {
                _run.damageVariable("00000001.xml", "Money", "778");
                _run.damageVariable("00000001.xml.bak", "Money", "779");
            },
            "00000001.xml.bak", "The file of your farm was damaged. The farm is rebuilt from what of it still reads.\n"},
        // What still reads names a level state: none there, the journal is lost, and said so.
        sProgressCase{"BothCopiesDamagedAndNoLevelState",
            [](ProgressRun& _run) {
                _run.damageVariable("00000001.xml", "Money", "778");
                _run.damageVariable("00000001.xml.bak", "Money", "779");
                for (const char* file : {"00000001.save", "00000001.save.bak"})
                    ASSERT_EQ(std::remove(_run.profiles(file).c_str()), 0);
            },
            "00000001.xml.bak", "The file of your farm was damaged. The farm is rebuilt from what of it still reads. The seed "
            "packages on the ground and the journal's notes start afresh."},
        sProgressCase{"TheNewestDamagedAndTheLastLevelStateMissing",
            [](ProgressRun& _run) {
                _run.damageVariable("00000001.xml", "Money", "5");
                ASSERT_EQ(std::remove(_run.profiles("00000001.save.bak").c_str()), 0);
            },
            "00000001.xml", "The file of your farm was damaged. The farm is restored from the save before. The seed packages "
            "on the ground and the journal's notes start afresh."},
        sProgressCase{"TheVariablesCutBeforeTheirStampsWithNoSaveBefore",
            [](ProgressRun& _run) {
                static_cast<DamagedProgressRun&>(_run).dropLastCopies();
                const std::string all = _run.text("00000001.xml");
                const size_t at = std::min(all.find("<prop Name=\"SaveStamp\""), all.find("<prop Name=\"LevelStateStamp\""));
                writeFileBytes(_run.profiles("00000001.xml"), wide(all.substr(0, at)));
            },
            "00000001.save", "The file of your farm was damaged. The farm is rebuilt from what of it still reads. The seed "
            "packages on the ground and the journal's notes start afresh.", "Starting afresh: the awards."},
        sProgressCase{"ASalvageWhoseLastSaveFailed",
            [](ProgressRun& _run) {
                _run.damageVariable("00000001.xml", "Money", "778");
                _run.damageVariable("00000001.xml.bak", "Money", "779");
                _run.writeText("profiles.xml", INDEX_HEAD + "<Profile Name=\"Ann\" ID=\"1\" LastSaveFailed=\"1\"/></Profiles>");
            },
            "00000001.xml.bak", "The last save of your farm did not go through. The file of your farm was damaged. The farm is "
            "rebuilt from what of it still reads."},
        sProgressCase{"ANewFarmWhoseSavesFailed",
            [](ProgressRun& _run) {
                for (const char* file : {"00000001.xml", "00000001.xml.bak", "00000001.save", "00000001.save.bak"})
                    ASSERT_EQ(std::remove(_run.profiles(file).c_str()), 0);
                _run.writeText("profiles.xml", INDEX_HEAD + "<Profile Name=\"Ann\" ID=\"1\" LastSaveFailed=\"1\"/></Profiles>");
            },
            nullptr, "The last save of your farm did not go through. The files of your farm are not in the folder:", nullptr, 0},
        // A notice the build before kept in its words alone, which this start tells again of the
        // same damage: one notice, and gone once shown.
        sProgressCase{"ANoticeKeptByTheBuildBeforeOfTheSameDamage",
            [](ProgressRun& _run) {
                _run.damageVariable("00000001.xml", "Money", "5");
                _run.writeText("profiles.xml", INDEX_HEAD + "<Profile Name=\"Ann\" ID=\"1\" Untold0=\"The file of your farm "
                                                            "was damaged. The farm is restored from the save before.\"/></Profiles>");
            },
            "00000001.xml", "The file of your farm was damaged. The farm is restored from the save before.", nullptr, 777, true},
        // Variables that name no level state, of a save that failed: its words once.
        sProgressCase{"ALevelStateUnsavedWhoseLastSaveFailed",
            [](ProgressRun& _run) {
                _run.setVariable("00000001.xml", "LevelStateStamp", "0");
                _run.writeText("profiles.xml", INDEX_HEAD + "<Profile Name=\"Ann\" ID=\"1\" LastSaveFailed=\"1\"/></Profiles>");
            },
            "00000001.save", "The last save of your farm did not go through. The seed packages on the ground and the journal's "
            "notes start afresh."},
        // The last copy, checked by its seal beside whole newest variables, is judged by every value once taken.
        sProgressCase{"ALastCopyTheGameRefusesBesideADamagedLevelState",
            [](ProgressRun& _run) {
                static_cast<DamagedProgressRun&>(_run).flipInLevelState("00000001.save");
                _run.setVariable("00000001.xml.bak", "Money", "-5");
            },
            "00000001.xml.bak", "The file of your farm was damaged. The farm is rebuilt from what of it still reads."}),
    [](const ::testing::TestParamInfo<sProgressCase>& _info) { return std::string(_info.param.what); });


// A damaged value (one that does not read, or one flipped digit that breaks the file's seal)
// gives the farm of the save before, whole, and the player hears it once; values of the two
// copies are never combined. Without a whole copy, what still reads is kept, and a contract or a
// letter only where its values read and agree. A file of an earlier build is read as that
// build meant it: its position names the contract, and nobody is told of damage not there.
enum eSave { THIS_BUILD, EARLIER_BUILD, SEALED_AS_BEFORE, NO_LAST_COPY, LAST_COPY_OF_AN_EARLIER_BUILD };

struct sValueCase {
    const char* what;
    const char* variable;
    const char* damaged;
    // The last copy's value (none: as the last save left it), and the least the variable holds
    // after the game.
    const char* last;
    double atLeast;
    const char* logged;
    // What the player is told first, when anything.
    const char* told;
    // Variables set in both copies first, "name=value" joined by ";": a contract that runs.
    const char* both = nullptr;
    // Then in the last copy alone; and the most the variable holds after the game.
    const char* copy = nullptr;
    double atMost = 1e18;
    // The game is left for the main menu and played again in the same run.
    bool again = false;
    // Who wrote the files, or that the newest has no last copy.
    eSave save = THIS_BUILD;
    // The variable held to atLeast and atMost, when not the damaged one.
    const char* checked = nullptr;
};

// Esc, the main menu and its question, Play again: a second game in the same run, left soon after.
const std::string PLAY_AGAIN = BACK_TO_GAME + key(700, "Esc") + click(730, 400, 466) + click(770, 305, 352) +
                               click(850, 400, 226);
const char* const MISSING = "<missing>";

void PrintTo(const sValueCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class ValueRun : public ProgressRun, public ::testing::WithParamInterface<sValueCase> {};

TEST_P(ValueRun, AValueThatDoesNotReadComesFromTheLastCopyOrIsTold)
{
    const sValueCase& value = GetParam();
    prepareTwoSaves();
    const auto put = [this](const char* _file, const char* _pairs) {
        std::stringstream pairs(_pairs ? _pairs : "");
        for (std::string pair; std::getline(pairs, pair, ';');)
            putVariable(_file, pair.substr(0, pair.find('=')), pair.substr(pair.find('=') + 1));
    };
    put("00000001.xml", value.both);
    put("00000001.xml.bak", value.both);
    put("00000001.xml.bak", value.copy);
    if (value.last)
        setVariable("00000001.xml.bak", value.variable, value.last);
    if (value.save == EARLIER_BUILD)
        unseal("00000001.xml");
    if (value.save == EARLIER_BUILD || value.save == LAST_COPY_OF_AN_EARLIER_BUILD)
        unseal("00000001.xml.bak");
    if (value.save == SEALED_AS_BEFORE) {
        sealAsBefore("00000001.xml");
        sealAsBefore("00000001.xml.bak");
    }
    if (value.save == NO_LAST_COPY) {
        ASSERT_EQ(std::remove(profiles("00000001.xml.bak").c_str()), 0);
    }
    if (value.damaged == std::string(MISSING))
        writeFileBytes(profiles("00000001.xml"), wide(std::regex_replace(text("00000001.xml"),
                                      std::regex("<prop Name=\"" + std::string(value.variable) + "\"[^>]*>"), "")));
    else
        damageVariable("00000001.xml", value.variable, value.damaged);

    ASSERT_EQ(value.again ? play(PLAY_AGAIN, 900) : play(BACK_TO_GAME, GAME_FRAMES), 0);

    const std::string checked = value.checked ? value.checked : value.variable;
    EXPECT_GE(std::stod(variable("00000001.xml", checked)), value.atLeast);
    EXPECT_LE(std::stod(variable("00000001.xml", checked)), value.atMost);
    const std::string log = errors();
    EXPECT_NE(log.find(value.logged), std::string::npos) << log;
    const size_t told = value.told ? log.find(std::string("The player is told: ") + value.told) : std::string::npos;
    EXPECT_TRUE(!value.told || told != std::string::npos) << log;
    EXPECT_EQ(log.find("The player is told"), told) << log;
}

#define FURROW_BEFORE "The file of your farm was damaged. The farm is restored from the save before."
#define FURROW_REBUILT "The file of your farm was damaged. The farm is rebuilt from what of it still reads."
#define FURROW_BROKEN "does not agree with its seal"
#define FURROW_HELD(value) "in \"Profiles/00000001.xml\" held \"" value "\", not a"
#define FURROW_CONTRACT "task0=1;taskAt0=60;taskTime0=170"
#define FURROW_NEIGHBOUR "task0=4;taskAt0=60;taskTime0=170"
#define FURROW_GROCER "task0=7;taskAt0=240;taskTime0=300"
#define FURROW_KITCHEN "task0=20;taskAt0=810;taskTime0=300"
#define FURROW_LETTER "letter0=4;letterAt0=60;letTime0=80"
#define FURROW_DROPPED "does not read whole, or holds a clock its contract"

INSTANTIATE_TEST_SUITE_P(Values, ValueRun,
    ::testing::Values(
        sValueCase{"ClockNan", "GameTime", "nan", "500", 500, FURROW_HELD("nan"), FURROW_BEFORE},
        sValueCase{"ClockInf", "GameTime", "inf", "500", 500, FURROW_HELD("inf"), FURROW_BEFORE},
        sValueCase{"ClockBelowZero", "GameTime", "-5", "500", 500, "held \"-5\", which the game cannot use", FURROW_BEFORE},
        // One digit of the clock: the prize of its time is not paid twice, with the money of the newest.
        sValueCase{"ClockFlipped", "GameTime", "1500", "500", 500, FURROW_BROKEN, FURROW_BEFORE, nullptr, nullptr, 1000},
        sValueCase{"ClockFlippedUnderTheBuildBeforesSeal", "GameTime", "1500", "500", 500, FURROW_BROKEN, FURROW_BEFORE,
            nullptr, nullptr, 1000, false, SEALED_AS_BEFORE},
        sValueCase{"MoneyNan", "Money", "nan", "5877", 5877, FURROW_HELD("nan"), FURROW_BEFORE},
        sValueCase{"MoneyBelowZero", "Money", "-5", "5877", 5877, "held \"-5\", which the game cannot use", FURROW_BEFORE},
        sValueCase{"MoneyPastItsRange", "Money", "1e20", "5877", 5877, FURROW_HELD("1e20"), FURROW_BEFORE},
        sValueCase{"MoneyInf", "Money", "inf", "5877", 5877, FURROW_HELD("inf"), FURROW_BEFORE},
        // Damaged in both copies: the default, but never in silence.
        sValueCase{"MoneyInBothCopies", "Money", "nan", "x", 0, "Game variable Money in \"Profiles/00000001.xml\" held "
            "\"nan\", not a whole number", "Part of your farm's file could not be read in any copy. Starting afresh: the money."},
        // A file cut short before the money, with no copy: the money is named as what starts afresh.
        sValueCase{"MoneyMissingWithoutACopy", "Money", MISSING, nullptr, 0, FURROW_BROKEN,
            "Part of your farm's file could not be read in any copy. Starting afresh: the money.", nullptr, nullptr, 1e18,
            false, NO_LAST_COPY},
        sValueCase{"GoodsInTheBarn", "WGoodCount0", "x", "7", 7, FURROW_HELD("x"), FURROW_BEFORE},
        // The last save's pair bears stamp 3: the next save takes 4, whatever the last copy says.
        sValueCase{"TheSaveStamp", "SaveStamp", "x", nullptr, 4, "3, the newest stamp on the disk, is used", FURROW_BEFORE},
        // A damaged copy's stamp is not believed: the next saves go on from the copy used.
        sValueCase{"TheSaveStampFlipped", "SaveStamp", "4294967294", nullptr, 4, FURROW_BROKEN, FURROW_BEFORE, nullptr,
            nullptr, 10},
        // The neighbour's contract of 0:01:00 runs: it comes back with the save before.
        sValueCase{"ContractAbc", "task0", "abc", nullptr, 0, FURROW_HELD("abc"), FURROW_BEFORE, FURROW_CONTRACT},
        sValueCase{"ContractEmpty", "task0", "", nullptr, 0, FURROW_HELD(""), FURROW_BEFORE, FURROW_CONTRACT},
        sValueCase{"ContractBelowNone", "task0", "-7", nullptr, 0, FURROW_BROKEN, FURROW_BEFORE, FURROW_CONTRACT},
        sValueCase{"ContractHalf", "task0", "4.5", nullptr, 0, FURROW_HELD("4.5"), FURROW_BEFORE, FURROW_CONTRACT},
        sValueCase{"ContractExponent", "task0", "1e3", nullptr, 0, FURROW_HELD("1e3"), FURROW_BEFORE, FURROW_CONTRACT},
        sValueCase{"ContractPastTheTimeLine", "task0", "9999", nullptr, 0, FURROW_BROKEN, FURROW_BEFORE, FURROW_CONTRACT},
        // Its clock and its pay.
        sValueCase{"ContractClock", "taskTime0", "nan", "150", 140, FURROW_HELD("nan"), FURROW_BEFORE, FURROW_CONTRACT},
        sValueCase{"ContractPay", "taskBonus0", "x", "60", 60, FURROW_HELD("x"), FURROW_BEFORE, FURROW_CONTRACT},
        // No copy is whole: the time names the contract, but its number does not read.
        sValueCase{"ContractInNoCopy", "task0", "abc", "x", -1, FURROW_DROPPED, FURROW_REBUILT, FURROW_CONTRACT, nullptr,
            -1},
        sValueCase{"ContractKnownByItsTime", "task0", "abc", nullptr, -1, FURROW_DROPPED, FURROW_REBUILT, FURROW_CONTRACT,
            "taskAt0=x", -1},
        sValueCase{"ContractLineMissing", "task0", MISSING, nullptr, 4, FURROW_BROKEN, FURROW_BEFORE, FURROW_CONTRACT,
            nullptr, 4},
        // A time or number of no contract, beside a position that names one.
        sValueCase{"ContractTimeOfNone", "taskAt0", "99999", nullptr, 60, FURROW_BROKEN, FURROW_BEFORE, FURROW_NEIGHBOUR,
            nullptr, 60},
        sValueCase{"ContractNumberOfNone", "taskNth0", "1", nullptr, 0, FURROW_BROKEN, FURROW_BEFORE, FURROW_NEIGHBOUR,
            nullptr, 0},
        sValueCase{"ContractNumberBelowZero", "taskNth0", "-1", nullptr, 0, FURROW_BROKEN, FURROW_BEFORE,
            FURROW_NEIGHBOUR, nullptr, 0},
        // Values that read but that the contract could not have.
        sValueCase{"ContractClockBelowZero", "taskTime0", "-7", nullptr, 100, FURROW_BROKEN, FURROW_BEFORE,
            FURROW_CONTRACT},
        sValueCase{"ContractPayPastItsEvents", "taskBonus0", "99999", nullptr, 60, FURROW_BROKEN, FURROW_BEFORE,
            FURROW_CONTRACT ";taskBonus0=60", nullptr, 60},
        sValueCase{"ContractCountPastItsEvents", "req0_0", "99999", nullptr, 4, FURROW_BROKEN, FURROW_BEFORE,
            FURROW_CONTRACT ";req0_0=4", nullptr, 4},
        // An earlier build met the school kitchen's contract, left its terms at 0 and accepted the
        // baker's, keeping the kitchen's time it does not know: the baker's runs on its own terms.
        sValueCase{"ContractOfAnEarlierBuild", "task0", "22", nullptr, 22, "its kept terms are of event 20", nullptr,
            FURROW_KITCHEN ";taskBonus0=320;req0_0=0;req0_1=0", nullptr, 22, false, EARLIER_BUILD},
        // The same kept by the last copy, beside newest variables of this build that are damaged:
        // the copy used says who wrote it.
        sValueCase{"ContractOfAnEarlierBuildsLastCopy", "Money", "778", nullptr, 22, "its kept terms are of event 20",
            FURROW_BEFORE, FURROW_KITCHEN ";taskBonus0=320;req0_0=0;req0_1=0", "task0=22", 22, false,
            LAST_COPY_OF_AN_EARLIER_BUILD, "task0"},
        // The kitchen's pay is not the baker's: his contract pays its own (260, moved by a fifth at most).
        sValueCase{"ContractPayOfAnEarlierBuild", "task0", "22", nullptr, 208, "its kept terms are of event 20", nullptr,
            FURROW_KITCHEN ";taskBonus0=320;req0_0=0;req0_1=0", nullptr, 312, false, EARLIER_BUILD, "taskBonus0"},
        // Terms of 0 are those an ended contract leaves: the grocer asks his own four tomatoes.
        sValueCase{"ContractTermsOfZero", "req0_0", "0", nullptr, 4, "", nullptr,
            "task0=7;taskAt0=240;taskTime0=300;req0_0=0;req0_1=0"},
        // One damaged value naming another contract.
        sValueCase{"ContractTimeOfAnother", "taskAt0", "240", nullptr, 810, FURROW_BROKEN, FURROW_BEFORE, FURROW_KITCHEN,
            nullptr, 810},
        // Two places of an earlier build naming one contract: one card.
        sValueCase{"ContractInTwoPlaces", "task1", "4", nullptr, -1, "names a contract that another place holds",
            nullptr, FURROW_NEIGHBOUR, nullptr, -1, false, EARLIER_BUILD},
        // The copy holds another contract in the place: the farm is the save before, whole.
        sValueCase{"ContractOtherInTheCopy", "taskTime0", "nan", nullptr, 0, FURROW_HELD("nan"), FURROW_BEFORE,
            FURROW_GROCER, FURROW_NEIGHBOUR, 1e18, false, THIS_BUILD, "taskTime0"},
        sValueCase{"ContractNewerThanTheCopy", "task0", "abc", nullptr, 4, FURROW_HELD("abc"), FURROW_BEFORE,
            FURROW_GROCER, FURROW_NEIGHBOUR, 4},
        // The contract ended after the last copy: it runs again, with the money of its time.
        sValueCase{"ContractEndedSinceTheCopy", "task0", "abc", nullptr, 4, FURROW_HELD("abc"), FURROW_BEFORE, nullptr,
            FURROW_NEIGHBOUR ";taskBonus0=60", 4},
        // A second game in the same run takes the game's own values, not the file's again.
        sValueCase{"ContractInASecondGame", "task0", "4", nullptr, 4, "", nullptr, FURROW_NEIGHBOUR, nullptr, 4, true},
        sValueCase{"LetterGoneBeforeASecondGame", "letter0", "7", nullptr, -1, "", nullptr,
            "letter0=7;letterAt0=240;letTime0=5", nullptr, -1, true},
        // A newer time-line moved the event, or no longer holds it.
        sValueCase{"ContractMoved", "task0", "0", nullptr, 0, "stood at event 1 of the time-line; it is found at event",
            FURROW_BEFORE, FURROW_CONTRACT},
        sValueCase{"ContractGone", "taskAt0", "61", "61", -1, "The running contract in place 0 of 00:01:01 is no "
            "contract of the time-line: it is dropped.", FURROW_BEFORE, FURROW_CONTRACT},
        // The neighbour's letter waits in the post box.
        sValueCase{"LetterAbc", "letter0", "abc", nullptr, 0, FURROW_HELD("abc"), FURROW_BEFORE,
            "letter0=1;letterAt0=60;letTime0=80"},
        sValueCase{"LetterLineMissing", "letter0", MISSING, nullptr, 4, FURROW_BROKEN, FURROW_BEFORE, FURROW_LETTER,
            nullptr, 4},
        sValueCase{"LetterClockBelowZero", "letTime0", "-7", nullptr, 70, FURROW_BROKEN, FURROW_BEFORE, FURROW_LETTER},
        sValueCase{"LetterTimeOfNone", "letterAt0", "99999", nullptr, 60, FURROW_BROKEN, FURROW_BEFORE, FURROW_LETTER,
            nullptr, 60},
        sValueCase{"LetterNumberOfNone", "letterNth0", "1", nullptr, 0, FURROW_BROKEN, FURROW_BEFORE, FURROW_LETTER,
            nullptr, 0},
        sValueCase{"LetterTimeOfARunningContract", "letterAt0", "810", nullptr, 240, FURROW_BROKEN, FURROW_BEFORE,
            FURROW_KITCHEN ";letter0=7;letterAt0=240;letTime0=80", nullptr, 240},
        // Killed right after the grocer's hand-over: the newest has the place free and the pay,
        // its last copy the contract running. The contract comes back only with the money before.
        sValueCase{"AHandOverFlipped", "task0", "9999", nullptr, 100, FURROW_BROKEN, FURROW_BEFORE, nullptr,
            FURROW_GROCER ";Money=443", 700, false, THIS_BUILD, "Money"},
        sValueCase{"AHandOverUnread", "task0", "x", nullptr, 100, FURROW_HELD("x"), FURROW_BEFORE, nullptr,
            FURROW_GROCER ";Money=443", 700, false, THIS_BUILD, "Money"},
        // A flipped digit swaps the grocer's contract for the school kitchen's, or starts one in a
        // free place; a flipped letter puts one back in the post box.
        sValueCase{"AContractSwapped", "task0", "20", nullptr, 7, FURROW_BROKEN, FURROW_BEFORE, FURROW_GROCER, nullptr,
            7},
        sValueCase{"AContractSwappedUnread", "task0", "2x", nullptr, 7, FURROW_HELD("2x"), FURROW_BEFORE, FURROW_GROCER,
            nullptr, 7},
        sValueCase{"AContractNeverAccepted", "task0", "7", nullptr, -1, FURROW_BROKEN, FURROW_BEFORE, nullptr, nullptr,
            -1},
        sValueCase{"ALetterPaidBefore", "letter0", "7", nullptr, -1, FURROW_BROKEN, FURROW_BEFORE, nullptr, nullptr, -1},
        // Damaged terms: the pay and the clock the letter offered.
        sValueCase{"APayFlipped", "taskBonus0", "140", nullptr, 340, FURROW_BROKEN, FURROW_BEFORE,
            FURROW_GROCER ";taskBonus0=340", nullptr, 340},
        sValueCase{"AClockFlipped", "taskTime0", "74", nullptr, 200, FURROW_BROKEN, FURROW_BEFORE, FURROW_GROCER},
        // An earlier build's whole save, the baker's contract running beside the time it left:
        // nothing was damaged, and nobody is told.
        sValueCase{"AnEarlierBuildsStalePlace", "task0", "22", nullptr, 22, "", nullptr,
            "task0=22;taskAt0=810;taskTime0=300", nullptr, 22, false, EARLIER_BUILD},
        // Saved here while the noon goal held the clock, then played on by an earlier build,
        // which met the goal and fired what followed it but left the saved place: the goal is not
        // set again, nor its news told twice.
        sValueCase{"AnEarlierBuildPlayedPastTheGoal", "mTrigger", "0", nullptr, 0, "", nullptr,
            "GameTime=725;eventNext=17;eventNextAt=720;Money=100;UpAvail12=1;fua=1", nullptr, 0, false, EARLIER_BUILD},
        // Salvaged from a sealed file, a place is this build's: where its position and its time name
        // two contracts it names none, as an earlier build's would name the one of its position.
        sValueCase{"ContractSalvagedWhereItsPlaceDisagrees", "task0", "4", nullptr, -1, "is no contract of the time-line",
            FURROW_REBUILT, "task0=7;taskAt0=240;taskTime0=100", nullptr, -1, false, NO_LAST_COPY},
        // Without a last copy the clock does not read: the time-line goes on from its saved place,
        // and the aunt's welcome gift of 0:00:02 is not paid again. The clock does not start afresh.
        sValueCase{"ClockWithoutACopy", "GameTime", "x", nullptr, 443, FURROW_HELD("x"), FURROW_REBUILT,
            "Money=443;GameTime=30;eventNext=4;eventNextAt=60", nullptr, 443, true, NO_LAST_COPY, "Money"},
        // A clock that reads only in part, or reads before the saved place, is not believed either.
        sValueCase{"AClockReadInPartWithoutACopy", "GameTime", "1>8.27913", nullptr, 443, FURROW_HELD("1>8.27913"),
            FURROW_REBUILT, "Money=443;GameTime=30;eventNext=4;eventNextAt=60", nullptr, 443, true, NO_LAST_COPY, "Money"},
        // Without a saved place it does start afresh, and is named so.
        sValueCase{"ClockAndItsPlaceWithoutACopy", "GameTime", "x", nullptr, 0, FURROW_HELD("x"),
            "Part of your farm's file could not be read in any copy. Starting afresh: the game clock.",
            "GameTime=30;eventNext=-1", nullptr, 1e18, false, NO_LAST_COPY},
        // So does one whose place reads but does not fit the time-line (event 4 is due at 60 s): the clock
        // stands before 20 s, the last event passed, where it would have gone on.
        sValueCase{"ClockWhosePlaceDoesNotFitWithoutACopy", "GameTime", "x", nullptr, 0, FURROW_HELD("x"),
            "Part of your farm's file could not be read in any copy. Starting afresh: the game clock.",
            "Money=443;GameTime=30;eventNext=4;eventNextAt=70", nullptr, 19, false, NO_LAST_COPY},
        // Before the first event no event was passed to go back to.
        sValueCase{"ClockWhosePlaceIsTheFirstEventWithoutACopy", "GameTime", "x", nullptr, 0, FURROW_HELD("x"),
            "Part of your farm's file could not be read in any copy. Starting afresh: the game clock.",
            "Money=443;GameTime=30;eventNext=0;eventNextAt=1", nullptr, 19, false, NO_LAST_COPY},
        sValueCase{"AClockDamagedLowerWithoutACopy", "GameTime", "1", nullptr, 443, "stands before the time-line's saved place",
            FURROW_REBUILT, "Money=443;GameTime=30;eventNext=4;eventNextAt=60", nullptr, 443, true, NO_LAST_COPY, "Money"},
        // Nor a running contract's pay: the grocer's contract pays its own (300, moved by a fifth at most).
        sValueCase{"APayFlippedWithoutACopy", "taskBonus0", "740", nullptr, 240, FURROW_BROKEN, FURROW_REBUILT,
            FURROW_GROCER ";taskBonus0=340", nullptr, 360, false, NO_LAST_COPY},
        // Without a last copy an unread flag of an identified contract or letter keeps it.
        sValueCase{"AFlagWithoutACopy", "taskPassCancel0", "x", nullptr, 7, FURROW_HELD("x"), FURROW_REBUILT,
            FURROW_GROCER, nullptr, 7, false, NO_LAST_COPY, "task0"},
        sValueCase{"ALetterStateWithoutACopy", "letState0", "x", nullptr, 7, FURROW_HELD("x"), FURROW_REBUILT,
            "letter0=7;letterAt0=240;letTime0=80;letState0=1", nullptr, 7, false, NO_LAST_COPY, "letter0"},
        // A salvaged clock that reads past the last event passed is the farm's own: only one
        // before it is set back.
        sValueCase{"AClockReadWellWithoutACopy", "Money", "444", nullptr, 50, FURROW_BROKEN, FURROW_REBUILT,
            "Money=443;GameTime=50;eventNext=4;eventNextAt=60", nullptr, 60, false, NO_LAST_COPY, "GameTime"},
        // Saves made since a save of both files failed name no level state: the time-line's factors
        // start afresh, yet the grocer's contract pays what the whole variables kept for it.
        sValueCase{"APayKeptWhenTheFactorsStartAfresh", "taskBonus0", "340", nullptr, 340,
            "the level state starts afresh", "The last save of your farm did not go through. The seed packages on "
            "the ground and the journal's notes start afresh.", FURROW_GROCER ";taskBonus0=340;LevelStateStamp=0",
            nullptr, 340},
        // Nor does a level state used as it reads, beside whole variables, unseat the terms sealed
        // with them: the pay kept is not the 340 its factors give.
        sValueCase{"APayKeptBesideALevelStateThatDisagreesWithItsSeal", "taskBonus0", "320", nullptr, 320,
            "it is used as it reads", FURROW_REBUILT, FURROW_GROCER ";taskBonus0=320;LevelStateSeal=3:0", nullptr, 320,
            false, NO_LAST_COPY}),
    [](const ::testing::TestParamInfo<sValueCase>& _info) { return std::string(_info.param.what); });
#undef FURROW_BEFORE
#undef FURROW_REBUILT
#undef FURROW_BROKEN
#undef FURROW_HELD
#undef FURROW_CONTRACT
#undef FURROW_NEIGHBOUR
#undef FURROW_GROCER
#undef FURROW_KITCHEN
#undef FURROW_LETTER
#undef FURROW_DROPPED

TEST_F(ProgressRun, APlayerWhoseFilesAreAllGoneIsTold)
{
    prepareTwoSaves();
    for (const char* name : {"00000001.xml", "00000001.xml.bak", "00000001.save", "00000001.save.bak"})
        ASSERT_EQ(std::remove(profiles(name).c_str()), 0) << name;

    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);

    EXPECT_NE(errors().find("The player is told: The files of your farm are not in the folder: \xC2\xAB" + profiles()),
        std::string::npos)
        << errors();
    EXPECT_FALSE(exists("00000002.xml")) << "a second farm was made";
}

// --- Smaller ---------------------------------------------------------------------------

struct sLoggedCase {
    const char* what;
    std::function<void(ProgressRun&)> prepare;
    const char* logged;
};

void PrintTo(const sLoggedCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class LoggedRun : public ProgressRun, public ::testing::WithParamInterface<sLoggedCase> {};

TEST_P(LoggedRun, TheLogSaysWhatWasLeftOut)
{
    prepareTwoSaves();
    GetParam().prepare(*this);
    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);
    EXPECT_NE(errors().find(GetParam().logged), std::string::npos) << errors();
}

INSTANTIATE_TEST_SUITE_P(Smaller, LoggedRun,
    ::testing::Values(
        // Money would come from the last copy: a count whose default costs nothing shows the reader's refusal.
        sLoggedCase{"AnIntegerReadOnlyInPart", [](ProgressRun& _run) { _run.setVariable("00000001.xml", "CarUp", "1e9"); },
            "Game variable CarUp in \"Profiles/00000001.xml\" held \"1e9\", not a whole number"},
        sLoggedCase{"AnIntegerPastItsRange",
            [](ProgressRun& _run) { _run.setVariable("00000001.xml", "CarUp", "99999999999999"); },
            "Game variable CarUp in \"Profiles/00000001.xml\" held \"99999999999999\", not a whole number"},
        sLoggedCase{"ADuplicateNameInTheIndex",
            [](ProgressRun& _run) {
                _run.writeText("profiles.xml", "<?xml version=\"1.0\" encoding=\"UTF-16\"?><Profiles NextID=\"3\" "
                                               "CurrentUser=\"Ann\"><Profile Name=\"Ann\" ID=\"1\"/><Profile "
                                               "Name=\"Ann\" ID=\"2\"/></Profiles>");
            },
            "Profile \"Ann\" is in the index twice; only its first entry is kept."},
        sLoggedCase{"AWholeLevelStateOfAnotherSave",
            [](ProgressRun& _run) { writeFileBytes(_run.profiles("00000001.save"), std::string(300, '\0')); },
            "00000001.xml\" goes with no whole level state; moved aside"},
        sLoggedCase{"SettingsOverTheSizeLimit",
            [](ProgressRun& _run) { ASSERT_EQ(truncate(_run.profiles("../sys/settings.xml").c_str(), 65 << 20), 0); },
            "sys/settings.xml\" is too large (68157440 bytes); moved aside"}),
    [](const ::testing::TestParamInfo<sLoggedCase>& _info) { return std::string(_info.param.what); });

} // namespace
