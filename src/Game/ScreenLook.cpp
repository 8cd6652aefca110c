#include "Game/ScreenLook.h"

#include "Ui/MovableBack.h"
#include "engine/FileManager.h"
#include "engine/ResourceManager.h"
#include "engine/XML.h"

void loadScreenLook(cMovableBack& _screen, const String& _path)
{
    // Slides advance in the absolute pass, which also runs while the screen is hidden.
    _screen.absoluteEnable();
    cFileManager* files = cFileManager::getInstance();
    if (!files || !files->isExist(_path))
        return;
    iXML* doc = cResourceManager::getInstance()->getXML(_path);
    try {
        _screen.loadXML(doc);
    } catch (...) {
        doc->release();
        throw;
    }
    doc->release();
}
