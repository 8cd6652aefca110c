#pragma once
#include "engine/files/File.h"

// The length-prefixed strings of the game's binary files: a u32 character count, then the
// characters (one byte each, or UTF-16LE code units for wide text), no terminator. Both file
// kinds read and write them through their own byte operations.

// The bytes consumed, or 0 with the text unchanged when no whole record is there. A count
// larger than the bytes left in the file is refused before anything is allocated, and the
// position goes back to the record's start. The text ends at its first zero character.
ULong readStringRecord(iFile& _file, String& _text);
ULong readStringRecord(iFile& _file, WString& _text);
// 4 + the character bytes written; less when the file took less.
ULong writeStringRecord(iFile& _file, const String& _text);
ULong writeStringRecord(iFile& _file, const WString& _text);
