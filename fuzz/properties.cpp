#include "engine/progress/GameVariables.h"
#include "engine/logs/Log.h"
#include "engine/progress/ProfileIndexSalvage.h"
#include "engine/text/TextConvert.h"
#include "engine/files/XML.h"
#include "FuzzScratch.h"

#include <cmath>
#include <cstdlib>

namespace {

Bool finite(const Vector2& _value)
{
    return std::isfinite(_value.x) && std::isfinite(_value.y);
}

} // namespace

// Any bytes as a property file, parsed only (no file is written, so millions of inputs run
// in a campaign): every element that parses lands in the variables, no real number that is
// not finite gets in, and what is written reads back to the same text. The same bytes as a
// damaged profile index give whatever entries still read.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    static const bool logs = [] {
        setLogFolder(fuzzScratchFolder() + "/");
        return true;
    }();
    (void)logs;
    try {
        cXML document("00000001.xml", _data, ULong(_size));
        iXML* prop = nullptr;
        for (UInt i = 0; document.get(i, prop, nullptr); ++i)
            setProperty(toString((*prop)[u"Type"]), toString((*prop)[u"Name"]), (*prop)[u"Val"]);
    } catch (const String&) {
        // A file that does not parse is moved aside by the profile; nothing to check here.
    }
    for (const auto& entry : propertyMap<PT_FLOAT>())
        if (!std::isfinite(entry.second))
            std::abort();
    for (const auto& entry : propertyMap<PT_VECTOR2>())
        if (!finite(entry.second))
            std::abort();
    WString written;
    writeAllProperties(written);
    clearProperties();
    const WString wrapped = u"\uFEFF<Props>" + written + u"</Props>";
    try {
        cXML reread("00000001.xml", wrapped.data(), ULong(wrapped.size() * sizeof(char16_t)));
        iXML* prop = nullptr;
        for (UInt i = 0; reread.get(i, prop, nullptr); ++i)
            setProperty(toString((*prop)[u"Type"]), toString((*prop)[u"Name"]), (*prop)[u"Val"]);
    } catch (const String&) {
        std::abort(); // what the game writes it must read back
    }
    WString rewritten;
    writeAllProperties(rewritten);
    clearProperties();
    if (rewritten != written)
        std::abort();
    ULong id = 0;
    for (const auto& entry : salvageProfileEntries(std::string(reinterpret_cast<const char*>(_data), _size)))
        readProfileID(entry.second, id);
    return 0;
}
