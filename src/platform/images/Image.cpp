#include "platform/images/Image.h"

void checkImageSize(UInt _width, UInt _height, const String& _name)
{
    if (_width == 0 || _height == 0)
        throw String("Image \"" + _name + "\" is empty.");
    if (_width > MAX_IMAGE_SIDE || _height > MAX_IMAGE_SIDE ||
        std::size_t(_width) * _height > MAX_IMAGE_PIXELS)
        throw String("Image \"" + _name + "\" is too large: " + std::to_string(_width) + "x" +
                     std::to_string(_height) + ".");
}
