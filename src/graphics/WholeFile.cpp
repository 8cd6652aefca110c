#include "graphics/WholeFile.h"

#include "engine/File.h"
#include "engine/FileManager.h"

#include <memory>

std::vector<char> readWholeFile(const String& _path)
{
    cFileManager* files = cFileManager::getInstance();
    if (!files)
        throw "File manager not created.";
    std::unique_ptr<iFile> file(files->open(_path));
    std::vector<char> bytes(file->getSize());
    if (!bytes.empty() && file->read(bytes.data(), ULong(bytes.size())) != bytes.size())
        throw "File \"" + _path + "\" can't be read.";
    return bytes;
}
