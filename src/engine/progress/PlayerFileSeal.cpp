#include "engine/progress/PlayerFileSeal.h"

#include <cstdio>

const char16_t* const PLAYER_FILE_SEAL = u"Seal";

WString sealOver(const WString& _body)
{
    std::uint32_t hash = 2166136261u;
    for (const char16_t unit : _body)
        for (const int shift : {0, 8}) {
            hash ^= std::uint32_t(unit >> shift) & 0xFFu;
            hash *= 16777619u;
        }
    char text[9];
    std::snprintf(text, sizeof text, "%08X", unsigned(hash));
    return WString(text, text + 8);
}

Bool sealHolds(const std::string& _bytes, const WString& _seal)
{
    WString text;
    for (std::size_t i = 0; i + 1 < _bytes.size(); i += 2)
        text += char16_t(static_cast<unsigned char>(_bytes[i]) | static_cast<unsigned char>(_bytes[i + 1]) << 8);
    const std::size_t root = text.find(u"<Props");
    const std::size_t from = root == WString::npos ? root : text.find(u'>', root);
    const std::size_t to = text.rfind(u"</Props>");
    if (from == WString::npos || to == WString::npos || to <= from)
        return false;
    return sealOver(text.substr(from + 1, to - from - 1)) == _seal;
}
