#include "FontBaker.h"

#include "FontPackage.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>

namespace {

// Cells are this far apart, so filtering at a cell's edge never picks up a neighbour.
const UInt kGap = 2;
// FreeType's 26.6 fixed point, rounded to whole pixels.
long roundPixels(FT_Pos _value)
{
    return (_value + 32) >> 6;
}

struct sRendered {
    char16_t character = 0;
    long left = 0, top = 0;   // bitmap offset from the pen on the baseline, y upwards
    long advance = 0;
    UInt width = 0, rows = 0;
    std::vector<unsigned char> coverage;
    // Filled by the layout:
    long pad = 0;
    UInt cellX = 0, cellY = 0, cellWidth = 0;
};

struct sLibraryDeleter {
    void operator()(FT_Library _library) const { FT_Done_FreeType(_library); }
};
struct sFaceDeleter {
    void operator()(FT_Face _face) const { FT_Done_Face(_face); }
};
using tLibrary = std::unique_ptr<FT_LibraryRec_, sLibraryDeleter>;
using tFace = std::unique_ptr<FT_FaceRec_, sFaceDeleter>;

tFace openFace(FT_Library _library, const String& _path, UInt _pixelSize)
{
    FT_Face face = nullptr;
    if (FT_New_Face(_library, _path.c_str(), 0, &face) != 0)
        throw String(missingFontMessage(_path));
    tFace owned(face);
    if (_pixelSize == 0 || FT_Set_Pixel_Sizes(face, 0, _pixelSize) != 0)
        throw String("The font " + _path + " has no size " + std::to_string(_pixelSize) + ".");
    return owned;
}

// False when the font has no glyph for the character (it is then left out of the file).
Bool renderGlyph(FT_Face _face, char16_t _character, sRendered& _res)
{
    const FT_UInt index = FT_Get_Char_Index(_face, _character);
    if (index == 0 || FT_Load_Glyph(_face, index, FT_LOAD_RENDER) != 0)
        return false;
    const FT_GlyphSlot slot = _face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.rows * bitmap.width != 0)
        return false;
    _res.character = _character;
    _res.left = slot->bitmap_left;
    _res.top = slot->bitmap_top;
    _res.advance = roundPixels(slot->advance.x);
    _res.width = bitmap.width;
    _res.rows = bitmap.rows;
    _res.coverage.resize(std::size_t(bitmap.width) * bitmap.rows);
    for (UInt row = 0; row < bitmap.rows; ++row)
        std::copy_n(bitmap.buffer + std::ptrdiff_t(row) * bitmap.pitch, bitmap.width,
            _res.coverage.begin() + std::ptrdiff_t(row) * bitmap.width);
    return true;
}

UInt nextPowerOfTwo(UInt _value)
{
    UInt result = 1;
    while (result < _value)
        result <<= 1;
    return result;
}

// Shelf packing into a power-of-two picture roughly as wide as it is tall.
void layoutCells(std::vector<sRendered>& _glyphs, UInt _cellHeight, UInt& _width, UInt& _height)
{
    std::size_t area = 0;
    UInt widest = 0;
    for (sRendered& glyph : _glyphs) {
        // Symmetric padding keeps the cell centred on the advance even when the ink overhangs it.
        glyph.pad = std::max({0L, -glyph.left, glyph.left + long(glyph.width) - glyph.advance});
        glyph.cellWidth = UInt(std::max(1L, glyph.advance + 2 * glyph.pad));
        area += std::size_t(glyph.cellWidth + kGap) * (_cellHeight + kGap);
        widest = std::max(widest, glyph.cellWidth + 2 * kGap);
    }
    _width = std::max({64u, widest, nextPowerOfTwo(UInt(std::ceil(std::sqrt(double(area)))))});
    UInt x = kGap, y = kGap;
    for (sRendered& glyph : _glyphs) {
        if (x + glyph.cellWidth + kGap > _width) {
            x = kGap;
            y += _cellHeight + kGap;
        }
        glyph.cellX = x;
        glyph.cellY = y;
        x += glyph.cellWidth + kGap;
    }
    _height = nextPowerOfTwo(y + _cellHeight + kGap);
}

void drawGlyph(const sRendered& _glyph, long _ascent, sBakedFont& _res)
{
    const long originX = long(_glyph.cellX) + _glyph.pad + _glyph.left;
    const long originY = long(_glyph.cellY) + _ascent - _glyph.top;
    for (UInt row = 0; row < _glyph.rows; ++row)
        for (UInt column = 0; column < _glyph.width; ++column) {
            const std::size_t pixel = std::size_t(originY + row) * _res.width + std::size_t(originX + column);
            _res.rgba[pixel * 4 + 3] = _glyph.coverage[std::size_t(row) * _glyph.width + column];
        }
}

