#pragma once
// A player's progress through damaged files, kills, closed folders and a full disk: each case
// is the real game started headless on files the test has broken, in a folder of its own so
// that its error log is its own. The suites share this fixture, one file for each thing they
// check: whose farm a file is, the values read back, faults of the disk, saves and kills.
#include "PlayerFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

inline std::string key(int _frame, const char* _key)
{
    return std::to_string(_frame) + " down " + _key + "\n" + std::to_string(_frame + 1) + " up " + _key + "\n";
}
inline std::string click(int _frame, int _x, int _y)
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
// From the main menu, Change player: the player on the profile list's row (from 1) plays.
inline std::string chooseListedPlayer(int _frame, int _row)
{
    return click(_frame, 400, 286) + click(_frame + 60, 270, 273 + 34 * _row) + click(_frame + 110, 520, 365);
}

// From the main menu, Change player: the player on the profile list's row (from 1) deleted.
inline std::string deleteListedPlayer(int _frame, int _row)
{
    return click(_frame, 400, 286) + click(_frame + 60, 270, 273 + 34 * _row) + click(_frame + 110, 520, 425) +
           click(_frame + 160, 305, 352);
}

// Two minutes of play at 50 frames a second, and a little more.
const int TWO_MINUTES = 6100;

using playerFile::narrow;
using playerFile::wide;

inline int statusOf(int _system)
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
    // The file made immutable, as a locked file of the disk; false where that cannot be done
    // (no root, a file system without it). Undone when the case ends.
    bool lock(const std::string& _name)
    {
        m_locked.push_back(profiles(_name));
        return std::system(("chattr +i '" + profiles(_name) + "' 2> /dev/null").c_str()) == 0;
    }
    void TearDown() override
    {
        for (const std::string& path : m_locked)
            EXPECT_EQ(std::system(("chattr -i '" + path + "' 2> /dev/null").c_str()), 0) << path;
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

    // Bob: Ann's farm under his own name, with 555 coins.
    void addBob()
    {
        writeFileBytes(profiles("00000002.xml"), readFileBytes(profiles("00000001.xml")));
        writeFileBytes(profiles("00000002.save"), readFileBytes(profiles("00000001.save")));
        setVariable("00000002.xml", "PlayerName", "Bob");
        setVariable("00000002.xml", "Money", "555");
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
    // A player file written whole, sealed anew where it carries a seal.
    void writeText(const std::string& _name, const std::string& _text)
    {
        writeFileBytes(profiles(_name), wide(playerFile::resealed(_text)));
    }
    std::string variable(const std::string& _file, const std::string& _name) const
    {
        return playerFile::variable(profiles(_file), _name);
    }
    void setVariable(const std::string& _file, const std::string& _name, const std::string& _value)
    {
        playerFile::setVariable(profiles(_file), _name, _value);
    }
    // A value changed as damage changes it: the seal no longer holds.
    void damageVariable(const std::string& _file, const std::string& _name, const std::string& _value)
    {
        playerFile::setQuoted(profiles(_file), playerFile::variableHead(_name), _value);
    }
    // The file as an earlier build writes it: without the seal.
    void unseal(const std::string& _file) { writeFileBytes(profiles(_file), wide(playerFile::unsealed(text(_file)))); }
    // The file as the build before sealed it.
    void sealAsBefore(const std::string& _file)
    {
        writeFileBytes(profiles(_file), wide(playerFile::resealedAsBefore(text(_file))));
    }
    // As setVariable; a whole number the file lacks (one an earlier build did not keep) is added.
    void putVariable(const std::string& _file, const std::string& _name, const std::string& _value)
    {
        if (variable(_file, _name) != "missing")
            return setVariable(_file, _name, _value);
        std::string all = text(_file);
        all.insert(all.rfind("</Props>"), "<prop Name=\"" + _name + "\" Val=\"" + _value + "\" Type=\"Int\" />");
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
    std::vector<std::string> m_locked;
};

inline std::string cutOneByte(std::string _bytes)
{
    return _bytes.erase(_bytes.size() / 2, 1);
}

inline std::string replaced(std::string _text, const std::string& _from, const std::string& _to)
{
    const size_t at = _text.find(_from);
    return at == std::string::npos ? _text : _text.replace(at, _from.size(), _to);
}

const std::string INDEX_HEAD = "<?xml version=\"1.0\" encoding=\"UTF-16\"?><Profiles NextID=\"3\" CurrentUser=\"Ann\">";
