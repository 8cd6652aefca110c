#include "engine/files/ZipFile.h"

#include "engine/logs/ErrorStack.h"
#include "engine/files/FileSizeLimit.h"
#include "engine/files/StringRecord.h"
#include "platform/system/FileSystem.h"

#include <minizip/unzip.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// Deflate cannot expand data by more than about 1032 to 1; an entry claiming more is damaged
// and its size must not be trusted for an allocation.
constexpr std::uint64_t MAX_DEFLATE_RATIO = 1032;

Bool isPlausible(const unz_file_info64& _info, std::int64_t _packageSize)
{
    if (_info.uncompressed_size > 0xFFFFFFFFu || _packageSize < 0)
        return false;
    if (_info.compressed_size > static_cast<std::uint64_t>(_packageSize))
        return false;
    if (_info.compression_method == 0)
        return _info.uncompressed_size == _info.compressed_size;
    if (_info.compression_method == Z_DEFLATED)
        return _info.uncompressed_size <= _info.compressed_size * MAX_DEFLATE_RATIO + 1024;
    return false;
}

// The current entry's name, however long: minizip leaves a name that fills the buffer
// unterminated, so the buffer is sized from the entry's own header.
Bool currentName(unzFile _zip, String& _name)
{
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    std::vector<char> buffer(info.size_filename + 1, '\0');
    if (unzGetCurrentFileInfo64(_zip, &info, buffer.data(), static_cast<uLong>(buffer.size()), nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    _name.assign(buffer.data(), info.size_filename);
    return true;
}

} // namespace

cZipFile::cZipFile(const String& _zipDir, const String& _fileName) : m_zipDir(_zipDir)
{
    GUARD_BEGIN
    open(_fileName, nullptr, -1);
    GUARD_END("cZipFile::cZipFile(const String& _zipDir, const String& _fileName)")
}

cZipFile::cZipFile(const String& _zipDir, const String& _fileName, ZIP_POSITION _position, ZIP_FILE _package,
    std::int64_t _packageSize, fPackageDone _onDone)
    : m_package(_package), m_zipDir(_zipDir), m_onDone(_onDone)
{
    GUARD_BEGIN
    open(_fileName, &_position, _packageSize);
    GUARD_END("cZipFile::cZipFile(const String& _zipDir, const String& _fileName, ZIP_POSITION _position)")
}

cZipFile::~cZipFile()
{
    close();
}

void cZipFile::open(const String& _fileName, const ZIP_POSITION* _position, std::int64_t _packageSize)
{
    const String& _zipDir = m_zipDir;
    if (!m_package)
        m_package = unzOpen64(_zipDir.c_str());
    if (!m_package)
        throw "Cant't open pack file '" + _zipDir + "'";
    const Bool found = _position ? unzSetOffset64(m_package, *_position) == UNZ_OK
                                 : unzLocateFile(m_package, _fileName.c_str(), 2) == UNZ_OK;
    unz_file_info64 info{};
    String error;
    if (!found)
        error = "Cant't find file '" + _fileName + "' in the '" + _zipDir + "' pack.";
    else if (unzGetCurrentFileInfo64(m_package, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK
             || !isPlausible(info, _packageSize >= 0 ? _packageSize : platform::getFileSize(_zipDir)))
        error = "Cant't open file '" + _fileName + "' in the '" + _zipDir + "' pack.";
    else if (info.uncompressed_size > getFileSizeLimit(_fileName))
        // Whoever reads the entry sizes a buffer by it: refused before that, not after.
        error = "The file '" + _fileName + "' in the '" + _zipDir + "' pack is too large: " +
                std::to_string(info.uncompressed_size) + " bytes, at most " +
                std::to_string(getFileSizeLimit(_fileName)) + " for its kind.";
    else if (!openEntry())
        error = "Cant't open file '" + _fileName + "' in the '" + _zipDir + "' pack.";
    if (!error.empty()) {
        close();
        throw error;
    }
    m_size = static_cast<ULong>(info.uncompressed_size);
}

Bool cZipFile::openEntry()
{
    m_entryOpen = unzOpenCurrentFile(m_package) == UNZ_OK;
    m_position = 0;
    m_failed = !m_entryOpen;
    return m_entryOpen;
}

ULong cZipFile::fail()
{
    if (m_entryOpen)
        unzCloseCurrentFile(m_package);
    m_entryOpen = false;
    m_failed = true;
    return 0;
}

ULong cZipFile::getSize()
{
    return m_package ? m_size : 0;
}

ULong cZipFile::seek(Long _offset, ULong _origin)
{
    if (!m_package)
        return 0;
    if (_origin > 2)
        return SEEK_FAILED;
    const std::int64_t base = _origin == 0 ? 0 : _origin == 1 ? m_position : m_size;
    const std::int64_t target = base + _offset;
    if (target < 0 || target > m_size)
        return SEEK_FAILED;
    if (target < m_position || m_failed) {
        if (m_entryOpen)
            unzCloseCurrentFile(m_package);
        if (!openEntry())
            return SEEK_FAILED;
    }
    std::vector<unsigned char> scratch;
    while (m_position < target) {
        const ULong step = static_cast<ULong>(std::min<std::int64_t>(target - m_position, 1 << 16));
        scratch.resize(step);
        if (read(scratch.data(), step) != step)
            return SEEK_FAILED;
    }
    return m_position;
}

ULong cZipFile::read(WString& _text)
{
    return m_package ? readStringRecord(*this, _text) : 0;
}

ULong cZipFile::read(String& _text)
{
    return m_package ? readStringRecord(*this, _text) : 0;
}

ULong cZipFile::read(void* _buffer, ULong _size)
{
    if (!m_package || m_failed || !m_entryOpen || _size == 0)
        return 0;
    ULong done = 0;
    while (done < _size && m_position + done < m_size) {
        const ULong want = std::min<ULong>(std::min<ULong>(_size - done, m_size - m_position - done), INT_MAX);
        const int got = unzReadCurrentFile(m_package, static_cast<char*>(_buffer) + done, want);
        // A negative result is an error code, never a byte count.
        if (got <= 0)
            return fail();
        done += static_cast<ULong>(got);
    }
    m_position += done;
    // At the end the entry's checksum decides whether what was read is good data.
    if (m_position == m_size) {
        const int closed = unzCloseCurrentFile(m_package);
        m_entryOpen = false;
        if (closed != UNZ_OK) {
            m_failed = true;
            return 0;
        }
    }
    return done;
}

ULong cZipFile::write(const WString&)
{
    return 0;
}

ULong cZipFile::write(const String&)
{
    return 0;
}

ULong cZipFile::write(const void*, ULong)
{
    return 0;
}

ULong cZipFile::calculateChecksum()
{
    return 0;
}

Bool cZipFile::close()
{
    if (!m_package)
        return true;
    if (m_entryOpen)
        unzCloseCurrentFile(m_package);
    if (m_onDone)
        m_onDone(m_zipDir, m_package);
    else
        unzClose(m_package);
    m_package = nullptr;
    m_entryOpen = false;
    return true;
}

cZipFile::ZIP_FILE cZipFile::findOpen(const String& _path)
{
    GUARD_BEGIN
    ZIP_FILE zip = unzOpen64(_path.c_str());
    if (!zip)
        throw _path + " is cannot be opened.";
    return zip;
    GUARD_END("cZipFile::ZIP_FILE cZipFile::findOpen(const String& _path)")
}

Bool cZipFile::findFirstFile(ZIP_FILE _zip, String& _fileName)
{
    GUARD_BEGIN
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(_zip, &global) == UNZ_OK && global.number_entry == 0)
        return false;
    const int result = unzGoToFirstFile(_zip);
    if (result == UNZ_END_OF_LIST_OF_FILE)
        return false;
    if (result != UNZ_OK)
        throw "Pack finder raise error during begin of search.";
    if (!currentName(_zip, _fileName))
        throw "Pack finder raise error during begin of search. (File name can't be obtained.)";
    return true;
    GUARD_END("Bool cZipFile::findFirstFile(ZIP_FILE _zip, String& _fileName)")
}

Bool cZipFile::findNextFile(ZIP_FILE _zip, String& _fileName)
{
    GUARD_BEGIN
    const int result = unzGoToNextFile(_zip);
    if (result == UNZ_END_OF_LIST_OF_FILE)
        return false;
    if (result != UNZ_OK)
        throw "Pack finder raise error during search.";
    if (!currentName(_zip, _fileName))
        throw "Pack finder raise error during search. (File name can't be obtained.)";
    return true;
    GUARD_END("Bool cZipFile::findNextFile(ZIP_FILE _zip, String& _fileName)")
}

cZipFile::ZIP_POSITION cZipFile::findPosition(ZIP_FILE _zip)
{
    return unzGetOffset64(_zip);
}

void cZipFile::findClose(ZIP_FILE _zip)
{
    GUARD_BEGIN
    if (unzClose(_zip) != UNZ_OK)
        throw "Error has occurred while closing zip find.";
    GUARD_END("void cZipFile::findClose(ZIP_FILE _zip)")
}
