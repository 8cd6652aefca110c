#pragma once
#include "engine/Types.h"

struct Matrix;

// Walks the bytes of a mesh or animation file with a read position. Every read first checks
// that the whole field is there ("Unexpected end of source"), so counts from a damaged file
// can never read past the buffer; a tag that is there but wrong is "Invalid resource format".
// Numbers are little-endian whatever the machine.
class cSourceReader {
public:
    cSourceReader(const char* _source, ULong _size) : m_source(_source), m_size(_size) {}

    // The four bytes "alem" that open the files and close each of their blocks.
    void readTag();
    ULong readU32();
    Float readF32();
    Matrix readMatrix();
    // The position of a block of _count items of _itemSize bytes, skipped over. The size is
    // checked in 64 bits so that no count can wrap it.
    const char* skipBlock(ULong _count, ULong _itemSize);
    // True when _count items of _itemSize bytes would still fit, for sizing containers
    // before a loop fills them.
    Bool holds(ULong _count, ULong _itemSize) const;
    ULong getPosition() const { return m_position; }

    static constexpr ULong kTag = 0x6D656C61;

private:
    const char* take(ULong _bytes);

    const char* m_source;
    ULong m_size;
    ULong m_position = 0;
};
