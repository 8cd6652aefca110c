#include "engine/files/RealFile.h"

#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/files/PutInPlace.h"
#include "engine/files/StringRecord.h"
#include "platform/system/System.h"

#include <vector>

cRealFile::cRealFile(const String& _fileName, ULong _access, ULong _creating)
    : m_path(_fileName)
{
    GUARD_BEGIN
    if (_creating == CREATE_ALWAYS)
        m_handle = platform::createFile(_fileName);
    else
        m_handle = platform::openFile(_fileName, (_access & ACCESS_WRITE) != 0);
    if (m_handle == platform::INVALID_FILE)
        throw "Can't open file \"" + _fileName + "\".";
    GUARD_END("cRealFile::cRealFile(const String& _fileName, const ULong _access, const ULong _creating)")
}

cRealFile::cRealFile(platform::FileHandle _handle, const String& _tempPath, const String& _path, fSaveFailed _onFailed,
    fSaveWritten _onWritten)
    : m_handle(_handle), m_tempPath(_tempPath), m_path(_path), m_onFailed(_onFailed), m_onWritten(_onWritten)
{
}

cRealFile::~cRealFile()
{
    close();
}

ULong cRealFile::getSize()
{
    if (m_handle == platform::INVALID_FILE)
        return 0;
    const std::int64_t size = platform::getFileSize(m_handle);
    return size < 0 ? 0 : static_cast<ULong>(size);
}

ULong cRealFile::seek(Long _offset, ULong _origin)
{
    if (m_handle == platform::INVALID_FILE)
        return 0;
    const std::int64_t position = platform::seekFile(m_handle, _offset, static_cast<platform::eSeekOrigin>(_origin));
    return position < 0 ? SEEK_FAILED : static_cast<ULong>(position);
}

ULong cRealFile::read(WString& _text)
{
    return m_handle == platform::INVALID_FILE ? 0 : readStringRecord(*this, _text);
}

ULong cRealFile::read(String& _text)
{
    return m_handle == platform::INVALID_FILE ? 0 : readStringRecord(*this, _text);
}

ULong cRealFile::read(void* _buffer, ULong _size)
{
    if (m_handle == platform::INVALID_FILE || _size == 0)
        return 0;
    const std::int64_t got = platform::readFile(m_handle, _buffer, _size);
    return got < 0 ? 0 : static_cast<ULong>(got);
}

ULong cRealFile::write(const WString& _text)
{
    return m_handle == platform::INVALID_FILE ? 0 : writeStringRecord(*this, _text);
}

ULong cRealFile::write(const String& _text)
{
    return m_handle == platform::INVALID_FILE ? 0 : writeStringRecord(*this, _text);
}

ULong cRealFile::write(const void* _buffer, ULong _size)
{
    if (m_handle == platform::INVALID_FILE)
        return 0;
    if (_size == 0)
        return 0;
    const std::int64_t put = platform::writeFile(m_handle, _buffer, _size);
    const ULong written = put < 0 ? 0 : static_cast<ULong>(put);
    // A short write is no error to the caller, but a save that lost bytes must not replace
    // the good file it was meant to update.
    if (written != _size)
        m_writeFailed = true;
    return written;
}

ULong cRealFile::calculateChecksum()
{
    if (m_handle == platform::INVALID_FILE)
        return 0;
    // From the current position, sized by the whole file: what is not read counts as zero.
    ULong size = getSize();
    ULong result = 0;
    std::vector<unsigned char> chunk(1 << 16);
    while (size > 0) {
        const ULong want = size < chunk.size() ? size : static_cast<ULong>(chunk.size());
        const ULong got = read(chunk.data(), want);
        if (got == 0)
            break;
        // Zero-pad the last word.
        const ULong padded = (got + 3) & ~3u;
        for (ULong i = got; i < padded; ++i)
            chunk[i] = 0;
        for (ULong i = 0; i < padded; i += 4)
            result ^= ULong(chunk[i]) | ULong(chunk[i + 1]) << 8 | ULong(chunk[i + 2]) << 16 | ULong(chunk[i + 3]) << 24;
        size -= got;
        if (got % 4 != 0)
            break;
    }
    return result;
}

Bool cRealFile::close()
{
    if (m_handle == platform::INVALID_FILE)
        return true;
    const platform::FileHandle handle = m_handle;
    m_handle = platform::INVALID_FILE;
    if (m_tempPath.empty()) {
        platform::closeFile(handle);
        return true;
    }
    if (!m_writeFailed && m_onWritten && m_onWritten(handle, m_tempPath, m_path))
        return true;
    Bool written = !m_writeFailed && !saveStepFails(SAVE_STEP_SYNC, m_path) && platform::flushFile(handle);
    written = platform::closeFile(handle) && written;
    return finishSave(written);
}

Bool cRealFile::finishSave(Bool _written)
{
    if (_written && !saveStepFails(SAVE_STEP_RENAME, m_path) && platform::renameFile(m_tempPath, m_path))
        return true;
    const String reason = platform::getLastErrorText();
    platform::removeFile(m_tempPath);
    logError("File \"" + m_path + "\" was not saved, the old copy is kept. " + reason);
    if (m_onFailed)
        m_onFailed(m_path);
    return false;
}
