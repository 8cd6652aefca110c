#pragma once
#include "engine/XML.h"

// Attribute reading for the text controls: a missing attribute leaves the field as it was,
// which iXML::operator[] cannot tell from an empty one.
namespace xmlAttribute {

// The attribute's text, or null when the element has none.
inline const WString* find(iXML* _xml, const char16_t* _name)
{
    const ATTRIBUTE_MAP& attributes = _xml->getAttributeMap();
    const auto found = attributes.find(_name);
    return found == attributes.end() ? nullptr : &found->second;
}

// Converts the attribute into _field when present; a text that does not convert also leaves it.
template <class T>
void read(iXML* _xml, const char16_t* _name, T& _field, T& (*_convert)(T&, const WString&))
{
    if (const WString* text = find(_xml, _name))
        _convert(_field, *text);
}

} // namespace xmlAttribute
