#include "support/Xml16.h"

#include "engine/text/TextConvert.h"
#include "support/TempFolder.h"

std::string utf16Bytes(const std::string& _utf8, bool _byteOrderMark)
{
    std::string bytes = _byteOrderMark ? std::string("\xFF\xFE") : std::string();
    for (const char16_t unit : toWString(_utf8)) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

void writeXml16(const std::string& _path, const std::string& _utf8)
{
    writeFileBytes(_path, makeXml16(_utf8));
}
