#pragma once
#include "engine/Types.h"

// Profile names become file names of the index and reach the player's folder, so the screens
// that take them share one rule of what may be typed and what may not be chosen.

// False for the characters a profile name may not hold; installed as the name boxes'
// character filter, it never changes the character.
Bool isValidNameChar(char16_t& _char);

// True for a name of nothing but blanks (none at all included): it would list as an empty row.
Bool isBlankName(const WString& _name);

// The device names of the desktop's file system ("CON", "COM1", ...), in any case of the
// letters A to Z, each as the whole name.
Bool isReservedName(const WString& _name);
