#include "TextMask.h"

#include "FontPackage.h"
#include "FontTable.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

struct sLibraryDeleter {
    void operator()(FT_Library _library) const { FT_Done_FreeType(_library); }
};
struct sFaceDeleter {
    void operator()(FT_Face _face) const { FT_Done_Face(_face); }
};

std::vector<char32_t> decodeUtf8(const String& _text)
{
    std::vector<char32_t> result;
    for (std::size_t i = 0; i < _text.size();) {
        const unsigned char lead = static_cast<unsigned char>(_text[i]);
        const std::size_t extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        for (std::size_t k = 1; k <= extra && i + k < _text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(_text[i + k]) & 0x3F);
        result.push_back(c);
        i += extra + 1;
    }
    return result;
}

} // namespace

String fontFile(const String& _font)
{
    for (const sTrueTypeFile& font : kTrueTypeFiles)
        if (*font.face && _font == font.face)
            return kTrueTypeFolder + String(font.file);
    return "";
}

String faceNames()
{
    String names;
    for (const sTrueTypeFile& font : kTrueTypeFiles)
        if (*font.face)
            names += (names.empty() ? "" : ", ") + String(font.face);
    return names;
}

sMask renderText(const sLayer& _layer)
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        throw String("Cannot start the font renderer.");
    const std::unique_ptr<FT_LibraryRec_, sLibraryDeleter> ownedLibrary(library);
    FT_Face face = nullptr;
    const String path = fontFile(_layer.font);
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0)
        throw String(missingFontMessage(path));
    const std::unique_ptr<FT_FaceRec_, sFaceDeleter> ownedFace(face);
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(std::lround(_layer.box[2])));

    const std::vector<char32_t> characters = decodeUtf8(_layer.text);
    long advance = 0;
    for (const char32_t c : characters)
        if (FT_Load_Char(face, c, FT_LOAD_DEFAULT) == 0)
            advance += face->glyph->advance.x;
    const Float size = _layer.box[2];
    sMask mask;
    mask.width = UInt(advance >> 6) + UInt(size) + 4;
    mask.height = UInt(size * 1.6f) + 4;
    mask.left = Int(std::floor(_layer.box[0] - Float(mask.width) / 2));
    mask.top = Int(std::floor(_layer.box[1] - Float(mask.height) / 2));
    mask.cover.assign(std::size_t(mask.width) * mask.height, 0.0f);

    // Capitals of DejaVu stand about 0.73 em above the baseline: centre them on the point.
    const Float baseline = _layer.box[1] + 0.365f * size - Float(mask.top);
    Float pen = _layer.box[0] - Float(advance >> 6) / 2 - Float(mask.left);
    for (const char32_t c : characters) {
        if (FT_Load_Char(face, c, FT_LOAD_RENDER) != 0)
            continue;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        const long x0 = std::lround(pen) + slot->bitmap_left;
        const long y0 = std::lround(baseline) - slot->bitmap_top;
        for (UInt row = 0; row < bitmap.rows; ++row)
            for (UInt column = 0; column < bitmap.width; ++column) {
                const long x = x0 + long(column), y = y0 + long(row);
                if (x < 0 || y < 0 || x >= long(mask.width) || y >= long(mask.height))
                    continue;
                Float& cell = mask.cover[std::size_t(y) * mask.width + std::size_t(x)];
                cell = std::max(cell, bitmap.buffer[std::ptrdiff_t(row) * bitmap.pitch + column] / 255.0f);
            }
        pen += Float(slot->advance.x) / 64.0f;
    }
    return mask;
}
