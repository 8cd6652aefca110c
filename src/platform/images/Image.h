#pragma once
#include "engine/Types.h"

#include <vector>

// A decoded picture: 32-bit ARGB pixels, rows top to bottom.
struct sImage {
    UInt width = 0;
    UInt height = 0;
    std::vector<UInt> pixels;

    UInt& at(UInt _x, UInt _y) { return pixels[std::size_t(_y) * width + _x]; }
    UInt at(UInt _x, UInt _y) const { return pixels[std::size_t(_y) * width + _x]; }
};

// A per-pixel click mask indexed [x][y]: true where the picture is.
using VECTOR_VECTOR_BOOL = std::vector<std::vector<Bool>>;

// Decoders refuse pictures beyond these sizes before allocating anything for them.
const UInt MAX_IMAGE_SIDE = 8192;
const UInt MAX_IMAGE_PIXELS = 16u * 1024 * 1024;

// Throws a text naming _name unless the size is within the limits above and not empty.
void checkImageSize(UInt _width, UInt _height, const String& _name);
