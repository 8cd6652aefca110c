#include "engine/WindowIcon.h"

#include "engine/FileManager.h"
#include "engine/LogManager.h"
#include "graphics/WholeFile.h"
#include "platform/ImageLoader.h"
#include "platform/Window.h"

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
