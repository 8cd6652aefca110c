#include "Ui/screens/Back.h"

#include "Ui/controls/ChildParts.h"
#include "Ui/controls/Picture.h"
#include "engine/logs/ErrorStack.h"
#include "engine/files/XML.h"

cBack::cBack(cView* _parent) : cView(_parent) {}

cBack::~cBack() = default;

void cBack::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cView::loadXML(_xml_doc);
    loadBackground(_xml_doc, this, m_background);
    GUARD_END("void cBack::loadXML(iXML* xml_doc)")
}

void cBack::loadBackground(iXML* _xml_doc, cView* _owner, CONTROL_LIST& _list)
{
    loadChildParts<cPicture>(_xml_doc, "Background", _owner, _list);
}
