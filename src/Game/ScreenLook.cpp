#include "Game/ScreenLook.h"

#include "Ui/screens/MovableBack.h"
#include "Ui/views/ViewFile.h"
#include "engine/files/FileManager.h"

void loadScreenLook(cMovableBack& _screen, const String& _path)
{
    // Slides advance in the absolute pass, which also runs while the screen is hidden.
    _screen.absoluteEnable();
    cFileManager* files = cFileManager::getInstance();
    if (!files || !files->isExist(_path))
        return;
    loadViewFile(&_screen, _path);
}
