#pragma once
#include "engine/Types.h"
#include "engine/files/XML.h"

// The attribute _name of _xml, or null when the element lacks it: absent and empty differ.
inline const WString* findXmlAttribute(iXML* _xml, const char16_t* _name)
{
    const ATTRIBUTE_MAP& attributes = _xml->getAttributeMap();
    const auto found = attributes.find(_name);
    return found == attributes.end() ? nullptr : &found->second;
}

// Converts the attribute into _field; a missing attribute, or one that does not read, keeps
// the field. True when the element has the attribute.
template <class T>
Bool readXmlAttribute(iXML* _xml, const char16_t* _name, T& _field, T& (*_convert)(T&, const WString&))
{
    const WString* text = findXmlAttribute(_xml, _name);
    if (text)
        _convert(_field, *text);
    return text != nullptr;
}
