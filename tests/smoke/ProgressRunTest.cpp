// A player's progress through damaged files, kills, closed folders and a full disk: each case
// is the real game started headless on files the test has broken, in a folder of its own so
// that its error log is its own.
#include "GameToKill.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string key(int _frame, const char* _key)
{
    return std::to_string(_frame) + " down " + _key + "\n" + std::to_string(_frame + 1) + " up " + _key + "\n";
}
std::string click(int _frame, int _x, int _y)
{
    return std::to_string(_frame) + " move " + std::to_string(_x) + " " + std::to_string(_y) + "\n" +
           std::to_string(_frame + 5) + " press left\n" + std::to_string(_frame + 6) + " release left\n";
}
const std::string LOGOS = key(60, "Space") + key(120, "Space") + key(180, "Space");
// A new player named Ann and Play.
const std::string NEW_PLAYER = LOGOS + "270 text Ann\n" + key(275, "Enter") + click(340, 400, 226);
// The player the start finds, and Play: a game that is left at frame 420.
const std::string BACK_TO_GAME = LOGOS + click(340, 400, 226);
const int GAME_FRAMES = 420;
// Two minutes of play at 50 frames a second, and a little more.
const int TWO_MINUTES = 6100;

std::string narrow(const std::string& _utf16)
{
    std::string text;
    for (char byte : _utf16)
        if (byte != 0 && byte != '\xFF' && byte != '\xFE')
            text += byte;
    return text;
}

std::string wide(const std::string& _text)
{
    std::string bytes = "\xFF\xFE";
    for (char c : _text)
        bytes += std::string{c, '\0'};
    return bytes;
}

int statusOf(int _system)
{
    return WIFEXITED(_system) ? WEXITSTATUS(_system) : -1;
}

