#include "platform/images/DdsFile.h"
#include "platform/images/ImageLoader.h"
#include "platform/images/TextureFit.h"

#include <cstdint>
#include <cstdlib>

// Any bytes either decode to a whole picture or fail with a text; a decoded picture must
// survive the mask, the padding and a DDS round trip.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    sImage image;
    try {
        image = loadImage(_data, _size, "fuzz");
    } catch (const String&) {
        return 0;
    }
    if (image.width == 0 || image.height == 0 || image.pixels.size() != std::size_t(image.width) * image.height)
        std::abort();
    VECTOR_VECTOR_BOOL mask;
    getMask(image, mask);
    const sImage texture = padImage(image, fitTexture(image.width, image.height));
    if (texture.at(0, 0) != image.at(0, 0))
        std::abort();
    const std::vector<unsigned char> dds = writeDds(image);
    if (readDds(dds.data(), dds.size(), "fuzz").pixels != image.pixels)
        std::abort();
    return 0;
}
