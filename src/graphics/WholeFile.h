#pragma once
#include "engine/Types.h"

#include <vector>

// The whole content of a file of the virtual file system (loose, packed or written).
std::vector<char> readWholeFile(const String& _path);
