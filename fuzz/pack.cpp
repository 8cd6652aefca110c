#include "FuzzFile.h"
#include "engine/files/ZipFile.h"

#include <minizip/zip.h>

#include <algorithm>
#include <fstream>
#include <iterator>
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

// Half the inputs become a real package first, damaged afterwards where the input says, so
// that the fuzzer reaches the entries and not only the search for the directory.
void makePackage(const std::string& _path, const std::uint8_t* _data, std::size_t _size)
{
    const std::size_t flips = _size > 2 ? std::min<std::size_t>(_data[1] % 8, (_size - 2) / 3) : 0;
    const std::size_t body = _size > 2 ? _size - 2 - 3 * flips : 0;
    zipFile zip = zipOpen64(_path.c_str(), APPEND_STATUS_CREATE);
    if (!zip)
        std::abort();
    const std::size_t entries = 1 + (_size > 0 ? _data[0] / 2 % 3 : 0);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t from = body * i / entries, to = body * (i + 1) / entries;
        zip_fileinfo info{};
        const std::string name = "Dir/Entry" + std::to_string(i) + ".xml";
        zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, i % 2 ? 0 : Z_DEFLATED, 6);
        zipWriteInFileInZip(zip, _data + 2 + from, static_cast<unsigned>(to - from));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
    std::fstream file(_path, std::ios::in | std::ios::out | std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    for (std::size_t i = 0; i < flips; ++i) {
        const std::uint8_t* flip = _data + _size - 3 * (i + 1);
        bytes[(flip[0] | flip[1] << 8) % bytes.size()] ^= static_cast<char>(flip[2]);
    }
    file.seekp(0);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

// Any bytes as a package: it opens or is refused, lists, and every entry reads to its end or
// fails, within the size its header gave.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    const std::string& path = writeFuzzFile(_data, _size);
    if (_size > 0 && _data[0] & 1)
        makePackage(path, _data, _size);
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
