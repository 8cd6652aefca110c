#pragma once
#include "engine/Types.h"
#include "platform/images/Image.h"

#include <cstddef>

// JNG and MNG pictures (the first frame of an animation). The pixels belong to the result,
// so nothing has to be freed separately.
sImage readMNG(const void* _data, std::size_t _size, const String& _name);
