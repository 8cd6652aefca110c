#pragma once
#include "Description.h"

// A picture being painted: rows from the top, premultiplied RGBA floats.
struct sImage {
    UInt width = 0, height = 0;
    std::vector<Float> rgba;

    sImage() = default;
    sImage(UInt _width, UInt _height) : width(_width), height(_height), rgba(std::size_t(_width) * _height * 4, 0.0f) {}

    // Lays _colour (straight alpha) over the pixel with the given coverage.
    void blend(Int _x, Int _y, const tColour& _colour, Float _coverage);
    // Straight alpha, 0 to 1.
    tColour pixel(UInt _x, UInt _y) const;
    // _source's pixels at (_x, _y), replacing what was there.
    void place(const sImage& _source, UInt _x, UInt _y);
    // Straight-alpha bytes, four to a pixel (or three, laid over black).
    std::vector<unsigned char> bytes(UInt _channels) const;
};

// PNG or JPEG by the name's extension; makes missing folders; throws a String on failure.
void saveImage(const sImage& _image, const String& _path);