class ProgressRun : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_EQ(symlink(FURROW_BUILD "/Data", m_folder.file("Data").c_str()), 0);
    }

    // The game headless in the test's folder; _how goes before it in the shell (a limit, another user).
    int play(const std::string& _walk, int _frames, const std::string& _how = "")
    {
        writeFileBytes(m_folder.file("walk.txt"), _walk);
        const std::string command = "cd '" + m_folder.path() + "' && " + _how + " env FURROW_PLATFORM=headless FURROW_HOME='" +
                                    home() + "' FURROW_REPLAY=walk.txt FURROW_FRAME_TIME=0.02 FURROW_FRAMES=" +
                                    std::to_string(_frames) + " SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 '" + m_game + "'";
        return statusOf(std::system(command.c_str()));
    }
    // The game and its data copied into the test's folder, for a user who may not enter the
    // build folder (a checkout in a closed home); later runs start the copy.
    bool copyTheGameIn()
    {
        const std::string copy = "rm '" + m_folder.file("Data") + "' && cp -R '" FURROW_BUILD "/Data' '" + m_folder.path() +
                                 "/' && cp '" FURROW_GAME "' '" + m_folder.file("furrow") + "'";
        if (std::system(copy.c_str()) != 0)
            return false;
        m_game = m_folder.file("furrow");
        return true;
    }
    // Why the case cannot run here, when it cannot.
    void skip(const std::string& _why) { m_skipped = _why; }
    const std::string& skipped() const { return m_skipped; }
    // Ann with two saves behind her, every tip seen and 777 coins in both: the last save and
    // the one before it (the last copies).
    void prepareTwoSaves()
    {
        ASSERT_EQ(play(NEW_PLAYER, GAME_FRAMES), 0);
        for (int i = 0; i < 50; ++i)
            setVariable("00000001.xml", "tip" + std::to_string(i), "1");
        setVariable("00000001.xml", "Money", "777");
        ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);
        ASSERT_GE(money("00000001.xml.bak"), 777);
        ASSERT_EQ(stamp("00000001.save"), 3u);
        clearErrors();
    }

    const std::string& folder() const { return m_folder.path(); }
    std::string home() const { return m_folder.file("home"); }
    std::string profiles(const std::string& _name = "") const { return home() + "/Furrow/profiles/" + _name; }
    bool exists(const std::string& _name) const
    {
        struct stat info {};
        return ::lstat(profiles(_name).c_str(), &info) == 0;
    }
    std::string text(const std::string& _name) const { return narrow(readFileBytes(profiles(_name))); }
    void writeText(const std::string& _name, const std::string& _text) { writeFileBytes(profiles(_name), wide(_text)); }
    std::string variable(const std::string& _file, const std::string& _name) const
    {
        std::smatch value;
        const std::string all = text(_file);
        if (!std::regex_search(all, value, std::regex("Name=\"" + _name + "\" Val=\"([^\"]*)\"")))
            return "missing";
        return value[1];
    }
    void setVariable(const std::string& _file, const std::string& _name, const std::string& _value)
    {
        std::string all = text(_file);
        const std::string head = "Name=\"" + _name + "\" Val=\"";
        const size_t at = all.find(head);
        ASSERT_NE(at, std::string::npos) << _name;
        const size_t from = at + head.size();
        all.replace(from, all.find('"', from) - from, _value);
        writeText(_file, all);
    }
    // The stamp a level-state file ends with, or 0 without one.
    unsigned stamp(const std::string& _name) const
    {
        const std::string bytes = readFileBytes(profiles(_name));
        if (bytes.size() < 8 || bytes.compare(bytes.size() - 8, 4, "FSTM") != 0)
            return 0;
        unsigned value = 0;
        for (int i = 3; i >= 0; --i)
            value = value << 8 | static_cast<unsigned char>(bytes[bytes.size() - 4 + i]);
        return value;
    }
    // Ann's coins: 777 when the test left them, more after the time-line's gifts, 100 on a new farm.
    int money(const std::string& _file = "00000001.xml") const
    {
        const std::string value = variable(_file, "Money");
        return value == "missing" ? -1 : std::atoi(value.c_str());
    }
    std::string errors() const { return readFileBytes(m_folder.file("error.log")); }
    void clearErrors() { std::remove(m_folder.file("error.log").c_str()); }
    // The hidden temporary files of the profiles folder.
    std::vector<std::string> temporaries() const
    {
        std::vector<std::string> names;
        if (DIR* folder = opendir(profiles().c_str())) {
            while (const dirent* entry = readdir(folder))
                if (std::string(entry->d_name).find(".tmp") != std::string::npos)
                    names.push_back(entry->d_name);
            closedir(folder);
        }
        return names;
    }
    // The game was played: Ann's progress is one save on, the pair agrees, no new farm.
    void expectAnnPlayedOn(unsigned _stamp)
    {
        EXPECT_GE(money(), 777);
        EXPECT_EQ(variable("00000001.xml", "SaveStamp"), std::to_string(_stamp));
        EXPECT_EQ(stamp("00000001.save"), _stamp);
        EXPECT_FALSE(exists("00000002.xml")) << "a new farm was made";
    }

    cTempFolder m_folder;
    std::string m_game = FURROW_GAME;
    std::string m_skipped;
};

std::string cutOneByte(std::string _bytes)
{
    return _bytes.erase(_bytes.size() / 2, 1);
}

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

std::string replaced(std::string _text, const std::string& _from, const std::string& _to)
{
    const size_t at = _text.find(_from);
    return at == std::string::npos ? _text : _text.replace(at, _from.size(), _to);
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
        sIndexCase{"AnIdentifierThatDoesNotRead",
            [](const std::string& _bytes) { return wide(replaced(narrow(_bytes), "ID=\"1\"", "ID=\"1x\"")); }, false, "Ann",
            nullptr}),
    [](const ::testing::TestParamInfo<sIndexCase>& _info) { return std::string(_info.param.what); });

// --- Whose farm a file is ----------------------------------------------------------------

const std::string INDEX_HEAD = "<?xml version=\"1.0\" encoding=\"UTF-16\"?><Profiles NextID=\"3\" CurrentUser=\"Ann\">";

struct sOwnerCase {
    const char* what;
    // Ann has two saves and Bob (00000002) a farm of his own; then this.
    std::function<void(ProgressRun&)> damage;
    // What the log says of the mended index.
    const char* logged;
};

