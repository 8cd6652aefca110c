#include "graphics/sprites/FontFile.h"

#include <cstring>

namespace {

const UInt kMagic = 0x666F6E74; // the bytes "tnof"
const std::size_t kRangeSize = 6;
const std::size_t kGlyphSize = 20;

// Reads little-endian fields and refuses to step past the end.
class cByteReader {
public:
    cByteReader(const void* _bytes, std::size_t _size)
        : m_bytes(static_cast<const unsigned char*>(_bytes)), m_size(_bytes ? _size : 0) {}

    Bool has(std::size_t _count) const { return _count <= m_size - m_pos; }
    std::size_t remaining() const { return m_size - m_pos; }

    UInt u32()
    {
        const UInt value = m_bytes[m_pos] | m_bytes[m_pos + 1] << 8 | m_bytes[m_pos + 2] << 16
            | static_cast<UInt>(m_bytes[m_pos + 3]) << 24;
        m_pos += 4;
        return value;
    }
    UInt16 u16()
    {
        const UInt16 value = static_cast<UInt16>(m_bytes[m_pos] | m_bytes[m_pos + 1] << 8);
        m_pos += 2;
        return value;
    }
    Float f32()
    {
        const UInt bits = u32();
        Float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

private:
    const unsigned char* m_bytes;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

void putU32(String& _out, UInt _value)
{
    for (int shift = 0; shift < 32; shift += 8)
        _out.push_back(static_cast<char>(_value >> shift & 0xFF));
}

void putU16(String& _out, UInt16 _value)
{
    _out.push_back(static_cast<char>(_value & 0xFF));
    _out.push_back(static_cast<char>(_value >> 8));
}

void putF32(String& _out, Float _value)
{
    UInt bits;
    std::memcpy(&bits, &_value, sizeof bits);
    putU32(_out, bits);
}

// A range that starts after it ends never matches a character, so it cannot index anything.
Bool glyphsInTable(const sFontRange& _range, std::size_t _glyphCount)
{
    if (_range.first > _range.last)
        return true;
    return std::size_t(_range.firstGlyph) + (_range.last - _range.first) < _glyphCount;
}

} // namespace

Bool readFontFile(sFontFile& _res, const void* _bytes, std::size_t _size)
{
    cByteReader reader(_bytes, _size);
    if (!reader.has(8) || reader.u32() != kMagic)
        return false;
    // Counts are compared with the bytes left before anything is allocated.
    const UInt rangeCount = reader.u32();
    if (rangeCount > reader.remaining() / kRangeSize)
        return false;
    sFontFile font;
    font.ranges.resize(rangeCount);
    for (sFontRange& range : font.ranges) {
        range.first = reader.u16();
        range.last = reader.u16();
        range.firstGlyph = reader.u16();
    }
    if (!reader.has(4))
        return false;
    const UInt glyphCount = reader.u32();
    if (glyphCount > reader.remaining() / kGlyphSize)
        return false;
    font.glyphs.resize(glyphCount);
    for (sGlyph& glyph : font.glyphs) {
        glyph.left = reader.f32();
        glyph.top = reader.f32();
        glyph.right = reader.f32();
        glyph.bottom = reader.f32();
        glyph.advance = reader.f32();
    }
    for (const sFontRange& range : font.ranges)
        if (!glyphsInTable(range, glyphCount))
            return false;
    _res = std::move(font);
    return true;
}

String writeFontFile(const sFontFile& _font)
{
    String out;
    out.reserve(12 + kRangeSize * _font.ranges.size() + kGlyphSize * _font.glyphs.size());
    putU32(out, kMagic);
    putU32(out, static_cast<UInt>(_font.ranges.size()));
    for (const sFontRange& range : _font.ranges) {
        putU16(out, range.first);
        putU16(out, range.last);
        putU16(out, range.firstGlyph);
    }
    putU32(out, static_cast<UInt>(_font.glyphs.size()));
    for (const sGlyph& glyph : _font.glyphs) {
        putF32(out, glyph.left);
        putF32(out, glyph.top);
        putF32(out, glyph.right);
        putF32(out, glyph.bottom);
        putF32(out, glyph.advance);
    }
    return out;
}
