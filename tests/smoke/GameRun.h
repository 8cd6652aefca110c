#pragma once
#include "platform/ImageLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// Under a virtual display the desktop's GL driver keeps memory of its own.
inline const std::string VIRTUAL_DISPLAY = "ASAN_OPTIONS=detect_leaks=0 xvfb-run -a";

// The game run from the build folder on the replay _walk, with _folder's "home" for its
// application data; _how adds variables and what starts it. Its exit status.
inline int runGame(const cTempFolder& _folder, const std::string& _walk, const std::string& _how)
{
    // A failure under the virtual display waits on its message box: the time limit ends it.
    const std::string command = "cd '" FURROW_BUILD "' && timeout 300 env FURROW_HOME='" + _folder.file("home") +
                                "' FURROW_REPLAY='" + _walk + "' FURROW_FRAME_TIME=0.02 SDL_AUDIODRIVER=dummy " + _how +
                                " '" FURROW_GAME "'";
    return std::system(command.c_str());
}

// The shot _name the run wrote into _folder; it must fill the 800 x 600 picture.
inline sImage loadShot(const cTempFolder& _folder, const std::string& _name)
{
    const std::string png = readFileBytes(_folder.file(_name));
    sImage shot = loadImage(png.data(), png.size(), _name);
    EXPECT_EQ(shot.width, 800u) << _name;
    EXPECT_EQ(shot.height, 600u) << _name;
    return shot;
}
