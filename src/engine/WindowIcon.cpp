#include "engine/WindowIcon.h"

#include "engine/File.h"
#include "engine/FileManager.h"
#include "engine/LogManager.h"
#include "platform/ImageLoader.h"
#include "platform/Window.h"

#include <memory>
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
        std::unique_ptr<iFile> file(files->open(ICON_NAME));
        std::vector<char> bytes(file->getSize());
        if (!bytes.empty() && file->read(bytes.data(), ULong(bytes.size())) != bytes.size())
            throw String("File \"") + ICON_NAME + "\" can't be read.";
        _window.setIcon(loadImage(bytes.data(), bytes.size(), ICON_NAME));
    } catch (const String& _error) {
        logError("The window icon was not set:\n" + _error);
    } catch (const char* _error) {
        logError("The window icon was not set:\n" + String(_error));
    }
}
