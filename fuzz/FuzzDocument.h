#pragma once
#include "engine/text/TextConvert.h"
#include "engine/files/XML.h"

#include <cstdint>

// Runs _use on the input parsed as a document named _name; a document that does not parse,
// and any text _use throws, end the input as a refusal. Inputs with an odd first byte are
// taken as text and given to the parser as UTF-16 with a byte order mark, as the game's files
// are, so the fuzzer gets past the encoding to the elements and attributes quickly.
template <class F> void useFuzzDocument(const char* _name, const std::uint8_t* _data, std::size_t _size, F _use)
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
        cXML document(_name, bytes.data(), static_cast<ULong>(bytes.size()));
        _use(static_cast<iXML*>(&document));
    } catch (const String&) {
    }
}
