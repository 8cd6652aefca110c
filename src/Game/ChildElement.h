#pragma once
#include "engine/XML.h"

// Loads _control from the first child of _xml_doc named _tag; without one the control keeps
// what it has.
template <class T>
void loadChildElement(iXML* _xml_doc, const char* _tag, T* _control)
{
    iXML* child = nullptr;
    if (_xml_doc->get(_tag, child))
        _control->loadXML(child);
}
