#include "engine/progress/PlayerFileSeal.h"

#include "engine/files/XML.h"

#include <cstdio>

const char16_t* const PLAYER_FILE_SEAL = u"Seal";

namespace {

// The seal of the build before: eight hexadecimal digits of a 32-bit FNV-1a over every byte. Its files
// are still read; it costs a step per byte, which a large farm feels at every load.
WString byteSeal(const unsigned char* _bytes, std::size_t _size)
{
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < _size; ++i)
        hash = (hash ^ _bytes[i]) * 16777619u;
    char text[9];
    std::snprintf(text, sizeof text, "%08X", unsigned(hash));
    return WString(text, text + 8);
}

// The seal this build writes: sixteen digits of a 64-bit FNV-1a step over each eight bytes (read
// little-endian), then over the bytes left. Any one changed word changes every step after it.
WString wordSeal(const unsigned char* _bytes, std::size_t _size)
{
    constexpr std::uint64_t PRIME = 1099511628211ull;
    std::uint64_t hash = 14695981039346656037ull;
    std::size_t i = 0;
    for (; i + 8 <= _size; i += 8) {
        std::uint64_t word = 0;
        for (int b = 7; b >= 0; --b)
            word = word << 8 | _bytes[i + std::size_t(b)];
        hash = (hash ^ word) * PRIME;
    }
    for (; i < _size; ++i)
        hash = (hash ^ _bytes[i]) * PRIME;
    char text[17];
    std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(hash));
    return WString(text, text + 16);
}

char16_t unitAt(const std::string& _bytes, std::size_t _unit)
{
    return char16_t(static_cast<unsigned char>(_bytes[2 * _unit]) | static_cast<unsigned char>(_bytes[2 * _unit + 1]) << 8);
}

Bool unitsAre(const std::string& _bytes, std::size_t _unit, const char* _ascii)
{
    const std::size_t units = _bytes.size() / 2;
    for (; *_ascii; ++_ascii, ++_unit)
        if (_unit >= units || unitAt(_bytes, _unit) != char16_t(*_ascii))
            return false;
    return true;
}

// The root's opening tag and its children's text, in UTF-16 units: the root's '<', its '>', and
// the '<' of its closing tag. False when the bytes hold no such root.
Bool findRoot(const std::string& _bytes, std::size_t& _open, std::size_t& _from, std::size_t& _to)
{
    const std::size_t units = _bytes.size() / 2;
    _open = 0;
    while (_open < units && !unitsAre(_bytes, _open, "<Props"))
        ++_open;
    _from = _open;
    while (_from < units && unitAt(_bytes, _from) != u'>')
        ++_from;
    _to = units;
    while (_to > _from && !unitsAre(_bytes, _to, "</Props>"))
        --_to;
    return _from < units && _to > _from;
}

} // namespace

WString sealOver(const WString& _body)
{
    std::string bytes(_body.size() * 2, '\0');
    for (std::size_t i = 0; i < _body.size(); ++i) {
        bytes[2 * i] = char(_body[i] & 0xFF);
        bytes[2 * i + 1] = char(_body[i] >> 8);
    }
    return wordSeal(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

WString sealOverBytes(const std::string& _bytes)
{
    return wordSeal(reinterpret_cast<const unsigned char*>(_bytes.data()), _bytes.size());
}

Bool sealHolds(const std::string& _bytes, const WString& _seal)
{
    std::size_t open = 0, from = 0, to = 0;
    if (!findRoot(_bytes, open, from, to))
        return false;
    const auto* body = reinterpret_cast<const unsigned char*>(_bytes.data()) + 2 * (from + 1);
    const std::size_t size = 2 * (to - from - 1);
    return (_seal.size() == 8 ? byteSeal(body, size) : wordSeal(body, size)) == _seal;
}

std::string sealedBody(const std::string& _bytes)
{
    std::size_t open = 0, from = 0, to = 0;
    if (!findRoot(_bytes, open, from, to))
        return std::string();
    return _bytes.substr(2 * (from + 1), 2 * (to - from - 1));
}

WString rootSeal(const std::string& _bytes)
{
    std::size_t open = 0, from = 0, to = 0;
    if (!findRoot(_bytes, open, from, to) || unitAt(_bytes, from - 1) == u'/')
        return WString();
    // The opening tag alone, closed on itself, reads as the root would.
    const std::string tag = "\xFF\xFE" + _bytes.substr(2 * open, 2 * (from - open)) + std::string("/\0>\0", 4);
    try {
        cXML root("root", tag.data(), ULong(tag.size()));
        return root[PLAYER_FILE_SEAL];
    } catch (...) {
        return WString();
    }
}
