#pragma once
#include "engine/Types.h"

#include <vector>

// One glyph of a font picture. Coordinates are fractions of the picture: x from its left
// edge, y from its bottom edge, so top >= bottom; the advance is the pen step after the
// glyph as a fraction of the picture's width.
struct sGlyph {
    Float left = 0, top = 0, right = 0, bottom = 0, advance = 0;
};

// Consecutive UTF-16 code units first..last whose glyphs are numbered from firstGlyph on.
struct sFontRange {
    UInt16 first = 0, last = 0, firstGlyph = 0;
};

// The content of a font file: little-endian, packed, "tnof", the ranges, the glyphs.
struct sFontFile {
    std::vector<sFontRange> ranges;
    std::vector<sGlyph> glyphs;
};

// False when the bytes are not a whole, consistent font file: no magic, counts that reach
// past the end, or a range whose glyphs reach past the glyph table. Bytes after the glyphs
// are ignored.
Bool readFontFile(sFontFile& _res, const void* _bytes, std::size_t _size);

String writeFontFile(const sFontFile& _font);
