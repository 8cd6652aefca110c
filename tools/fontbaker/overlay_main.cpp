// overlayfont <font.ttf> <pixel size> <out.cpp>
// Bakes a TrueType font into C++ source: the font file and the glyph picture's coverage as
// arrays, for the text the renderer draws without any data folder.
#include "FontBaker.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// The game's own letters, and beyond them the rest of Latin and Greek that a player's name,
// a path or a message may carry.
std::vector<sCharRun> overlayRuns()
{
    std::vector<sCharRun> runs = getDefaultCharRuns();
    const sCharRun more[] = {{u'\u0100', u'\u017F'}, {u'\u0384', u'\u03CE'}, {u'\u2010', u'\u2027'},
        {u'\u20AC', u'\u20AC'}};
    runs.insert(runs.end(), std::begin(more), std::end(more));
    return runs;
}

void writeBytes(std::ofstream& _out, const char* _name, const unsigned char* _bytes, std::size_t _size)
{
    _out << "const unsigned char " << _name << "[] = {";
    for (std::size_t i = 0; i < _size; ++i)
        _out << (i % 24 == 0 ? "\n    " : "") << unsigned(_bytes[i]) << ',';
    _out << "\n};\n";
}

} // namespace

int main(int _argc, char** _argv)
{
    if (_argc != 4) {
        std::fprintf(stderr, "usage: %s <font.ttf> <pixel size> <out.cpp>\n", _argv[0]);
        return 2;
    }
    try {
        const sBakedFont baked = bakeFont(_argv[1], UInt(std::strtoul(_argv[2], nullptr, 10)), overlayRuns());
        const String file = writeFontFile(baked.font);
        std::string alpha(std::size_t(baked.width) * baked.height, '\0');
        for (std::size_t pixel = 0; pixel < alpha.size(); ++pixel)
            alpha[pixel] = char(baked.rgba[pixel * 4 + 3]);

        std::ofstream out(_argv[3], std::ios::binary | std::ios::trunc);
        out << "// Made by overlayfont from " << _argv[1] << " at " << _argv[2] << " pixels.\n"
            << "#include \"graphics/sprites/OverlayFontData.h\"\n\nnamespace overlayFont {\n\n";
        writeBytes(out, "FONT_FILE", reinterpret_cast<const unsigned char*>(file.data()), file.size());
        out << "const std::size_t FONT_FILE_SIZE = " << file.size() << ";\n"
            << "const UInt PICTURE_WIDTH = " << baked.width << ";\n"
            << "const UInt PICTURE_HEIGHT = " << baked.height << ";\n";
        writeBytes(out, "PICTURE_ALPHA", reinterpret_cast<const unsigned char*>(alpha.data()), alpha.size());
        out << "\n} // namespace overlayFont\n";
        if (!out.flush()) {
            std::fprintf(stderr, "overlayfont: cannot write %s\n", _argv[3]);
            return 1;
        }
    } catch (const String& _error) {
        std::fprintf(stderr, "overlayfont: %s\n", _error.c_str());
        return 1;
    }
    return 0;
}
