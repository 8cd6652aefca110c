#include "Ui/controls/ChildParts.h"

#include "Ui/views/View.h"

void loadChildPart(iXML* _xml_doc, const char* _name, cView* _part)
{
    iXML* element = nullptr;
    if (_xml_doc->get(_name, element))
        _part->loadXML(element);
}
