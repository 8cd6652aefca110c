#pragma once
#include "engine/resources/Resource.h"
#include "graphics/sprites/FontFile.h"

#include <map>
#include <vector>

// A bitmap font: where each character's glyph lies in the font picture and how far the pen
// moves after it. The picture itself is a texture that the text control names separately.
// Immutable once built.
class cFont : public cResource {
public:
    // Parses the font file's bytes; _res_name is its path, used as the resource name and in
    // the failure text. The cache reads the file through the file manager and passes its
    // bytes here, so the font never touches the file system itself.
    cFont(const String& _res_name, const void* _res_source, const ULong& _source_size);

    UInt getType() const override { return RT_FONT; }

    // True and the glyph copied out when a range holds the character; false and _glyph
    // untouched otherwise.
    Bool getLetter(char16_t _character, sGlyph& _glyph) const;

private:
    // Keyed by a range's last character, so a lower bound finds the only candidate.
    std::map<UInt16, sFontRange> m_ranges;
    std::vector<sGlyph> m_glyphs;
};

// Lets the resource cache make fonts (type 2) from their files; the engine calls it once at
// start, before anything asks for a font.
void registerFontMaker();
