#pragma once
#include "engine/Types.h"
#include "platform/images/Image.h"

#include <vector>

// An 8-bit RGBA PNG of the picture, alpha kept.
std::vector<unsigned char> writePng(const sImage& _image);

// The same written to _path, whole under a temporary name first so no half picture ever
// carries the name; throws a text naming the file when it cannot be written.
void savePng(const String& _path, const sImage& _image);
