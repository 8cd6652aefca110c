#include "engine/files/XmlEscape.h"

namespace {

Bool isHighSurrogate(char16_t _c)
{
    return _c >= 0xD800 && _c <= 0xDBFF;
}

Bool isLowSurrogate(char16_t _c)
{
    return _c >= 0xDC00 && _c <= 0xDFFF;
}

Bool isXmlChar(char16_t _c)
{
    return _c >= 0x20 ? _c != 0xFFFE && _c != 0xFFFF : _c == u'\t' || _c == u'\n' || _c == u'\r';
}

Bool isNameChar(char16_t _c, Bool _first)
{
    if ((_c >= u'a' && _c <= u'z') || (_c >= u'A' && _c <= u'Z') || _c == u'_')
        return true;
    return !_first && ((_c >= u'0' && _c <= u'9') || _c == u'-' || _c == u'.');
}

int hexValue(char16_t _c)
{
    if (_c >= u'0' && _c <= u'9')
        return _c - u'0';
    if (_c >= u'A' && _c <= u'F')
        return _c - u'A' + 10;
    if (_c >= u'a' && _c <= u'f')
        return _c - u'a' + 10;
    return -1;
}

void appendCodeUnit(WString& _out, char16_t _c)
{
    static const char16_t digits[] = u"0123456789ABCDEF";
    _out += u"_x";
    for (int shift = 12; shift >= 0; shift -= 4)
        _out += digits[(_c >> shift) & 0xF];
    _out += u'_';
}

} // namespace

WString escapeXml(const WString& _text)
{
    WString out;
    out.reserve(_text.size());
    for (std::size_t i = 0; i < _text.size(); ++i) {
        const char16_t c = _text[i];
        if (isHighSurrogate(c) && i + 1 < _text.size() && isLowSurrogate(_text[i + 1])) {
            out += c;
            out += _text[++i];
            continue;
        }
        if (isHighSurrogate(c) || isLowSurrogate(c) || !isXmlChar(c)) {
            out += u'\uFFFD';
            continue;
        }
        switch (c) {
        case u'&': out += u"&amp;"; break;
        case u'<': out += u"&lt;"; break;
        case u'>': out += u"&gt;"; break;
        case u'"': out += u"&quot;"; break;
        // A parser normalises raw white space in attributes to blanks: keep them as references.
        case u'\t': out += u"&#9;"; break;
        case u'\n': out += u"&#10;"; break;
        case u'\r': out += u"&#13;"; break;
        default: out += c;
        }
    }
    return out;
}

void appendXmlAttribute(WString& _out, const char16_t* _name, const WString& _value)
{
    _out += _name;
    _out += u"=\"";
    _out += escapeXml(_value);
    _out += u"\" ";
}

WString encodeXmlName(const WString& _name)
{
    if (_name.empty())
        return u"_x_";
    WString out;
    out.reserve(_name.size());
    for (std::size_t i = 0; i < _name.size(); ++i) {
        const char16_t c = _name[i];
        const Bool startsEscape = c == u'_' && i + 1 < _name.size() && _name[i + 1] == u'x';
        if (isNameChar(c, i == 0) && !startsEscape)
            out += c;
        else
            appendCodeUnit(out, c);
    }
    return out;
}

WString decodeXmlName(const WString& _name)
{
    if (_name == u"_x_")
        return WString();
    WString out;
    out.reserve(_name.size());
    for (std::size_t i = 0; i < _name.size(); ++i) {
        if (_name.compare(i, 2, u"_x") == 0 && i + 6 < _name.size() && _name[i + 6] == u'_') {
            int value = 0;
            std::size_t digit = i + 2;
            for (; digit < i + 6 && hexValue(_name[digit]) >= 0; ++digit)
                value = value * 16 + hexValue(_name[digit]);
            if (digit == i + 6) {
                out += static_cast<char16_t>(value);
                i += 6;
                continue;
            }
        }
        out += _name[i];
    }
    return out;
}