void PrintTo(const sOwnerCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class OwnerRun : public ProgressRun, public ::testing::WithParamInterface<sOwnerCase> {
public:
    // Bob: Ann's farm under his own name, with 555 coins.
    void addBob()
    {
        writeFileBytes(profiles("00000002.xml"), readFileBytes(profiles("00000001.xml")));
        writeFileBytes(profiles("00000002.save"), readFileBytes(profiles("00000001.save")));
        setVariable("00000002.xml", "PlayerName", "Bob");
        setVariable("00000002.xml", "Money", "555");
    }
    void writeIndex(const std::string& _entries) { writeText("profiles.xml", INDEX_HEAD + _entries + "</Profiles>"); }
};

TEST_P(OwnerRun, EachPlayerPlaysTheFarmHerOwnFileNames)
{
    prepareTwoSaves();
    addBob();
    const std::string bob = readFileBytes(profiles("00000002.xml"));
    GetParam().damage(*this);

    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);

    EXPECT_EQ(variable("00000001.xml", "PlayerName"), "Ann");
    EXPECT_GE(money(), 777);
    EXPECT_EQ(variable("00000001.xml", "SaveStamp"), std::to_string(stamp("00000001.save")));
    EXPECT_TRUE(readFileBytes(profiles("00000002.xml")) == bob) << "Bob's farm was written over";
    EXPECT_FALSE(exists("00000002.xml.bak"));
    EXPECT_FALSE(exists("00000000.xml"));
    EXPECT_FALSE(exists("00000003.xml")) << "a new farm was made";
    const std::string index = text("profiles.xml");
    EXPECT_NE(index.find("<Profile Name=\"Ann\" ID=\"1\""), std::string::npos) << index;
    EXPECT_NE(index.find("<Profile Name=\"Bob\" ID=\"2\""), std::string::npos) << index;
    EXPECT_NE(errors().find(GetParam().logged), std::string::npos) << errors();
}

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
        // Her newest variables name Bob, their last copy her; Bob's own copies agree on him.
        sOwnerCase{"HerNewestVariablesNameBob",
            [](ProgressRun& _run) {
                _run.setVariable("00000001.xml", "PlayerName", "Bob");
                static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Ann\" ID=\"1\"/>");
            },
            "The player is told: One farm's file names two players: \xC2\xAB" "Bob\xC2\xBB, \xC2\xAB" "Ann\xC2\xBB. The farm "
            "stays with the player: \xC2\xAB" "Ann\xC2\xBB."},
        sOwnerCase{"HerNewestVariablesNameBobAndTheIndexZeroed",
            [](ProgressRun& _run) {
                _run.setVariable("00000001.xml", "PlayerName", "Bob");
                writeFileBytes(_run.profiles("profiles.xml"), std::string(readFileBytes(_run.profiles("profiles.xml")).size(), '\0'));
            },
            "Player file 00000001.xml names \"Bob\", its last copy \"Ann\"; it is \"Ann\"'s"},
        // A third file of Bob's name: the index gives him his own, and the stray copy is nobody's.
        sOwnerCase{"TwoFilesNameBob",
            [](ProgressRun& _run) {
                writeFileBytes(_run.profiles("00000004.xml"), readFileBytes(_run.profiles("00000002.xml")));
                static_cast<OwnerRun&>(_run).writeIndex("<Profile Name=\"Ann\" ID=\"1\"/><Profile Name=\"Bob\" ID=\"2\"/>");
            },
            "The player is told: It cannot be told whose farm this is: \xC2\xAB" "00000004.xml\xC2\xBB. The file is left as it is."}),
    [](const ::testing::TestParamInfo<sOwnerCase>& _info) { return std::string(_info.param.what); });

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

// --- The variables and the level state -------------------------------------------------

struct sProgressCase {
    const char* what;
    std::function<void(ProgressRun&)> damage;
    // The file of the last save that goes aside; none when nothing was damaged.
    const char* keptAside;
    const char* told;
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
};

TEST_P(DamagedProgressRun, TheFarmComesBackAsOnePairAndThePlayerIsTold)
{
    const sProgressCase& damage = GetParam();
    prepareTwoSaves();
    damage.damage(*this);
    const std::string damaged = damage.keptAside ? readFileBytes(profiles(damage.keptAside)) : "";

    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);

    EXPECT_GE(money(), 777);
    // Whatever was restored, the files now on the disk are one pair.
    EXPECT_EQ(variable("00000001.xml", "SaveStamp"), std::to_string(stamp("00000001.save")));
    if (damage.keptAside) {
        EXPECT_EQ(readFileBytes(profiles(std::string(damage.keptAside) + ".broken")), damaged);
    } else {
        EXPECT_FALSE(exists("00000001.save.broken") || exists("00000001.xml.broken")) << "a whole file was kept as broken";
    }
    EXPECT_NE(errors().find(std::string("The player is told: ") + damage.told), std::string::npos) << errors();
}

