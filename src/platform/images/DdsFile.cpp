#include "platform/images/DdsFile.h"

#include <squish.h>

#include <cstring>

namespace {

const UInt HEADER_SIZE = 128; // the magic and the 124-byte header
const UInt FLAG_CAPS = 0x1, FLAG_HEIGHT = 0x2, FLAG_WIDTH = 0x4, FLAG_PITCH = 0x8, FLAG_PIXELFORMAT = 0x1000;
const UInt PF_ALPHAPIXELS = 0x1, PF_FOURCC = 0x4, PF_RGB = 0x40;
const UInt CAPS_TEXTURE = 0x1000;

UInt fourCC(const char* _code)
{
    const auto* c = reinterpret_cast<const unsigned char*>(_code);
    return UInt(c[0]) | UInt(c[1]) << 8 | UInt(c[2]) << 16 | UInt(c[3]) << 24;
}

struct sCompression {
    const char* code;
    int squishFlags;
    UInt blockBytes;
};

// DXT2 and DXT4 store premultiplied colour; the blocks decode like DXT3 and DXT5.
const sCompression COMPRESSIONS[] = {
    {"DXT1", squish::kDxt1, 8},  {"DXT2", squish::kDxt3, 16}, {"DXT3", squish::kDxt3, 16},
    {"DXT4", squish::kDxt5, 16}, {"DXT5", squish::kDxt5, 16},
};

UInt readU32(const unsigned char* _p)
{
    return UInt(_p[0]) | UInt(_p[1]) << 8 | UInt(_p[2]) << 16 | UInt(_p[3]) << 24;
}

void putU32(std::vector<unsigned char>& _out, std::size_t _at, UInt _value)
{
    for (int i = 0; i < 4; ++i)
        _out[_at + i] = (unsigned char)(_value >> (8 * i));
}

// One channel of a packed pixel, widened to 8 bits; an empty mask reads as _missing.
UInt channel(UInt _pixel, UInt _mask, UInt _missing)
{
    if (_mask == 0)
        return _missing;
    UInt shift = 0;
    while (!(_mask >> shift & 1))
        ++shift;
    const UInt max = _mask >> shift;
    return UInt((std::uint64_t((_pixel & _mask) >> shift) * 255 + max / 2) / max);
}

sImage readCompressed(const unsigned char* _body, std::size_t _available, sImage _image,
                      const sCompression& _compression, const String& _name)
{
    const std::size_t blocks = std::size_t((_image.width + 3) / 4) * ((_image.height + 3) / 4);
    if (_available < blocks * _compression.blockBytes)
        throw String("DDS image \"" + _name + "\" is truncated.");
    std::vector<unsigned char> rgba(std::size_t(_image.width) * _image.height * 4);
    squish::DecompressImage(rgba.data(), int(_image.width), int(_image.height), _body, _compression.squishFlags);
    _image.pixels.resize(std::size_t(_image.width) * _image.height);
    const unsigned char* p = rgba.data();
    for (UInt& pixel : _image.pixels) {
        pixel = UInt(p[3]) << 24 | UInt(p[0]) << 16 | UInt(p[1]) << 8 | p[2];
        p += 4;
    }
    return _image;
}

sImage readUncompressed(const unsigned char* _header, const unsigned char* _body, std::size_t _available,
                        sImage _image, const String& _name)
{
    const UInt bits = readU32(_header + 88);
    if (bits != 16 && bits != 24 && bits != 32)
        throw String("DDS image \"" + _name + "\" has an unsupported pixel format.");
    const UInt bytes = bits / 8;
    const UInt red = readU32(_header + 92), green = readU32(_header + 96), blue = readU32(_header + 100);
    const UInt alpha = (readU32(_header + 80) & PF_ALPHAPIXELS) ? readU32(_header + 104) : 0;
    const std::size_t pitch = std::size_t(_image.width) * bytes;
    if (_available / pitch < _image.height)
        throw String("DDS image \"" + _name + "\" is truncated.");

    _image.pixels.resize(std::size_t(_image.width) * _image.height);
    for (UInt y = 0; y < _image.height; ++y) {
        const unsigned char* row = _body + pitch * y;
        for (UInt x = 0; x < _image.width; ++x) {
            UInt value = 0;
            for (UInt b = 0; b < bytes; ++b)
                value |= UInt(row[x * bytes + b]) << (8 * b);
            _image.at(x, y) = channel(value, alpha, 255) << 24 | channel(value, red, 0) << 16 |
                              channel(value, green, 0) << 8 | channel(value, blue, 0);
        }
    }
    return _image;
}

} // namespace

Bool isDdsImage(const void* _data, std::size_t _size)
{
    return _size >= 4 && std::memcmp(_data, "DDS ", 4) == 0;
}

sImage readDds(const void* _data, std::size_t _size, const String& _name)
{
    const auto* bytes = static_cast<const unsigned char*>(_data);
    if (!isDdsImage(_data, _size) || _size < HEADER_SIZE || readU32(bytes + 4) != 124)
        throw String("DDS image \"" + _name + "\" has a damaged header.");
    sImage image;
    image.height = readU32(bytes + 12);
    image.width = readU32(bytes + 16);
    checkImageSize(image.width, image.height, _name);

    const UInt formatFlags = readU32(bytes + 80);
    const unsigned char* body = bytes + HEADER_SIZE;
    const std::size_t available = _size - HEADER_SIZE;
    if (formatFlags & PF_FOURCC) {
        const UInt code = readU32(bytes + 84);
        for (const sCompression& compression : COMPRESSIONS)
            if (code == fourCC(compression.code))
                return readCompressed(body, available, image, compression, _name);
        throw String("DDS image \"" + _name + "\" has an unsupported compression.");
    }
    if (formatFlags & PF_RGB)
        return readUncompressed(bytes, body, available, image, _name);
    throw String("DDS image \"" + _name + "\" has an unsupported pixel format.");
}

std::vector<unsigned char> writeDds(const sImage& _image)
{
    std::vector<unsigned char> out(HEADER_SIZE + _image.pixels.size() * 4, 0);
    std::memcpy(out.data(), "DDS ", 4);
    putU32(out, 4, 124);
    putU32(out, 8, FLAG_CAPS | FLAG_HEIGHT | FLAG_WIDTH | FLAG_PITCH | FLAG_PIXELFORMAT);
    putU32(out, 12, _image.height);
    putU32(out, 16, _image.width);
    putU32(out, 20, _image.width * 4);
    putU32(out, 76, 32);
    putU32(out, 80, PF_RGB | PF_ALPHAPIXELS);
    putU32(out, 88, 32);
    putU32(out, 92, 0x00FF0000);
    putU32(out, 96, 0x0000FF00);
    putU32(out, 100, 0x000000FF);
    putU32(out, 104, 0xFF000000);
    putU32(out, 108, CAPS_TEXTURE);
    std::size_t at = HEADER_SIZE;
    for (UInt pixel : _image.pixels) {
        putU32(out, at, pixel);
        at += 4;
    }
    return out;
}
