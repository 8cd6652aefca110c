#include "FuzzDocument.h"

#include <cstdint>

// Any bytes either parse into a tree that can be walked or give the parser's error text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    useFuzzDocument("fuzz.xml", _data, _size, [](iXML* _document) {
        iXML* child = nullptr;
        for (UInt i = 0; _document->get(i, child); ++i) {
            child->getFloat();
            child->getDXColor();
            child->getString();
        }
    });
    return 0;
}
