#include "platform/images/TextureFit.h"

#include <algorithm>

UInt nextPowerOfTwo(UInt _value)
{
    UInt result = 1;
    while (result < _value && result < 0x80000000u)
        result <<= 1;
    return result;
}

sTextureFit fitTexture(UInt _imageWidth, UInt _imageHeight)
{
    sTextureFit fit;
    fit.textureWidth = nextPowerOfTwo(_imageWidth);
    fit.textureHeight = nextPowerOfTwo(_imageHeight);
    fit.uScale = Float(_imageWidth) / Float(fit.textureWidth);
    fit.vScale = Float(_imageHeight) / Float(fit.textureHeight);
    fit.halfTexelU = 0.5f / Float(fit.textureWidth);
    fit.halfTexelV = 0.5f / Float(fit.textureHeight);
    return fit;
}

sImage padImage(const sImage& _image, const sTextureFit& _fit)
{
    sImage texture;
    texture.width = _fit.textureWidth;
    texture.height = _fit.textureHeight;
    texture.pixels.assign(std::size_t(texture.width) * texture.height, 0);
    const UInt width = std::min(_image.width, texture.width);
    const UInt height = std::min(_image.height, texture.height);
    for (UInt y = 0; y < height; ++y)
        std::copy_n(&_image.pixels[std::size_t(y) * _image.width], width, &texture.at(0, y));
    return texture;
}
