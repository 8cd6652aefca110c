#include "graphics/sprites/Font.h"

#include <cstdint>
#include <cstdlib>

// Any bytes either load as a font or fail with a text; a loaded font answers every lookup
// from inside its glyph table, and writing what was read gives back the bytes it came from.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    sFontFile file;
    if (readFontFile(file, _data, _size)) {
        const String written = writeFontFile(file);
        if (written.size() > _size || written.compare(0, written.size(), reinterpret_cast<const char*>(_data),
                                          written.size()) != 0)
            std::abort();
    }
    try {
        const cFont font("fuzz.fnt", _data, ULong(_size));
        sGlyph glyph;
        for (const sFontRange& range : file.ranges) {
            font.getLetter(range.first, glyph);
            font.getLetter(range.last, glyph);
            font.getLetter(char16_t(range.last + 1), glyph);
        }
        for (UInt c = 0; c < 0x10000; c += 251)
            font.getLetter(char16_t(c), glyph);
    } catch (const String&) {
    }
    return 0;
}
