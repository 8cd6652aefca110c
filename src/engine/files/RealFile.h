#pragma once
#include "engine/files/File.h"
#include "platform/system/FileSystem.h"

// A file on the disk. A file made for saving writes to a temporary name and takes the real
// name only when it is closed after every write succeeded, so a crash or a full disk never
// leaves a half-written file where the old one was.
class cRealFile : public iFile {
public:
    // The Windows values, kept because callers pass them through unchanged.
    enum : ULong { ACCESS_READ = 0x80000000u, ACCESS_WRITE = 0x40000000u };
    enum : ULong { CREATE_ALWAYS = 2, OPEN_EXISTING = 3 };

    // Told the real name of a save that failed and so never reached the disk.
    using fSaveFailed = void (*)(const String& _path);
    // Offered a save written whole, still open and not yet pushed to the disk: true when it
    // takes the file over, to be put in place later with others; false puts it in place now.
    using fSaveWritten = Bool (*)(platform::FileHandle _handle, const String& _tempPath, const String& _path);

    // Raises "Can't open file "<name>"." when the file cannot be opened.
    cRealFile(const String& _fileName, ULong _access, ULong _creating);
    // Takes over an open file that is being written under _tempPath for _path.
    cRealFile(platform::FileHandle _handle, const String& _tempPath, const String& _path, fSaveFailed _onFailed,
        fSaveWritten _onWritten = nullptr);
    ~cRealFile() override;
    cRealFile(const cRealFile&) = delete;
    cRealFile& operator=(const cRealFile&) = delete;

    ULong getSize() override;
    ULong seek(Long _offset, ULong _origin) override;
    ULong read(WString& _text) override;
    ULong read(String& _text) override;
    ULong read(void* _buffer, ULong _size) override;
    ULong write(const WString& _text) override;
    ULong write(const String& _text) override;
    ULong write(const void* _buffer, ULong _size) override;
    ULong calculateChecksum() override;
    // A save takes its real name here, or is dropped and logged to "error".
    Bool close() override;

private:
    Bool finishSave(Bool _written);

    platform::FileHandle m_handle = platform::INVALID_FILE;
    String m_tempPath;
    String m_path;
    fSaveFailed m_onFailed = nullptr;
    fSaveWritten m_onWritten = nullptr;
    Bool m_writeFailed = false;
};
