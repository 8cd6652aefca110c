#pragma once
#include "engine/files/File.h"

#include <cstdint>

// One entry of a zip package, read only. The entry is inflated as it is read; a damaged
// entry (a failed inflate, a wrong checksum, data shorter than its header says) reads as 0
// bytes rather than as good data.
class cZipFile : public iFile {
public:
    // An open package while its entries are enumerated.
    using ZIP_FILE = void*;
    // Where an entry's directory record sits in its package, so that it is found again
    // without a search.
    using ZIP_POSITION = std::uint64_t;

    // The entry whose name matches _fileName in any letter case.
    cZipFile(const String& _zipDir, const String& _fileName);
    // Told when a file is done with a package it was given open, to keep it for the next.
    using fPackageDone = void (*)(const String& _zipDir, ZIP_FILE _package);

    // The entry found at _position during enumeration; _fileName only names it in errors.
    // _package, when given, is the package already open (opening it is the dear part of
    // reading a small entry) and _packageSize its size in bytes; it goes to _onDone when the
    // file closes.
    cZipFile(const String& _zipDir, const String& _fileName, ZIP_POSITION _position, ZIP_FILE _package = nullptr,
        std::int64_t _packageSize = -1, fPackageDone _onDone = nullptr);
    ~cZipFile() override;
    cZipFile(const cZipFile&) = delete;
    cZipFile& operator=(const cZipFile&) = delete;

    ULong getSize() override;
    // Moves the entry's read position; going back inflates again from the entry's start.
    ULong seek(Long _offset, ULong _origin) override;
    ULong read(WString& _text) override;
    ULong read(String& _text) override;
    ULong read(void* _buffer, ULong _size) override;
    ULong write(const WString& _text) override;
    ULong write(const String& _text) override;
    ULong write(const void* _buffer, ULong _size) override;
    ULong calculateChecksum() override;
    Bool close() override;

    // Enumeration of a package's entries, names of any length.
    static ZIP_FILE findOpen(const String& _path);
    static Bool findFirstFile(ZIP_FILE _zip, String& _fileName);
    static Bool findNextFile(ZIP_FILE _zip, String& _fileName);
    // The position of the entry last found.
    static ZIP_POSITION findPosition(ZIP_FILE _zip);
    static void findClose(ZIP_FILE _zip);

private:
    void open(const String& _fileName, const ZIP_POSITION* _position, std::int64_t _packageSize);
    Bool openEntry();
    ULong fail();

    ZIP_FILE m_package = nullptr;
    String m_zipDir;
    fPackageDone m_onDone = nullptr;
    ULong m_size = 0;
    ULong m_position = 0;
    Bool m_entryOpen = false;
    Bool m_failed = false;
};
