#include "engine/progress/ProfileIndexSalvage.h"

#include "engine/files/XML.h"

#include <limits>

namespace {

WString decodeUtf16(const std::string& _bytes)
{
    WString text;
    std::size_t at = _bytes.size() >= 2 && _bytes[0] == '\xFF' && _bytes[1] == '\xFE' ? 2 : 0;
    for (; at + 1 < _bytes.size(); at += 2)
        text += char16_t(static_cast<unsigned char>(_bytes[at]) | static_cast<unsigned char>(_bytes[at + 1]) << 8);
    return text;
}

std::string encodeUtf16(const WString& _text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : _text) {
        bytes += char(unit & 0xFF);
        bytes += char(unit >> 8);
    }
    return bytes;
}

} // namespace

std::vector<std::vector<WString>> salvageElements(
    const std::string& _bytes, const WString& _tag, const std::vector<const char16_t*>& _attributes)
{
    std::vector<std::vector<WString>> elements;
    const WString text = decodeUtf16(_bytes);
    const WString start = u"<" + _tag + u" ";
    for (std::size_t at = text.find(start); at != WString::npos; at = text.find(start, at + 1)) {
        // Complete means closed before anything else opens: a cut line is no element.
        const std::size_t end = text.find(u"/>", at);
        if (end == WString::npos || text.find(u'<', at + 1) < end)
            continue;
        const std::string element = encodeUtf16(text.substr(at, end + 2 - at));
        try {
            cXML entry("salvage.xml", element.data(), ULong(element.size()));
            std::vector<WString> values;
            for (const char16_t* attribute : _attributes)
                values.push_back(entry[attribute]);
            elements.push_back(std::move(values));
        } catch (...) {
            // A damaged element is one less, not a failure.
        }
    }
    return elements;
}

std::vector<std::pair<WString, WString>> salvageProfileEntries(const std::string& _bytes)
{
    std::vector<std::pair<WString, WString>> entries;
    for (const auto& values : salvageElements(_bytes, u"Profile", {u"Name", u"ID"}))
        entries.emplace_back(values[0], values[1]);
    return entries;
}

WString salvageAttribute(const std::string& _bytes, const WString& _attribute)
{
    const WString text = decodeUtf16(_bytes);
    const WString head = _attribute + u"=\"";
    const std::size_t at = text.find(head);
    if (at == WString::npos)
        return WString();
    const std::size_t from = at + head.size();
    const std::size_t to = text.find(u'"', from);
    if (to == WString::npos || text.find(u'<', from) < to)
        return WString();
    // Read back as an attribute of its own, so escapes come out as the writer meant them.
    const std::string element = encodeUtf16(u"<a " + text.substr(at, to + 1 - at) + u"/>");
    try {
        cXML attribute("salvage.xml", element.data(), ULong(element.size()));
        return attribute[_attribute.c_str()];
    } catch (...) {
        return WString();
    }
}

Bool readProfileID(const WString& _text, ULong& _id)
{
    if (_text.empty() || _text.size() > 10)
        return false;
    unsigned long long value = 0;
    for (char16_t unit : _text) {
        if (unit < u'0' || unit > u'9')
            return false;
        value = value * 10 + (unit - u'0');
    }
    if (value >= std::numeric_limits<ULong>::max())
        return false;
    _id = ULong(value);
    return true;
}
