#include "Image.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

void sImage::blend(Int _x, Int _y, const tColour& _colour, Float _coverage)
{
    if (_x < 0 || _y < 0 || UInt(_x) >= width || UInt(_y) >= height)
        return;
    const Float alpha = std::clamp(_colour[3] * _coverage, 0.0f, 1.0f);
    if (alpha <= 0)
        return;
    Float* p = &rgba[(std::size_t(_y) * width + std::size_t(_x)) * 4];
    for (int c = 0; c < 3; ++c)
        p[c] = _colour[c] * alpha + p[c] * (1 - alpha);
    p[3] = alpha + p[3] * (1 - alpha);
}

tColour sImage::pixel(UInt _x, UInt _y) const
{
    const Float* p = &rgba[(std::size_t(_y) * width + _x) * 4];
    if (p[3] <= 0)
        return {0, 0, 0, 0};
    return {p[0] / p[3], p[1] / p[3], p[2] / p[3], p[3]};
}

void sImage::place(const sImage& _source, UInt _x, UInt _y)
{
    for (UInt row = 0; row < _source.height && _y + row < height; ++row) {
        const std::size_t count = std::min(_source.width, width - std::min(width, _x)) * 4;
        std::copy_n(&_source.rgba[std::size_t(row) * _source.width * 4], count,
            &rgba[((std::size_t(_y) + row) * width + _x) * 4]);
    }
}

std::vector<unsigned char> sImage::bytes(UInt _channels) const
{
    std::vector<unsigned char> result;
    result.reserve(std::size_t(width) * height * _channels);
    for (UInt y = 0; y < height; ++y)
        for (UInt x = 0; x < width; ++x) {
            const tColour c = pixel(x, y);
            for (UInt channel = 0; channel < _channels; ++channel) {
                // JPEG has no alpha: the picture is laid over black, which an opaque backdrop never shows.
                const Float value = _channels == 4 || channel == 3 ? c[channel] : c[channel] * c[3];
                result.push_back(static_cast<unsigned char>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255)));
            }
        }
    return result;
}

void saveImage(const sImage& _image, const String& _path)
{
    const std::filesystem::path folder = std::filesystem::path(_path).parent_path();
    std::error_code ignored;
    if (!folder.empty())
        std::filesystem::create_directories(folder, ignored);
    const Bool jpeg = _path.size() > 4 && _path.compare(_path.size() - 4, 4, ".jpg") == 0;
    const std::vector<unsigned char> data = _image.bytes(jpeg ? 3 : 4);
    const int w = int(_image.width), h = int(_image.height);
    const int written = jpeg ? stbi_write_jpg(_path.c_str(), w, h, 3, data.data(), 92)
                             : stbi_write_png(_path.c_str(), w, h, 4, data.data(), w * 4);
    if (!written)
        throw String("Cannot write " + _path + ".");
}
