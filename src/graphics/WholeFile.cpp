#include "graphics/WholeFile.h"

#include "engine/files/File.h"
#include "engine/files/FileManager.h"
#include "engine/files/FileSizeLimit.h"

#include <memory>

std::vector<char> readWholeFile(const String& _path)
{
    cFileManager* files = &cFileManager::get();
    std::unique_ptr<iFile> file(files->open(_path));
    if (file->getSize() > getFileSizeLimit(_path))
        throw "File \"" + _path + "\" is too large: " + std::to_string(file->getSize()) + " bytes.";
    std::vector<char> bytes(file->getSize());
    if (!bytes.empty() && file->read(bytes.data(), ULong(bytes.size())) != bytes.size())
        throw "File \"" + _path + "\" can't be read.";
    return bytes;
}
