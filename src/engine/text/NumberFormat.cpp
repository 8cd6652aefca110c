#include "engine/text/NumberFormat.h"

#include <locale>
#include <sstream>

String formatFloat(Double _value)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << _value;
    return out.str();
}

String formatHex(ULong _value)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::hex << _value;
    return out.str();
}
