#include "support/ZipWriter.h"

#include <minizip/zip.h>

#include <filesystem>
#include <stdexcept>

void writeZip(const std::string& _path, const std::vector<sZipEntry>& _entries)
{
    std::filesystem::create_directories(std::filesystem::path(_path).parent_path());
    zipFile zip = zipOpen64(_path.c_str(), APPEND_STATUS_CREATE);
    if (!zip)
        throw std::runtime_error("cannot create " + _path);
    for (const sZipEntry& entry : _entries) {
        zip_fileinfo info{};
        if (zipOpenNewFileInZip(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                entry.deflate ? Z_DEFLATED : 0, entry.deflate ? 6 : 0) != ZIP_OK
            || zipWriteInFileInZip(zip, entry.bytes.data(), static_cast<unsigned>(entry.bytes.size())) != ZIP_OK
            || zipCloseFileInZip(zip) != ZIP_OK) {
            zipClose(zip, nullptr);
            throw std::runtime_error("cannot add " + entry.name);
        }
    }
    zipClose(zip, nullptr);
}

std::size_t findEntryData(const std::string& _zipBytes, const std::string& _name)
{
    // Local header: 30 fixed bytes, the name, then the extra field.
    for (std::size_t at = _zipBytes.find("PK\x03\x04"); at != std::string::npos; at = _zipBytes.find("PK\x03\x04", at + 4)) {
        auto u16 = [&](std::size_t _offset) {
            return static_cast<std::size_t>(static_cast<unsigned char>(_zipBytes[at + _offset]))
                | static_cast<std::size_t>(static_cast<unsigned char>(_zipBytes[at + _offset + 1])) << 8;
        };
        const std::size_t nameLength = u16(26);
        const std::size_t extraLength = u16(28);
        if (_zipBytes.compare(at + 30, nameLength, _name) == 0)
            return at + 30 + nameLength + extraLength;
    }
    throw std::runtime_error("no entry " + _name);
}
