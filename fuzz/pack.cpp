#include "FuzzFile.h"
#include "engine/ZipFile.h"

#include <memory>
#include <utility>
#include <vector>

namespace {

void readEntry(const std::string& _path, const String& _name, cZipFile::ZIP_POSITION _position)
{
    std::unique_ptr<cZipFile> file;
    try {
        file = std::make_unique<cZipFile>(_path, _name, _position);
    } catch (const String&) {
        return;
    }
    std::vector<char> chunk(4096);
    ULong total = 0;
    while (ULong got = file->read(chunk.data(), static_cast<ULong>(chunk.size())))
        total += got;
    if (total > file->getSize())
        std::abort();
    file->seek(0, 0);
    String text;
    file->read(text);
    file->seek(-1, 2);
}

} // namespace

// Any bytes as a package: it opens or is refused, lists, and every entry reads to its end or
// fails, within the size its header gave.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    const std::string& path = writeFuzzFile(_data, _size);
    std::vector<std::pair<String, cZipFile::ZIP_POSITION>> entries;
    cZipFile::ZIP_FILE zip = nullptr;
    try {
        zip = cZipFile::findOpen(path);
        String name;
        for (Bool more = cZipFile::findFirstFile(zip, name); more && entries.size() < 256;
             more = cZipFile::findNextFile(zip, name))
            entries.emplace_back(name, cZipFile::findPosition(zip));
    } catch (const String&) {
    }
    if (zip) {
        try {
            cZipFile::findClose(zip);
        } catch (const String&) {
        }
    }
    for (const auto& entry : entries)
        readEntry(path, entry.first, entry.second);
    return 0;
}
