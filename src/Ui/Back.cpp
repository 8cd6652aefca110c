#include "Ui/Back.h"

#include "Ui/Picture.h"
#include "engine/ErrorStack.h"
#include "engine/XML.h"

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
    iXML* background = nullptr;
    if (!_xml_doc->get("Background", background))
        return;
    // A child that cannot be fetched is passed over.
    iXML* child = nullptr;
    for (UInt i = 0, count = background->getChildCount(); i < count; ++i) {
        if (!background->get(i, child))
            continue;
        auto* picture = new cPicture(_owner);
        _list.push_back(picture);
        picture->loadXML(child);
    }
}
