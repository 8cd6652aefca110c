#pragma once
#include "engine/Types.h"

#include <string>

// The root attribute of a player's variables file that seals it: one check over every value a
// save of this build writes. An earlier build keeps the values it does not know but writes the
// root anew, so a seal kept as a value would go stale there; a file without the attribute is
// read as an earlier build meant it.
extern const char16_t* const PLAYER_FILE_SEAL;

// The seal over the text of the root element's children, as the file writes it. Files of the
// build before carry a shorter seal of another kind, which still holds.
WString sealOver(const WString& _body);

// The same seal over any bytes as they are: a level state's, which its variables keep.
WString sealOverBytes(const std::string& _bytes);

// Whether the file's bytes (UTF-16LE) carry _seal over the children of their root.
Bool sealHolds(const std::string& _bytes, const WString& _seal);

// The seal the root of the file's bytes carries, read from its opening tag alone; empty
// without one.
WString rootSeal(const std::string& _bytes);

// The bytes of the root's children, which alone the seal covers: nothing outside them is read of
// a file whole by its seal. Empty when the bytes hold no root.
std::string sealedBody(const std::string& _bytes);
