#include "Ui/ViewFile.h"

#include "Ui/ResourceHold.h"
#include "Ui/View.h"
#include "engine/ErrorStack.h"
#include "engine/ResourceManager.h"
#include "engine/XML.h"

void loadViewFile(cView* _view, const String& _path)
{
    iXML* document = requireResourceManager().getXML(_path);
    try {
        _view->loadXML(document);
    } catch (...) {
        document->release();
        rethrowWithFile(_path);
    }
    document->release();
}
