// fontbaker <font.ttf> <pixel size> <out font file> <out texture.png>
// Bakes a TrueType font into a bitmap font file and the PNG picture its glyphs lie in.
#include "FontBaker.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int _argc, char** _argv)
{
    if (_argc != 5) {
        std::fprintf(stderr, "usage: %s <font.ttf> <pixel size> <out font file> <out texture.png>\n", _argv[0]);
        return 2;
    }
    char* end = nullptr;
    const unsigned long size = std::strtoul(_argv[2], &end, 10);
    if (*_argv[2] == '\0' || *end != '\0' || size == 0 || size > 512) {
        std::fprintf(stderr, "fontbaker: the pixel size must be a whole number from 1 to 512, not %s\n", _argv[2]);
        return 2;
    }
    try {
        const sBakedFont baked = bakeFont(_argv[1], UInt(size), getDefaultCharRuns());
        saveBakedFont(baked, _argv[3], _argv[4]);
        std::printf("fontbaker: %zu glyphs in %ux%u\n", baked.font.glyphs.size(), baked.width, baked.height);
    } catch (const String& _error) {
        std::fprintf(stderr, "fontbaker: %s\n", _error.c_str());
        return 1;
    }
    return 0;
}
