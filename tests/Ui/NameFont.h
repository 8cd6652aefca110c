#pragma once
#include "graphics/sprites/FontFile.h"

#include <string>

// Every printable ASCII character and the numero sign, 4 pixels wide each: names of any
// length a test types fit the 1000-pixel name boxes.
inline std::string makeNameFont()
{
    sFontFile font;
    font.ranges = {{u' ', u'~', 0}, {u'\u2116', u'\u2116', 0}};
    font.glyphs.assign(95, sGlyph{0, 1, 0.0625f, 0, 0.0625f});
    return writeFontFile(font);
}