INSTANTIATE_TEST_SUITE_P(Damaged, DamagedProgressRun,
    ::testing::Values(
        sProgressCase{"AQuoteTurnedIntoAnAmpersand",
            [](ProgressRun& _run) { static_cast<DamagedProgressRun&>(_run).ampersand("00000001.xml", ""); },
            "00000001.xml", "The file of your farm was damaged. The farm is restored from the save before."},
        sProgressCase{"TheVariablesAndTheirLastCopy",
            [](ProgressRun& _run) {
                auto& run = static_cast<DamagedProgressRun&>(_run);
                run.ampersand("00000001.xml", "Name=\"PlayerName\" Val=\"");
                run.ampersand("00000001.xml.bak", "Name=\"PlayerName\" Val=\"");
            },
            "00000001.xml", "The file of your farm was damaged. The farm is rebuilt from what of it still reads."},
        // The newest variables are whole: they are kept, and only the level state starts afresh.
        sProgressCase{"TheLevelStateZeroFilled",
            [](ProgressRun& _run) { writeFileBytes(_run.profiles("00000001.save"), std::string(300, '\0')); },
            "00000001.save", "The file of your farm was damaged. The seed packages on the ground and the journal's notes start afresh."},
        sProgressCase{"JunkAfterTheLevelState",
            [](ProgressRun& _run) { static_cast<DamagedProgressRun&>(_run).appendTo("00000001.save", "junk!"); },
            "00000001.save", "The file of your farm was damaged. The seed packages on the ground and the journal's notes start afresh."},
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
            nullptr, "The last save of your farm did not finish. The farm is restored from the save before."}),
    [](const ::testing::TestParamInfo<sProgressCase>& _info) { return std::string(_info.param.what); });

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

// --- Files that stopped every start ----------------------------------------------------

struct sStopCase {
    const char* what;
    std::function<void(ProgressRun&)> prepare;
    // Before the game in the shell: a user, a limit.
    std::function<std::string(ProgressRun&)> how;
    int frames;
    const char* told;
    unsigned stampAfter;
    // A file the start moved aside, relative to the profiles folder.
    const char* aside;
};

