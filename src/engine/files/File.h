#pragma once
#include "engine/Types.h"

// An open file of the virtual file system: a disk file, or an entry of a package (read
// only). Whoever opened it owns it and deletes it, which closes it. Operations after the
// constructor never throw: a short read or write shows in the byte count, and every
// operation on a closed file returns 0.
class iFile {
public:
    // What seek returns when it could not move; the position is then unchanged.
    static constexpr ULong SEEK_FAILED = 0xFFFFFFFFu;


    virtual ~iFile() = default;
    virtual ULong getSize() = 0;
    // _origin: 0 from the start, 1 from the current position, 2 from the end. Returns the new
    // position, or SEEK_FAILED.
    virtual ULong seek(Long _offset, ULong _origin) = 0;
    // String records: a u32 character count, then the characters (UTF-16LE for wide text),
    // no terminator. Return the bytes consumed, 0 when no whole record was there.
    virtual ULong read(WString& _text) = 0;
    virtual ULong read(String& _text) = 0;
    virtual ULong read(void* _buffer, ULong _size) = 0;
    virtual ULong write(const WString& _text) = 0;
    virtual ULong write(const String& _text) = 0;
    virtual ULong write(const void* _buffer, ULong _size) = 0;
    // XOR of the content as little-endian u32 words, the last one zero-padded.
    virtual ULong calculateChecksum() = 0;
    // False when the file was being saved and the save did not take the file's name; the
    // old copy is then kept.
    virtual Bool close() = 0;
};
