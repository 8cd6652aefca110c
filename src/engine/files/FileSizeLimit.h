#pragma once
#include "engine/Types.h"

#include <cstdint>

// The most bytes a file of _name's kind may hold, by its extension (any letter case): text
// and XML 64 MB, pictures what the largest picture the game takes can need, sounds what the
// sound library reads. A package entry that claims more is a decompression bomb or damage,
// and is refused before anything is allocated for it.
std::uint64_t getFileSizeLimit(const String& _name);
