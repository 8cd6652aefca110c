#pragma once
#include "engine/Types.h"
#include "platform/images/Image.h"

#include <cstddef>
#include <vector>

// Reads the first level of a DDS file: uncompressed 16, 24 or 32-bit RGB with masks, or
// DXT1 to DXT5.
sImage readDds(const void* _data, std::size_t _size, const String& _name);

// An uncompressed 32-bit ARGB DDS file, as screenshots are written.
std::vector<unsigned char> writeDds(const sImage& _image);

Bool isDdsImage(const void* _data, std::size_t _size);
