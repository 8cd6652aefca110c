#include "engine/XML.h"

#include <cstdint>

// Any bytes either parse into a tree that can be walked or give the parser's error text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    try {
        cXML document("fuzz.xml", _data, static_cast<ULong>(_size));
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
