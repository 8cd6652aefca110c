#pragma once
#include "engine/Types.h"
#include "platform/images/Image.h"

#include <cstddef>

// Decodes an image file held in memory. The format is chosen by the leading bytes, never by
// a name: JNG and MNG, DDS, then PNG, JPEG, BMP and TGA. _name appears in error texts only.
// A failure throws a text naming _name; no partial picture is ever returned.
sImage loadImage(const void* _data, std::size_t _size, const String& _name);

// True when the bytes start with the JNG signature 0x8B "JNG".
Bool isJngImage(const void* _data, std::size_t _size);

// res[x][y] is true where the pixel's alpha is not zero; res has the image's own size.
void getMask(const sImage& _image, VECTOR_VECTOR_BOOL& _res);