void PrintTo(const sStopCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class StopRun : public ProgressRun, public ::testing::WithParamInterface<sStopCase> {};

TEST_P(StopRun, TheGamePlaysOnAndSaysWhyNothingIsSaved)
{
    prepareTwoSaves();
    GetParam().prepare(*this);
    const std::string how = GetParam().how(*this);
    if (!skipped().empty())
        GTEST_SKIP() << skipped();

    ASSERT_EQ(play(BACK_TO_GAME, GetParam().frames, how), 0) << errors();

    const std::string log = errors();
    EXPECT_GE(money(), 777);
    EXPECT_EQ(variable("00000001.xml", "SaveStamp"), std::to_string(GetParam().stampAfter));
    const std::string told = std::string("The player is told: ") + (GetParam().told ? GetParam().told : "");
    if (GetParam().told) {
        EXPECT_NE(log.find(told), std::string::npos) << log;
    }
    // Told once, however often the save fails.
    EXPECT_EQ(log.find("The player is told", log.find("The player is told") + 1), std::string::npos) << log;
    if (GetParam().aside) {
        EXPECT_TRUE(exists(GetParam().aside)) << GetParam().aside;
    }
}

// A closed folder stops every user but root: root plays as uid 65534, from a copy of the game
// in the test's folder, since the build folder may sit where that user cannot go.
std::string asAnotherUser(ProgressRun& _run)
{
    if (geteuid() != 0)
        return "";
    const std::string user = "setpriv --reuid=65534 --regid=65534 --clear-groups";
    const std::string& folder = _run.folder();
    if (std::system("command -v setpriv > /dev/null") != 0)
        _run.skip("root cannot play as another user here: setpriv is missing");
    else if (!_run.copyTheGameIn())
        _run.skip("the game and its data could not be copied into " + folder);
    else if (std::system(("chmod 755 '" + folder + "' && chown -R 65534:65534 '" + folder + "'").c_str()) != 0)
        _run.skip("uid 65534 could not be given " + folder);
    else if (std::system((user + " test -x '" + folder + "/furrow'").c_str()) != 0)
        _run.skip("uid 65534 cannot reach " + folder + ": a folder above it is closed (the temporary folder's "
                  "place, TMPDIR)");
    return user;
}

INSTANTIATE_TEST_SUITE_P(Stops, StopRun,
    ::testing::Values(
        sStopCase{"AClosedProfilesFolder", [](ProgressRun& _run) { chmod(_run.profiles().c_str(), 0555); }, asAnotherUser,
            GAME_FRAMES, "Your progress cannot be saved. The folder does not allow writing:", 3, nullptr},
        sStopCase{"AFolderForTheIndex",
            [](ProgressRun& _run) {
                std::remove(_run.profiles("profiles.xml").c_str());
                mkdir(_run.profiles("profiles.xml").c_str(), 0755);
            },
            [](ProgressRun&) { return std::string(); }, GAME_FRAMES,
            "Your progress cannot be saved. A folder stands where the file should be: \xC2\xAB" "profiles.xml", 4, nullptr},
        sStopCase{"SettingsOverTheSizeLimit",
            [](ProgressRun& _run) {
                const std::string settings = _run.profiles("../sys/settings.xml");
                ASSERT_EQ(truncate(settings.c_str(), 65 << 20), 0);
            },
            [](ProgressRun&) { return std::string(); }, GAME_FRAMES, nullptr, 4, "../sys/settings.xml.broken"},
        sStopCase{"SettingsInALinkLoop",
            [](ProgressRun& _run) {
                const std::string settings = _run.profiles("../sys/settings.xml");
                std::remove(settings.c_str());
                ASSERT_EQ(symlink("settings.xml", settings.c_str()), 0);
            },
            [](ProgressRun&) { return std::string(); }, GAME_FRAMES, nullptr, 4, "../sys/settings.xml.broken"},
        sStopCase{"SettingsThatCannotBeRead",
            [](ProgressRun& _run) { chmod(_run.profiles("../sys/settings.xml").c_str(), 0); }, asAnotherUser, GAME_FRAMES,
            nullptr, 4, "../sys/settings.xml.broken"},
        // Saves go on: the folder is moved aside like a damaged file, and nobody is told of a full disk.
        sStopCase{"AFolderForTheLastCopy",
            [](ProgressRun& _run) {
                std::remove(_run.profiles("00000001.xml.bak").c_str());
                mkdir(_run.profiles("00000001.xml.bak").c_str(), 0755);
            },
            [](ProgressRun&) { return std::string(); }, GAME_FRAMES, nullptr, 4, "00000001.xml.bak.broken"},
        sStopCase{"AnIndexTheDiskRefuses", [](ProgressRun&) {},
            [](ProgressRun&) { return std::string("FURROW_SAVE_FAULT=rename:profiles.xml"); }, GAME_FRAMES,
            "Your progress cannot be saved. The disk is full or cannot be reached.", 4, nullptr},
        // A full disk: the variables no longer fit; the save is tried again at each safe point.
        sStopCase{"AFullDisk", [](ProgressRun&) {}, [](ProgressRun&) { return std::string("trap '' XFSZ; ulimit -f 40;"); },
            GAME_FRAMES + TWO_MINUTES, "Your progress cannot be saved. The disk is full or cannot be reached.", 3, nullptr}),
    [](const ::testing::TestParamInfo<sStopCase>& _info) { return std::string(_info.param.what); });

TEST_F(ProgressRun, AFailedSaveIsTriedAgainAtTheNextSafePoint)
{
    prepareTwoSaves();
    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES + TWO_MINUTES, "trap '' XFSZ; ulimit -f 40;"), 0);
    const std::string log = errors();
    size_t failures = 0;
    for (size_t at = log.find("00000001.xml\" was not saved"); at != std::string::npos;
         at = log.find("00000001.xml\" was not saved", at + 1))
        ++failures;
    // The safe point two minutes in, and the end of the game (and of the profile).
    EXPECT_GE(failures, 2u) << log;
    // Nothing half written: the last save is still the pair on the disk.
    EXPECT_EQ(stamp("00000001.save"), 3u);
}

