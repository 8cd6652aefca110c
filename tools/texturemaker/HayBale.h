#pragma once
#include "engine/Types.h"

// A round bale of hay lying on its side along x, a unit across: the game's mesh file with
// positions, normals and texture coordinates (format 0x112). The straw of the round side
// takes the left half of its picture, the rolled ends the disc in the right half.
String makeHayBaleMesh();
