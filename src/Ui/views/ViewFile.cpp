#include "Ui/views/ViewFile.h"

#include "Ui/views/ResourceHold.h"
#include "Ui/views/View.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/ResourceManager.h"
#include "engine/files/XML.h"

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
