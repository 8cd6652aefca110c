#pragma once
#include "Image.h"

#include <utility>

// Every picture shrunk into a cell over a chequer, its path beneath, for a person to look
// the whole set over at once.
sImage makeContactSheet(const std::vector<std::pair<String, sImage>>& _pictures);
