#pragma once
#include "PlayerFile.h"
#include "platform/images/ImageLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// A replay of the real game under a virtual display in a folder of its own: the walk's timed
// input, its shots, and the first player's saved variables to read and prepare.
class cSmokeRun : public ::testing::Test {
protected:
    // Plays _walk at 50 frames a game second; _how adds variables and what starts the game
    // (a virtual display, say). The game's exit status; a failure under the virtual display
    // waits on its message box, and the time limit ends it.
    int runWith(const std::string& _walk, const std::string& _how)
    {
        writeFileBytes(m_folder.file("walk.txt"), _walk);
        const std::string command = "cd '" FURROW_BUILD "' && timeout 300 env FURROW_HOME='" + m_folder.file("home") +
                                    "' FURROW_REPLAY='" + m_folder.file("walk.txt") +
                                    "' FURROW_FRAME_TIME=0.02 SDL_AUDIODRIVER=dummy " + _how + " '" FURROW_GAME "'";
        return std::system(command.c_str());
    }
    // _walk for _frames frames under a virtual display, whose GL driver keeps memory of its own;
    // _screen ("1024x768") sizes the display's screen, else xvfb-run's own.
    int run(const std::string& _walk, int _frames, const std::string& _screen = "")
    {
        const std::string screen = _screen.empty() ? "" : " -s '-screen 0 " + _screen + "x24'";
        return runWith(_walk, "FURROW_FRAMES=" + std::to_string(_frames) + " ASAN_OPTIONS=detect_leaks=0 xvfb-run -a" +
                                  screen);
    }
    std::string profilePath() { return m_folder.file("home/Furrow/profiles/00000001.xml"); }
    std::string settingsPath() { return m_folder.file("home/Furrow/sys/settings.xml"); }
    std::string profile() { return playerFile::narrowed(profilePath()); }
    // Sets _name="..." in the first element of the file that holds it.
    static void setAttribute(const std::string& _path, const std::string& _name, const std::string& _value)
    {
        playerFile::setQuoted(_path, " " + _name + "=\"", _value);
    }
    // Sets a variable the profile already holds.
    void store(const std::string& _name, const std::string& _value)
    {
        playerFile::setVariable(profilePath(), _name, _value);
    }
    std::string stored(const std::string& _name) { return playerFile::variable(profilePath(), _name); }
    std::string shot(int _frame, const std::string& _name) const
    {
        return std::to_string(_frame) + " shot " + m_folder.file(_name) + "\n";
    }
    static std::string move(int _frame, int _x, int _y)
    {
        return std::to_string(_frame) + " move " + std::to_string(_x) + " " + std::to_string(_y) + "\n";
    }
    static std::string click(int _frame, int _x, int _y)
    {
        return move(_frame, _x, _y) + std::to_string(_frame + 5) + " press left\n" + std::to_string(_frame + 6) +
               " release left\n";
    }
    static std::string key(int _frame, const char* _key)
    {
        return std::to_string(_frame) + " down " + _key + "\n" + std::to_string(_frame + 1) + " up " + _key + "\n";
    }
    // Past the three logos.
    static std::string logos() { return key(60, "Space") + key(120, "Space") + key(180, "Space"); }
    // Every tutorial tip seen, so that a walk never waits for one.
    void passAllTips()
    {
        for (int i = 0; i < 50; ++i)
            store("tip" + std::to_string(i), "1");
    }
    // A new player named Ann who starts a game and leaves at once, having seen every tip.
    void newPlayer()
    {
        ASSERT_EQ(run(logos() + "270 text Ann\n" + key(275, "Enter") + click(340, 400, 226), 420), 0);
        passAllTips();
    }
    sImage image(const std::string& _name)
    {
        const std::string png = readFileBytes(m_folder.file(_name));
        return loadImage(png.data(), png.size(), _name);
    }
    UInt pixel(const std::string& _name, UInt _x, UInt _y) { return image(_name).at(_x, _y); }
    // The red, green and blue of a pixel.
    struct sRgb {
        UInt r, g, b;
    };
    sRgb rgb(const std::string& _name, UInt _x, UInt _y)
    {
        const UInt c = pixel(_name, _x, _y);
        return {(c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF};
    }

    cTempFolder m_folder;
};
