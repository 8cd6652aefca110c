#include "platform/images/PngFile.h"

#include <stb_image_write.h>

#include <cstdio>
#include <fstream>

namespace {

void append(void* _context, void* _data, int _size)
{
    auto* bytes = static_cast<std::vector<unsigned char>*>(_context);
    const auto* data = static_cast<const unsigned char*>(_data);
    bytes->insert(bytes->end(), data, data + _size);
}

} // namespace

std::vector<unsigned char> writePng(const sImage& _image)
{
    checkImageSize(_image.width, _image.height, "PNG");
    if (_image.pixels.size() != std::size_t(_image.width) * _image.height)
        throw String("The picture's pixels do not fill its size.");
    std::vector<unsigned char> rgba;
    rgba.reserve(_image.pixels.size() * 4);
    for (UInt argb : _image.pixels) {
        rgba.push_back(static_cast<unsigned char>(argb >> 16));
        rgba.push_back(static_cast<unsigned char>(argb >> 8));
        rgba.push_back(static_cast<unsigned char>(argb));
        rgba.push_back(static_cast<unsigned char>(argb >> 24));
    }
    std::vector<unsigned char> png;
    if (!stbi_write_png_to_func(append, &png, int(_image.width), int(_image.height), 4, rgba.data(),
                                int(_image.width * 4)))
        throw String("The picture could not be encoded as PNG.");
    return png;
}

void savePng(const String& _path, const sImage& _image)
{
    const std::vector<unsigned char> bytes = writePng(_image);
    const String temporary = _path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!file.flush()) {
            file.close();
            std::remove(temporary.c_str());
            throw "Can't write the picture \"" + _path + "\".";
        }
    }
    if (std::rename(temporary.c_str(), _path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw "Can't write the picture \"" + _path + "\".";
    }
}
