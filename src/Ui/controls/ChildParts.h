#pragma once
#include "engine/files/XML.h"

#include <vector>

class cControl;
class cView;

// Loads _part from the first child of _xml_doc named _name; without one the part stays as it is.
void loadChildPart(iXML* _xml_doc, const char* _name, cView* _part);

// One new T under _owner per child of _xml_doc's first element named _group, in the order the
// element gives its children, each appended to _parts before it loads. A child that cannot be
// fetched is passed over.
template <class T> void loadChildParts(iXML* _xml_doc, const char* _group, cView* _owner, std::vector<cControl*>& _parts)
{
    iXML* group = nullptr;
    if (!_xml_doc->get(_group, group))
        return;
    iXML* child = nullptr;
    for (UInt i = 0, count = group->getChildCount(); i < count; ++i) {
        if (!group->get(i, child))
            continue;
        auto* part = new T(_owner);
        _parts.push_back(part);
        part->loadXML(child);
    }
}
