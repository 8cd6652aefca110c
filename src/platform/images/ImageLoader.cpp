#include "platform/images/ImageLoader.h"

#include "platform/images/DdsFile.h"
#include "platform/images/MngDecoder.h"

#include <stb_image.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const unsigned char JNG_SIGNATURE[4] = {0x8B, 'J', 'N', 'G'};
const unsigned char MNG_SIGNATURE[4] = {0x8A, 'M', 'N', 'G'};

Bool startsWith(const void* _data, std::size_t _size, const unsigned char (&_magic)[4])
{
    return _size >= 4 && std::memcmp(_data, _magic, 4) == 0;
}

UInt readLittle(const unsigned char* _p, int _bytes)
{
    UInt value = 0;
    for (int i = _bytes - 1; i >= 0; --i)
        value = value << 8 | _p[i];
    return value;
}

// stb_image reads zeros past the end of a short file and calls the result a picture. For the
// layouts whose size follows from the header, a short file is refused here instead.
Bool isShortBmp(const unsigned char* _p, std::size_t _size)
{
    if (_size < 30)
        return true;
    const UInt headerSize = readLittle(_p + 14, 4);
    const Bool core = headerSize == 12;
    // Widened before the sign is dropped: a width of -2^31 must not overflow.
    const auto side = [&](int _at) { return std::uint64_t(std::llabs(std::int64_t(Int(readLittle(_p + _at, 4))))); };
    const std::uint64_t width = core ? readLittle(_p + 18, 2) : side(18);
    const std::uint64_t height = core ? readLittle(_p + 20, 2) : side(22);
    const UInt bits = readLittle(_p + (core ? 24 : 28), 2);
    const UInt compression = core || _size < 34 ? 0 : readLittle(_p + 30, 4);
    if (compression != 0 && compression != 3)
        return false; // run-length data has no size to check against
    const std::uint64_t row = (width * bits + 31) / 32 * 4;
    return readLittle(_p + 10, 4) + row * height > _size;
}

Bool isShortTga(const unsigned char* _p, std::size_t _size)
{
    const UInt type = _p[2] & ~8u; // 8 marks run-length packets
    if (type != 1 && type != 2 && type != 3)
        return false; // not a TGA at all: the decoder decides
    const std::uint64_t colourMap = _p[1] ? std::uint64_t(readLittle(_p + 5, 2)) * ((_p[7] + 7) / 8) : 0;
    const std::uint64_t count = std::uint64_t(readLittle(_p + 12, 2)) * readLittle(_p + 14, 2);
    const std::uint64_t pixelBytes = (_p[16] + 7) / 8;
    std::uint64_t at = 18 + _p[0] + colourMap;
    if (!(_p[2] & 8))
        return at + count * pixelBytes > _size;
    for (std::uint64_t done = 0; done < count;) {
        if (at >= _size)
            return true;
        const UInt packet = _p[at++];
        const UInt run = (packet & 0x7F) + 1;
        at += (packet & 0x80) ? pixelBytes : run * pixelBytes;
        done += run;
    }
    return at > _size;
}

// A JPEG stream ends with its end-of-image marker; one that never reaches it was cut short.
Bool isShortJpeg(const unsigned char* _p, std::size_t _size)
{
    for (std::size_t i = _size - 1; i > 2; --i)
        if (_p[i - 1] == 0xFF && _p[i] == 0xD9)
            return false;
    return true;
}

Bool isShortFile(const unsigned char* _p, std::size_t _size)
{
    if (_size >= 2 && _p[0] == 0xFF && _p[1] == 0xD8)
        return isShortJpeg(_p, _size);
    if (_size >= 2 && _p[0] == 'B' && _p[1] == 'M')
        return isShortBmp(_p, _size);
    static const char* const OTHERS[] = {"\x89PNG", "GIF8", "8BPS", "P", "#?", "\x53\x80\xF6\x34"};
    for (const char* other : OTHERS)
        if (_size >= std::strlen(other) && std::memcmp(_p, other, std::strlen(other)) == 0)
            return false;
    // What is left is a TGA to the decoder, which fills a cut header with zeros: a file too
    // short for the header is as truncated as one too short for its pixels.
    return _size < 18 || isShortTga(_p, _size);
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
    if (isShortFile(bytes, _size))
        throw String("Image \"" + _name + "\" is truncated.");

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
