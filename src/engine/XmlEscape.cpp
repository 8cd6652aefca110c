#include "engine/XmlEscape.h"

WString escapeXml(const WString& _text)
{
    WString out;
    out.reserve(_text.size());
    for (char16_t c : _text) {
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
