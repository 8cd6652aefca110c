#include "graphics/sprites/Font.h"

#include "engine/logs/ErrorStack.h"
#include "engine/resources/ResourceManager.h"
#include "graphics/WholeFile.h"

#include <vector>

namespace {

const char* const FONT_SIGNATURE =
    "cFont::cFont(const String& res_name, const void* res_source, const ULong &source_size)";

// The file is read on the font's behalf, so a missing one fails in its name.
std::vector<char> readFont(const String& _path)
{
    GUARD_BEGIN
    return readWholeFile(_path);
    GUARD_END(FONT_SIGNATURE)
}

iResource* makeFont(const String& _path)
{
    const std::vector<char> bytes = readFont(_path);
    return new cFont(_path, bytes.data(), ULong(bytes.size()));
}

} // namespace

void registerFontMaker()
{
    cResourceManager::registerMaker(RT_FONT, makeFont);
}

cFont::cFont(const String& _res_name, const void* _res_source, const ULong& _source_size)
    : cResource(_res_name)
{
    GUARD_BEGIN
    sFontFile file;
    // A damaged file is refused whole: a range reaching past the glyph table would
    // otherwise index memory that is not the font's.
    if (!readFontFile(file, _res_source, _source_size))
        throw String("Specified resourse (" + _res_name + ") is not font.");
    // A later range with the same last character replaces an earlier one.
    for (const sFontRange& range : file.ranges)
        m_ranges[range.last] = range;
    m_glyphs = std::move(file.glyphs);
    GUARD_END(FONT_SIGNATURE)
}

Bool cFont::getLetter(char16_t _character, sGlyph& _glyph) const
{
    const auto it = m_ranges.lower_bound(static_cast<UInt16>(_character));
    if (it == m_ranges.end() || it->second.first > _character)
        return false;
    const sFontRange& range = it->second;
    _glyph = m_glyphs[range.firstGlyph + (_character - range.first)];
    return true;
}
