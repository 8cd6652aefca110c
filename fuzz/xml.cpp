#include "engine/TextConvert.h"
#include "engine/XML.h"

#include <cstdint>

// Any bytes either parse into a tree that can be walked or give the parser's error text.
// Inputs with an odd first byte are taken as text and given to the parser as UTF-16 with a
// byte order mark, as the game's files are, so the fuzzer gets past the encoding quickly.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    String bytes(reinterpret_cast<const char*>(_data), _size);
    if (_size > 0 && _data[0] & 1) {
        bytes = "\xFF\xFE";
        for (const char16_t unit : toWString(String(reinterpret_cast<const char*>(_data) + 1, _size - 1))) {
            bytes.push_back(static_cast<char>(unit & 0xFF));
            bytes.push_back(static_cast<char>(unit >> 8));
        }
    }
    try {
        cXML document("fuzz.xml", bytes.data(), static_cast<ULong>(bytes.size()));
        iXML* child = nullptr;
        for (UInt i = 0; document.get(i, child); ++i) {
            child->getFloat();
            child->getDXColor();
            child->getString();
        }
    } catch (const String&) {
    }
    return 0;
}
