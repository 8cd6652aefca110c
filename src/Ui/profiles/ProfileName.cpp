#include "Ui/profiles/ProfileName.h"

#include <algorithm>
#include <iterator>

namespace {

const char16_t REFUSED[] = {u'\0', u'"', u'#', u'%', u'&', u'\'', u'(', u')', u'*', u'.', u'/', u':', u'<',
                            u'>', u'?', u'@', u'[', u']', u'\\', u'^', u'`', u'{', u'}', u'|', u'~', u'\u2116'};

const char* const RESERVED[] = {"CON", "PRN", "AUX", "CLOCK$", "NUL", "COM1", "COM2", "COM3",
                                "COM4", "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2",
                                "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

// Only A to Z fold: the desktop's device names are ASCII.
char16_t upper(char16_t _char)
{
    return _char >= u'a' && _char <= u'z' ? char16_t(_char - u'a' + u'A') : _char;
}

Bool sameName(const WString& _name, const char* _reserved)
{
    size_t i = 0;
    for (; _reserved[i] != '\0'; ++i) {
        if (i >= _name.size() || upper(_name[i]) != char16_t(_reserved[i]))
            return false;
    }
    return i == _name.size();
}

} // namespace

Bool isValidNameChar(char16_t& _char)
{
    return std::find(std::begin(REFUSED), std::end(REFUSED), _char) == std::end(REFUSED);
}

Bool isBlankName(const WString& _name)
{
    return std::all_of(_name.begin(), _name.end(),
                       [](char16_t _c) { return _c == u' ' || _c == u'\t' || _c == u'\u00A0' || _c == u'\u3000'; });
}

Bool isReservedName(const WString& _name)
{
    return std::any_of(std::begin(RESERVED), std::end(RESERVED),
                       [&_name](const char* _reserved) { return sameName(_name, _reserved); });
}