// A home closed to writing before the first player: the words name the folder that refused the
// profiles folder, not the profiles folder that could not be made.
TEST_F(ProgressRun, AClosedHomeIsNamedAsItIs)
{
    ASSERT_EQ(mkdir(home().c_str(), 0755), 0);
    ASSERT_EQ(mkdir((home() + "/Furrow").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((home() + "/Furrow/sys").c_str(), 0755), 0);
    const std::string how = asAnotherUser(*this);
    if (!skipped().empty())
        GTEST_SKIP() << skipped();
    chmod((home() + "/Furrow").c_str(), 0555);

    ASSERT_EQ(play(NEW_PLAYER, GAME_FRAMES, how), 0) << errors();

    EXPECT_NE(errors().find("The player is told: Your progress cannot be saved. The folder does not allow writing: \xC2\xAB" +
                            home() + "/Furrow/\xC2\xBB"),
        std::string::npos)
        << errors();
}

// --- A profiles folder that cannot be read ---------------------------------------------

class ClosedFolderRun : public ProgressRun, public ::testing::WithParamInterface<mode_t> {};

TEST_P(ClosedFolderRun, NothingIsWrittenIntoItAndThePlayerIsTold)
{
    prepareTwoSaves();
    const char* const names[] = {"profiles.xml", "00000001.xml", "00000001.xml.bak", "00000001.save", "00000001.save.bak"};
    std::vector<std::string> before;
    for (const char* name : names)
        before.push_back(readFileBytes(profiles(name)));
    chmod(profiles().c_str(), GetParam());
    const std::string how = asAnotherUser(*this);
    if (!skipped().empty())
        GTEST_SKIP() << skipped();

    // A start that saw no players would show the new-player screen, and Ann would type her name.
    ASSERT_EQ(play(NEW_PLAYER, GAME_FRAMES, how), 0) << errors();

    chmod(profiles().c_str(), 0755);
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_TRUE(readFileBytes(profiles(names[i])) == before[i]) << names[i] << " was written over";
    EXPECT_FALSE(exists("00000002.xml"));
    EXPECT_TRUE(temporaries().empty());
    EXPECT_NE(errors().find("The player is told: The folder of the players cannot be read: \xC2\xAB"), std::string::npos)
        << errors();
}

INSTANTIATE_TEST_SUITE_P(Stops, ClosedFolderRun, ::testing::Values(0333, 0111, 0000),
    [](const ::testing::TestParamInfo<mode_t>& _info) {
        char name[8];
        std::snprintf(name, sizeof name, "Mode%03o", unsigned(_info.param));
        return std::string(name);
    });

// A second file that cannot be put in place, as a full disk or a failing device refuses it:
// the save fails as a whole, the last save and its last copies stay on the disk as they were,
// and the player is told, in the game and, of the save as the game ended, at the next start.
class SecondFileRun : public ProgressRun, public ::testing::WithParamInterface<const char*> {};

const char* const PROGRESS_FILES[] = {"00000001.xml", "00000001.xml.bak", "00000001.save", "00000001.save.bak"};

TEST_P(SecondFileRun, TheLastSaveStaysWholeAndThePlayerIsTold)
{
    prepareTwoSaves();
    std::vector<std::string> before;
    for (const char* name : PROGRESS_FILES)
        before.push_back(readFileBytes(profiles(name)));

    // The pause menu opened, closed and opened again: its second save waits for the first,
    // whose failure the next frame tells, however slow the disk.
    const std::string walk = BACK_TO_GAME + key(400, "Esc") + key(430, "Esc") + key(460, "Esc");
    ASSERT_EQ(play(walk, GAME_FRAMES + 80, std::string("FURROW_SAVE_FAULT=") + GetParam() + ":00000001.xml"), 0);

    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_TRUE(readFileBytes(profiles(PROGRESS_FILES[i])) == before[i]) << PROGRESS_FILES[i] << " changed";
    EXPECT_NE(errors().find("The player is told: Your progress cannot be saved."), std::string::npos) << errors();
    EXPECT_TRUE(temporaries().empty()) << temporaries().front();
    // The next start finds the last save as it stood, and says that the game's end is not in it.
    clearErrors();
    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);
    EXPECT_NE(errors().find("The player is told: The last save of your farm did not go through. The farm is restored "
                            "from the save before."),
        std::string::npos)
        << errors();
    expectAnnPlayedOn(4);
}

