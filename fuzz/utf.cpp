#include "engine/text/TextConvert.h"

#include <cstdint>
#include <cstdlib>

// Any bytes must convert without a fault both ways; valid UTF-8 must survive a round trip,
// and so must any UTF-16 text once its lone surrogates have been replaced.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    const String narrow(reinterpret_cast<const char*>(_data), _size);
    const WString wide = toWString(narrow);
    const String back = toString(wide);
    if (toWString(back) != wide)
        std::abort();

    WString units(_size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(_data[2 * i] | _data[2 * i + 1] << 8);
    const String utf8 = toString(units);
    if (toString(toWString(utf8)) != utf8)
        std::abort();
    return 0;
}
