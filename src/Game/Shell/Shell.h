#pragma once

// The shell's part of the program's run. startShell opens the logo screen, fading it in;
// the screens lead on by themselves, the main menu's Start into a game. endShell, after the
// message loop while the engine still runs, deletes what outlives the screens, in order: the
// game (which writes its level state), the shell screens no frame will delete any more, the
// profile (which writes the player's files), then the music. The listener of typed words lives
// from startShell to endShell. It never throws.
void startShell();
void endShell();
