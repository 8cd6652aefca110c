#pragma once
#include <string>

// The bytes of a UTF-16LE XML file with a byte order mark, as the game's data holds them,
// from a UTF-8 literal.
std::string makeXml16(const std::string& _utf8);
// Writes them to _path, making its folders.
void writeXml16(const std::string& _path, const std::string& _utf8);
