#pragma once
#include "engine/Types.h"

#include <cstddef>

// The statistics overlay's font, baked into the program at build time (a bold sans serif
// at 16 pixels), so the overlay needs nothing from the data folder.
namespace overlayFont {

// A font file: "tnof", ranges and glyphs.
extern const unsigned char FONT_FILE[];
extern const std::size_t FONT_FILE_SIZE;
// The glyph picture's coverage, one byte a pixel, rows from the top.
extern const UInt PICTURE_WIDTH;
extern const UInt PICTURE_HEIGHT;
extern const unsigned char PICTURE_ALPHA[];

} // namespace overlayFont
