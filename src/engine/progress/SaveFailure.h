#pragma once
#include "engine/Types.h"

#include <vector>

// A player's files (_names, relative to the player's folder) could not all be written: the player
// is told once, in words, that the progress cannot be saved and why (a folder closed to
// writing, a folder where the file should be, a full disk); the game plays on and saves
// again at its next safe point.
void tellSaveFailed(const std::vector<String>& _names);

// Once a frame, wherever the player is (in a game, on the main menu, in the loading screen
// between them): a save that ran beside the game and failed is told, and once a save has
// reached the disk again, the next failure is told again.
void checkSavesBesideTheGame();

// The words for the player about _names: the progress cannot be saved, and why.
WString describeSaveFailure(const std::vector<String>& _names);

// Why _names cannot be written, in the player's words: the first that is a folder (at the
// name or one of its hidden names), else a file there that takes no writing (a locked or
// immutable file), else a folder closed to writing, else the disk.
WString describeSaveObstacle(const std::vector<String>& _names);
