#pragma once
#include <string>

// The UTF-16LE bytes of an ASCII or UTF-8 text, optionally after a byte order mark.
std::string utf16Bytes(const std::string& _utf8, bool _byteOrderMark);
// The bytes of a UTF-16LE XML file with a byte order mark, as the game's data holds them.
inline std::string makeXml16(const std::string& _utf8)
{
    return utf16Bytes(_utf8, true);
}
// Writes them to _path, making its folders.
void writeXml16(const std::string& _path, const std::string& _utf8);
