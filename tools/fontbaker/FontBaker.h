#pragma once
#include "graphics/sprites/FontFile.h"

#include <vector>

// Inclusive runs of UTF-16 code units to bake.
struct sCharRun {
    char16_t first, last;
};

// Latin with its Western European letters, Cyrillic, and the typographic punctuation
// Russian texts use (dashes, quotes, ellipsis, numero sign).
const std::vector<sCharRun>& getDefaultCharRuns();

// A font file's content and the picture its glyph rectangles refer to: white, with the
// glyph coverage in alpha, rows from the top, four bytes per pixel.
struct sBakedFont {
    sFontFile font;
    UInt width = 0, height = 0;
    std::vector<unsigned char> rgba;
};

// Renders every character of _runs that the TrueType font has, at _pixelSize pixels per em.
// Each glyph gets a cell one line high, centred on its advance, so that letters centred on
// their pen step and on the text's line sit on a common baseline. Throws a String when the
// font cannot be read.
sBakedFont bakeFont(const String& _ttfPath, UInt _pixelSize, const std::vector<sCharRun>& _runs);

// Writes the font file and the PNG picture; throws a String naming the file that failed.
void saveBakedFont(const sBakedFont& _baked, const String& _fontPath, const String& _texturePath);
