#include "Game/ScreenLook.h"

#include "Ui/MovableBack.h"
#include "Ui/ViewFile.h"
#include "engine/FileManager.h"

void loadScreenLook(cMovableBack& _screen, const String& _path)
{
    // Slides advance in the absolute pass, which also runs while the screen is hidden.
    _screen.absoluteEnable();
    cFileManager* files = cFileManager::getInstance();
    if (!files || !files->isExist(_path))
        return;
    loadViewFile(&_screen, _path);
}