INSTANTIATE_TEST_SUITE_P(Fails, SecondFileRun, ::testing::Values("sync", "link", "rename"),
    [](const ::testing::TestParamInfo<const char*>& _info) { return std::string(_info.param); });

// A disk that takes the variables but not the level state: the variables, which then go with
// a level state on no disk, are not written alone either, so the session costs only itself:
// the next start goes on from the last whole pair, its level state (seed packages, notes)
// included, and nothing is set aside.
TEST_F(ProgressRun, ASessionWhoseLevelStateSavesAllFailCostsOnlyThatSession)
{
    prepareTwoSaves();
    const std::string variables = readFileBytes(profiles("00000001.xml"));
    const std::string level = readFileBytes(profiles("00000001.save"));

    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES, "FURROW_SAVE_FAULT=rename:00000001.save"), 0);

    EXPECT_TRUE(readFileBytes(profiles("00000001.save")) == level);
    EXPECT_TRUE(readFileBytes(profiles("00000001.xml")) == variables) << "variables written apart from their level state";
    clearErrors();

    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);

    EXPECT_FALSE(exists("00000001.xml.broken"));
    EXPECT_FALSE(exists("00000001.save.broken")) << "the level state of the last whole save was set aside";
    EXPECT_TRUE(readFileBytes(profiles("00000001.save.bak")) == level) << "the start went on from another level state";
    expectAnnPlayedOn(4);
}

// A value that does not read and whose default would cost the player is taken from the last
// copy, and the player hears what (or that no copy had it): a clock set back to 0 would pay the
// time-line's early gifts again, a stamp begun afresh would name two saves.
struct sValueCase {
    const char* what;
    const char* variable;
    const char* damaged;
    // The last copy's value (none: as the last save left it), and the least the variable holds
    // after the game.
    const char* last;
    double atLeast;
    const char* logged;
    // What the player is told, when anything.
    const char* told;
};

