#pragma once
#include "platform/images/Image.h"

#include <string>

// Image files written at run time for the decoder tests; each returns the file's bytes.

// A picture of _width x _height filled by _pixel(x, y) -> ARGB.
template <class tPixel> sImage makeImage(UInt _width, UInt _height, tPixel _pixel)
{
    sImage image;
    image.width = _width;
    image.height = _height;
    image.pixels.resize(std::size_t(_width) * _height);
    for (UInt y = 0; y < _height; ++y)
        for (UInt x = 0; x < _width; ++x)
            image.at(x, y) = _pixel(x, y);
    return image;
}

std::string makePng(const sImage& _image);
std::string makeBmp(const sImage& _image);
std::string makeTga(const sImage& _image);
std::string makeJpeg(const sImage& _image);
// A JNG: the colour as baseline JPEG, with the alpha losslessly beside it when _alpha.
std::string makeJng(const sImage& _image, bool _alpha);
// An MNG of one frame holding the picture as an embedded PNG.
std::string makeMng(const sImage& _image);
// A DDS compressed with "DXT1", "DXT3" or "DXT5".
std::string makeCompressedDds(const sImage& _image, const char* _fourCC);
// An uncompressed 16-bit 5-6-5 DDS.
std::string makeRgb565Dds(const sImage& _image);

// The largest difference of one channel between two ARGB pixels, alpha included when _alpha.
int channelDistance(UInt _a, UInt _b, bool _alpha = true);

// One PNG-style chunk (length, type, data, checksum), as JNG and MNG files are built from.
std::string makeChunk(const char* _type, const std::string& _data);
