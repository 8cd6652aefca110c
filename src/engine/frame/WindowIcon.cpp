#include "engine/frame/WindowIcon.h"

#include "engine/files/FileManager.h"
#include "engine/logs/LogManager.h"
#include "graphics/WholeFile.h"
#include "platform/images/ImageLoader.h"
#include "platform/window/Window.h"

#include <vector>

namespace {

const char* const ICON_NAME = "Icon.png";

} // namespace

void loadWindowIcon(iWindow& _window)
{
    cFileManager* files = cFileManager::getInstance();
    if (!files || !files->isExist(ICON_NAME))
        return;
    try {
        const std::vector<char> bytes = readWholeFile(ICON_NAME);
        _window.setIcon(loadImage(bytes.data(), bytes.size(), ICON_NAME));
    } catch (const String& _error) {
        logError("The window icon was not set:\n" + _error);
    } catch (const char* _error) {
        logError("The window icon was not set:\n" + String(_error));
    }
}