void PrintTo(const sValueCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class ValueRun : public ProgressRun, public ::testing::WithParamInterface<sValueCase> {};

TEST_P(ValueRun, AValueThatDoesNotReadComesFromTheLastCopyOrIsTold)
{
    const sValueCase& value = GetParam();
    prepareTwoSaves();
    if (value.last)
        setVariable("00000001.xml.bak", value.variable, value.last);
    setVariable("00000001.xml", value.variable, value.damaged);

    ASSERT_EQ(play(BACK_TO_GAME, GAME_FRAMES), 0);

    EXPECT_GE(std::stod(variable("00000001.xml", value.variable)), value.atLeast);
    const std::string log = errors();
    EXPECT_NE(log.find(value.logged), std::string::npos) << log;
    const size_t told = value.told ? log.find(std::string("The player is told: ") + value.told) : std::string::npos;
    EXPECT_TRUE(!value.told || told != std::string::npos) << log;
    EXPECT_EQ(log.find("The player is told"), told) << log;
}

#define FURROW_RESTORED "Part of your farm's file could not be read. Taken from the save before: "
#define FURROW_TAKEN_FROM(value, last) \
    "in \"Profiles/00000001.xml\" held \"" value "\"; the value of its last copy, \"" last "\", is used."

INSTANTIATE_TEST_SUITE_P(Values, ValueRun,
    ::testing::Values(
        sValueCase{"ClockNan", "GameTime", "nan", "500", 500, FURROW_TAKEN_FROM("nan", "500"), FURROW_RESTORED},
        sValueCase{"ClockInf", "GameTime", "inf", "500", 500, FURROW_TAKEN_FROM("inf", "500"), FURROW_RESTORED},
        sValueCase{"ClockBelowZero", "GameTime", "-5", "500", 500, FURROW_TAKEN_FROM("-5", "500"), FURROW_RESTORED},
        sValueCase{"MoneyNan", "Money", "nan", "5877", 5877, FURROW_TAKEN_FROM("nan", "5877"), FURROW_RESTORED},
        sValueCase{"MoneyBelowZero", "Money", "-5", "5877", 5877, FURROW_TAKEN_FROM("-5", "5877"), FURROW_RESTORED},
        sValueCase{"MoneyPastItsRange", "Money", "1e20", "5877", 5877, FURROW_TAKEN_FROM("1e20", "5877"),
            FURROW_RESTORED "the money."},
        sValueCase{"MoneyInf", "Money", "inf", "5877", 5877, FURROW_TAKEN_FROM("inf", "5877"), FURROW_RESTORED},
        // Damaged in both copies: the default, but never in silence.
        sValueCase{"MoneyInBothCopies", "Money", "nan", "x", 0, "Game variable Money in \"Profiles/00000001.xml\" held "
            "\"nan\", not a whole number", "Part of your farm's file could not be read in any copy. Starting afresh: the money."},
        sValueCase{"GoodsInTheBarn", "WGoodCount0", "x", "7", 7, FURROW_TAKEN_FROM("x", "7"),
            FURROW_RESTORED "the goods in the barn."},
        // The last save's pair bears stamp 3: the next save takes 4, whatever the last copy says.
        sValueCase{"TheSaveStamp", "SaveStamp", "x", nullptr, 4, "SaveStamp of \"Profiles/00000001.xml\" held \"x\"; 3, "
            "the newest stamp on the disk, is used", nullptr}),
    [](const ::testing::TestParamInfo<sValueCase>& _info) { return std::string(_info.param.what); });
#undef FURROW_RESTORED
#undef FURROW_TAKEN_FROM

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

// --- Saves that fail as the player goes on ---------------------------------------------

// Into the pause menu (a save) and back to the game.
std::string pauseAndGoOn(int _frame)
{
    return key(_frame, "Esc") + click(_frame + 60, 400, 212);
}
// Through the pause menu (a save) and its question out to the main menu (the game's last save).
std::string leaveToMainMenu(int _frame)
{
    return key(_frame, "Esc") + click(_frame + 60, 400, 466) + key(_frame + 120, "Enter");
}

struct sFailedSaveCase {
    const char* what;
    // Which saves of the variables fail, counted from the start.
    const char* failing;
    std::string walk;
    int frames;
    size_t told;
};

void PrintTo(const sFailedSaveCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class FailedSaveRun : public ProgressRun, public ::testing::WithParamInterface<sFailedSaveCase> {};

// Each run ends on the main menu: the player quits from there.
TEST_P(FailedSaveRun, EachFailureIsToldWhereThePlayerIs)
{
    prepareTwoSaves();

    ASSERT_EQ(play(GetParam().walk, GetParam().frames, std::string("FURROW_SAVE_FAULT=sync:00000001.xml@") + GetParam().failing),
        0);

    const std::string log = errors();
    const std::string told = "The player is told: Your progress cannot be saved.";
    size_t count = 0;
    for (size_t at = log.find(told); at != std::string::npos; at = log.find(told, at + 1))
        ++count;
    EXPECT_EQ(count, GetParam().told) << log;
}

INSTANTIATE_TEST_SUITE_P(Saves, FailedSaveRun,
    ::testing::Values(sFailedSaveCase{"TheLastSaveOfAGameLeftForTheMainMenu", "2", BACK_TO_GAME + leaveToMainMenu(400), 800, 1},
        // Told in the game; saves work again at the next pause; the game's last save fails.
        sFailedSaveCase{"AFailureAfterSavesHadRecovered", "1,4",
            BACK_TO_GAME + pauseAndGoOn(400) + pauseAndGoOn(600) + leaveToMainMenu(800), 1200, 2}),
    [](const ::testing::TestParamInfo<sFailedSaveCase>& _info) { return std::string(_info.param.what); });

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
            "00000001.save.bak\" belongs to another save; moved aside"},
        sLoggedCase{"SettingsOverTheSizeLimit",
            [](ProgressRun& _run) { ASSERT_EQ(truncate(_run.profiles("../sys/settings.xml").c_str(), 65 << 20), 0); },
            "sys/settings.xml\" is too large (68157440 bytes); moved aside"}),
    [](const ::testing::TestParamInfo<sLoggedCase>& _info) { return std::string(_info.param.what); });

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
