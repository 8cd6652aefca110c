#include "ImageFixtures.h"
#include "support/MeshWriter.h"

#include <squish.h>
#include <stb_image_write.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

std::vector<unsigned char> toRgba(const sImage& _image)
{
    std::vector<unsigned char> rgba;
    rgba.reserve(_image.pixels.size() * 4);
    for (UInt pixel : _image.pixels) {
        rgba.push_back((unsigned char)(pixel >> 16));
        rgba.push_back((unsigned char)(pixel >> 8));
        rgba.push_back((unsigned char)pixel);
        rgba.push_back((unsigned char)(pixel >> 24));
    }
    return rgba;
}

void append(void* _context, void* _data, int _size)
{
    static_cast<std::string*>(_context)->append(static_cast<const char*>(_data), std::size_t(_size));
}

using tWriter = int (*)(stbi_write_func*, void*, int, int, int, const void*);

std::string writeWith(tWriter _writer, const sImage& _image)
{
    const std::vector<unsigned char> rgba = toRgba(_image);
    std::string out;
    if (!_writer(append, &out, int(_image.width), int(_image.height), 4, rgba.data()))
        throw std::runtime_error("image fixture could not be written");
    return out;
}

std::string u32BigEndian(UInt _value)
{
    return {char(_value >> 24), char(_value >> 16), char(_value >> 8), char(_value)};
}

std::string deflate(const std::string& _bytes)
{
    uLongf size = compressBound(uLong(_bytes.size()));
    std::string out(size, '\0');
    compress(reinterpret_cast<Bytef*>(&out[0]), &size, reinterpret_cast<const Bytef*>(_bytes.data()),
             uLong(_bytes.size()));
    out.resize(size);
    return out;
}

std::string ddsHeader(const sImage& _image, UInt _formatFlags, UInt _fourCC, UInt _bits, UInt _red,
                      UInt _green, UInt _blue)
{
    std::string header = "DDS " + u32Bytes(124) + u32Bytes(0x1007) + u32Bytes(_image.height) + u32Bytes(_image.width);
    header.append(4 * 14, '\0'); // pitch, depth, mip levels, reserved
    header += u32Bytes(32) + u32Bytes(_formatFlags) + u32Bytes(_fourCC) + u32Bytes(_bits) + u32Bytes(_red) +
              u32Bytes(_green) + u32Bytes(_blue) + u32Bytes(0) + u32Bytes(0x1000);
    header.append(4 * 4, '\0');
    return header;
}

} // namespace

std::string makePng(const sImage& _image)
{
    return writeWith(
        [](stbi_write_func* f, void* c, int w, int h, int n, const void* d) {
            return stbi_write_png_to_func(f, c, w, h, n, d, w * n);
        },
        _image);
}

std::string makeBmp(const sImage& _image)
{
    return writeWith(stbi_write_bmp_to_func, _image);
}

std::string makeTga(const sImage& _image)
{
    return writeWith(stbi_write_tga_to_func, _image);
}

std::string makeJpeg(const sImage& _image)
{
    return writeWith(
        [](stbi_write_func* f, void* c, int w, int h, int n, const void* d) {
            return stbi_write_jpg_to_func(f, c, w, h, n, d, 100);
        },
        _image);
}

std::string makeChunk(const char* _type, const std::string& _data)
{
    const std::string typed = std::string(_type, 4) + _data;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(typed.data()), uInt(typed.size()));
    return u32BigEndian(UInt(_data.size())) + typed + u32BigEndian(UInt(crc));
}

std::string makeJng(const sImage& _image, bool _alpha)
{
    std::string header = u32BigEndian(_image.width) + u32BigEndian(_image.height);
    // colour type (10 colour, 14 colour with alpha), sample depth, JPEG compression,
    // interlace, then alpha depth, compression, filter, interlace
    header += {char(_alpha ? 14 : 10), 8, 8, 0, char(_alpha ? 8 : 0), 0, 0, 0};
    std::string jng = "\x8BJNG\r\n\x1A\n";
    jng += makeChunk("JHDR", header);
    jng += makeChunk("JDAT", makeJpeg(_image));
    if (_alpha) {
        std::string rows;
        for (UInt y = 0; y < _image.height; ++y) {
            rows += '\0'; // no filter
            for (UInt x = 0; x < _image.width; ++x)
                rows += char(_image.at(x, y) >> 24);
        }
        jng += makeChunk("IDAT", deflate(rows));
    }
    jng += makeChunk("IEND", "");
    return jng;
}

std::string makeMng(const sImage& _image)
{
    std::string header = u32BigEndian(_image.width) + u32BigEndian(_image.height) + u32BigEndian(1) +
                         u32BigEndian(0) + u32BigEndian(1) + u32BigEndian(0) + u32BigEndian(1);
    const std::string png = makePng(_image);
    return "\x8AMNG\r\n\x1A\n" + makeChunk("MHDR", header) + png.substr(8) + makeChunk("MEND", "");
}

std::string makeCompressedDds(const sImage& _image, const char* _fourCC)
{
    const int flags = std::strcmp(_fourCC, "DXT1") == 0 ? squish::kDxt1
                      : std::strcmp(_fourCC, "DXT3") == 0 ? squish::kDxt3
                                                          : squish::kDxt5;
    const std::vector<unsigned char> rgba = toRgba(_image);
    std::string blocks(std::size_t(squish::GetStorageRequirements(int(_image.width), int(_image.height), flags)), '\0');
    squish::CompressImage(rgba.data(), int(_image.width), int(_image.height), &blocks[0], flags);
    UInt code = 0;
    std::memcpy(&code, _fourCC, 4);
    return ddsHeader(_image, 0x4, code, 0, 0, 0, 0) + blocks;
}

std::string makeRgb565Dds(const sImage& _image)
{
    std::string body;
    for (UInt pixel : _image.pixels) {
        const UInt value = (pixel >> 19 & 0x1F) << 11 | (pixel >> 10 & 0x3F) << 5 | (pixel >> 3 & 0x1F);
        body += {char(value), char(value >> 8)};
    }
    return ddsHeader(_image, 0x40, 0, 16, 0xF800, 0x07E0, 0x001F) + body;
}

int channelDistance(UInt _a, UInt _b, bool _alpha)
{
    int worst = 0;
    for (int shift = 0; shift < (_alpha ? 32 : 24); shift += 8)
        worst = std::max(worst, std::abs(int(_a >> shift & 0xFF) - int(_b >> shift & 0xFF)));
    return worst;
}
