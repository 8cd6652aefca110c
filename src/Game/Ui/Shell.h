#pragma once

// The shell's part of the program's run. startShell opens the logo screen, fading it in;
// the screens lead on by themselves. endShell, after a normal end of the message loop while
// the engine still runs, deletes what outlives the screens, in order: the shell screens no
// frame will delete any more, the profile (which writes the player's files), then the music.
void startShell();
void endShell();
