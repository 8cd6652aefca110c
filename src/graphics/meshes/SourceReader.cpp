#include "graphics/meshes/SourceReader.h"
#include "graphics/meshes/Matrix.h"

#include <cstring>

const char* cSourceReader::take(ULong _bytes)
{
    if (!holds(1, _bytes))
        throw "Unexpected end of source";
    const char* field = m_source + m_position;
    m_position += _bytes;
    return field;
}

Bool cSourceReader::holds(ULong _count, ULong _itemSize) const
{
    return static_cast<LongLong>(_count) * _itemSize <= static_cast<LongLong>(m_size - m_position);
}

void cSourceReader::readTag()
{
    if (readU32() != kTag)
        throw "Invalid resource format";
}

ULong cSourceReader::readU32()
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(take(4));
    return ULong(bytes[0]) | ULong(bytes[1]) << 8 | ULong(bytes[2]) << 16 | ULong(bytes[3]) << 24;
}

Float cSourceReader::readF32()
{
    const ULong bits = readU32();
    Float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

Matrix cSourceReader::readMatrix()
{
    if (!holds(16, 4))
        throw "Unexpected end of source";
    Matrix matrix;
    for (auto& row : matrix.m)
        for (Float& element : row)
            element = readF32();
    return matrix;
}

const char* cSourceReader::skipBlock(ULong _count, ULong _itemSize)
{
    if (!holds(_count, _itemSize))
        throw "Unexpected end of source";
    const char* block = m_source + m_position;
    m_position += _count * _itemSize;
    return block;
}