sGlyph glyphRecord(const sRendered& _glyph, UInt _cellHeight, const sBakedFont& _res)
{
    const Float width = Float(_res.width), height = Float(_res.height);
    sGlyph record;
    record.left = Float(_glyph.cellX) / width;
    record.right = Float(_glyph.cellX + _glyph.cellWidth) / width;
    record.top = 1.0f - Float(_glyph.cellY) / height;
    record.bottom = 1.0f - Float(_glyph.cellY + _cellHeight) / height;
    record.advance = Float(_glyph.advance) / width;
    return record;
}

// Characters of consecutive code units form one range, their glyphs numbered in file order.
std::vector<sFontRange> makeRanges(const std::vector<sRendered>& _glyphs)
{
    std::vector<sFontRange> ranges;
    for (std::size_t i = 0; i < _glyphs.size(); ++i) {
        const char16_t c = _glyphs[i].character;
        if (!ranges.empty() && ranges.back().last + 1 == c)
            ranges.back().last = c;
        else
            ranges.push_back({c, c, UInt16(i)});
    }
    return ranges;
}

} // namespace

const std::vector<sCharRun>& getDefaultCharRuns()
{
    static const std::vector<sCharRun> s_runs = {{u'\u0020', u'\u007E'}, {u'\u00A0', u'\u00FF'},
        {u'\u0400', u'\u045F'}, {u'\u2013', u'\u2014'}, {u'\u2018', u'\u201E'}, {u'\u2026', u'\u2026'},
        {u'\u2116', u'\u2116'}};
    return s_runs;
}

sBakedFont bakeFont(const String& _ttfPath, UInt _pixelSize, const std::vector<sCharRun>& _runs)
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        throw String("Cannot start the font renderer.");
    tLibrary ownedLibrary(library);
    const tFace face = openFace(library, _ttfPath, _pixelSize);

    std::vector<sRendered> glyphs;
    for (const sCharRun& run : _runs)
        for (UInt c = run.first; c <= run.last; ++c) {
            sRendered glyph;
            if (renderGlyph(face.get(), char16_t(c), glyph))
                glyphs.push_back(std::move(glyph));
        }
    if (glyphs.empty())
        throw String("The font " + _ttfPath + " has none of the characters asked for.");
    std::sort(glyphs.begin(), glyphs.end(),
        [](const sRendered& _a, const sRendered& _b) { return _a.character < _b.character; });
    glyphs.erase(std::unique(glyphs.begin(), glyphs.end(),
                     [](const sRendered& _a, const sRendered& _b) { return _a.character == _b.character; }),
        glyphs.end());

    // One line height for every cell: from the highest ink (or the ascender) to the lowest.
    long ascent = roundPixels(face->size->metrics.ascender);
    long descent = -roundPixels(face->size->metrics.descender);
    for (const sRendered& glyph : glyphs) {
        ascent = std::max(ascent, glyph.top);
        descent = std::max(descent, long(glyph.rows) - glyph.top);
    }
    const UInt cellHeight = UInt(ascent + descent);

    sBakedFont baked;
    layoutCells(glyphs, cellHeight, baked.width, baked.height);
    baked.rgba.assign(std::size_t(baked.width) * baked.height * 4, 0xFF);
    for (std::size_t pixel = 0; pixel < std::size_t(baked.width) * baked.height; ++pixel)
        baked.rgba[pixel * 4 + 3] = 0;
    for (const sRendered& glyph : glyphs) {
        drawGlyph(glyph, ascent, baked);
        baked.font.glyphs.push_back(glyphRecord(glyph, cellHeight, baked));
    }
    baked.font.ranges = makeRanges(glyphs);
    return baked;
}

void saveBakedFont(const sBakedFont& _baked, const String& _fontPath, const String& _texturePath)
{
    const String bytes = writeFontFile(_baked.font);
    std::ofstream file(_fontPath, std::ios::binary);
    if (!file.write(bytes.data(), std::streamsize(bytes.size())) || !file.flush())
        throw String("Cannot write " + _fontPath + ".");
    if (!stbi_write_png(_texturePath.c_str(), int(_baked.width), int(_baked.height), 4, _baked.rgba.data(),
            int(_baked.width * 4)))
        throw String("Cannot write " + _texturePath + ".");
}
