#include "Ui/ViewFile.h"

#include "Ui/View.h"
#include "engine/ResourceManager.h"
#include "engine/XML.h"

void loadViewFile(cView* _view, const String& _path)
{
    cResourceManager* resources = cResourceManager::getInstance();
    if (!resources)
        throw "Resource manager not created.";
    iXML* document = resources->getXML(_path);
    try {
        _view->loadXML(document);
    } catch (...) {
        document->release();
        throw;
    }
    document->release();
}
