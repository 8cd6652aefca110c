#include "support/EngineCore.h"

#include "engine/TextConvert.h"

std::string utf16Bytes(const std::string& _utf8, bool _byteOrderMark)
{
    std::string bytes = _byteOrderMark ? std::string("\xFF\xFE") : std::string();
    for (char16_t c : toWString(_utf8)) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}
