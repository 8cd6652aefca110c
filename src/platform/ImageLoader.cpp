#include "platform/ImageLoader.h"

#include "platform/DdsFile.h"
#include "platform/MngDecoder.h"

#include <stb_image.h>

#include <climits>
#include <cstring>
#include <memory>

namespace {

const unsigned char JNG_SIGNATURE[4] = {0x8B, 'J', 'N', 'G'};
const unsigned char MNG_SIGNATURE[4] = {0x8A, 'M', 'N', 'G'};

Bool startsWith(const void* _data, std::size_t _size, const unsigned char (&_magic)[4])
{
    return _size >= 4 && std::memcmp(_data, _magic, 4) == 0;
}

struct sStbFree {
    void operator()(stbi_uc* _pixels) const { stbi_image_free(_pixels); }
};

sImage loadWithStb(const void* _data, std::size_t _size, const String& _name)
{
    if (_size > std::size_t(INT_MAX))
        throw String("Image \"" + _name + "\" is too large.");
    const auto* bytes = static_cast<const stbi_uc*>(_data);
    const int size = int(_size);
    int width = 0, height = 0, channels = 0;
    // The header first: a damaged one must not make the decoder allocate for it.
    if (!stbi_info_from_memory(bytes, size, &width, &height, &channels))
        throw String("Can't decode image \"" + _name + "\": " + stbi_failure_reason() + ".");
    checkImageSize(UInt(width), UInt(height), _name);

    std::unique_ptr<stbi_uc, sStbFree> rgba(stbi_load_from_memory(bytes, size, &width, &height, &channels, 4));
    if (!rgba)
        throw String("Can't decode image \"" + _name + "\": " + stbi_failure_reason() + ".");
    checkImageSize(UInt(width), UInt(height), _name);

    sImage image;
    image.width = UInt(width);
    image.height = UInt(height);
    image.pixels.resize(std::size_t(width) * height);
    const stbi_uc* p = rgba.get();
    for (UInt& pixel : image.pixels) {
        pixel = UInt(p[3]) << 24 | UInt(p[0]) << 16 | UInt(p[1]) << 8 | p[2];
        p += 4;
    }
    return image;
}

} // namespace

Bool isJngImage(const void* _data, std::size_t _size)
{
    return startsWith(_data, _size, JNG_SIGNATURE);
}

sImage loadImage(const void* _data, std::size_t _size, const String& _name)
{
    if (_data == nullptr || _size == 0)
        throw String("Image \"" + _name + "\" is empty.");
    if (isJngImage(_data, _size) || startsWith(_data, _size, MNG_SIGNATURE))
        return readMNG(_data, _size, _name);
    if (isDdsImage(_data, _size))
        return readDds(_data, _size, _name);
    return loadWithStb(_data, _size, _name);
}

void getMask(const sImage& _image, VECTOR_VECTOR_BOOL& _res)
{
    _res.assign(_image.width, std::vector<Bool>(_image.height, false));
    for (UInt y = 0; y < _image.height; ++y)
        for (UInt x = 0; x < _image.width; ++x)
            _res[x][y] = (_image.at(x, y) >> 24) != 0;
}
