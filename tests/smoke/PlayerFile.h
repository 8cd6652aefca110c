#pragma once
#include "engine/progress/PlayerFileSeal.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <regex>
#include <string>

// The files the game writes, read and changed as a player's own hand would: XML in UTF-16LE
// after a byte-order mark, every name and number in it ASCII.
namespace playerFile {

// Bytes the game wrote, their UTF-16 narrowed and their byte-order mark dropped.
inline std::string narrow(const std::string& _utf16)
{
    std::string text;
    for (char byte : _utf16)
        if (byte != 0 && byte != '\xFF' && byte != '\xFE')
            text += byte;
    return text;
}

// _text as the game writes its XML.
inline std::string wide(const std::string& _text)
{
    std::string bytes = "\xFF\xFE";
    for (char c : _text)
        bytes += std::string{c, '\0'};
    return bytes;
}

inline std::string narrowed(const std::string& _path)
{
    return narrow(readFileBytes(_path));
}

inline void writeWide(const std::string& _path, const std::string& _text)
{
    writeFileBytes(_path, wide(_text));
}

// What stands before a game variable's value.
inline std::string variableHead(const std::string& _name)
{
    return "Name=\"" + _name + "\" Val=\"";
}

// Sets the quoted value that follows the first _head in the file ("Name=\"Money\" Val=\"" for a
// variable, " fullscreen=\"" for an attribute).
inline void setQuoted(const std::string& _path, const std::string& _head, const std::string& _value)
{
    std::string text = narrowed(_path);
    const size_t at = text.find(_head);
    ASSERT_NE(at, std::string::npos) << _head << " in " << _path;
    const size_t from = at + _head.size();
    text.replace(from, text.find('"', from) - from, _value);
    writeWide(_path, text);
}

// A player file's _text with its seal made anew by _seal over its values (the text between the
// root's tags); a file without a seal (an earlier build's) stays without.
template <class Seal>
std::string resealedBy(const std::string& _text, Seal _seal)
{
    const std::regex seal(" Seal=\"[^\"]*\"");
    const size_t from = _text.find('>', _text.find("<Props")) + 1;
    const size_t to = _text.rfind("</Props>");
    if (!std::regex_search(_text, seal) || from == 0 || to == std::string::npos)
        return _text;
    return std::regex_replace(_text, seal, " Seal=\"" + _seal(_text.substr(from, to - from)) + "\"",
        std::regex_constants::format_first_only);
}

// Sealed as a save of this build would have written it.
inline std::string resealed(const std::string& _text)
{
    return resealedBy(_text, [](const std::string& _values) {
        const WString seal = sealOver(WString(_values.begin(), _values.end()));
        return std::string(seal.begin(), seal.end());
    });
}

// Sealed as the build before sealed its files: eight digits over every byte of the values, as
// players' disks still hold them.
inline std::string resealedAsBefore(const std::string& _text)
{
    return resealedBy(_text, [](const std::string& _values) {
        std::uint32_t hash = 2166136261u;
        for (const char unit : _values)
            for (const unsigned char byte : {static_cast<unsigned char>(unit), static_cast<unsigned char>(0)})
                hash = (hash ^ byte) * 16777619u;
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08X", unsigned(hash));
        return std::string(digits);
    });
}

// A player file's _text with the root's seal taken away: the file as an earlier build writes it.
inline std::string unsealed(const std::string& _text)
{
    return std::regex_replace(_text, std::regex(" Seal=\"[^\"]*\""), "", std::regex_constants::format_first_only);
}

// Sets a variable the player file at _path holds, and seals the file anew.
inline void setVariable(const std::string& _path, const std::string& _name, const std::string& _value)
{
    setQuoted(_path, variableHead(_name), _value);
    writeWide(_path, resealed(narrowed(_path)));
}

// A game variable's value in a player file's _text, or "missing".
inline std::string valueIn(const std::string& _text, const std::string& _name)
{
    std::smatch value;
    if (!std::regex_search(_text, value, std::regex("Name=\"" + _name + "\" Val=\"([^\"]*)\"")))
        return "missing";
    return value[1];
}

// The same in the file at _path.
inline std::string variable(const std::string& _path, const std::string& _name)
{
    return valueIn(narrowed(_path), _name);
}

} // namespace playerFile
